#include "planning/fuel_planner_search.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kestro {
namespace {

std::vector<std::vector<std::int64_t>> AmountsTried(int n, std::int64_t capacity) {
  PlanAmounts amounts{};
  FirstAmounts(amounts, n);
  std::vector<std::vector<std::int64_t>> tried;
  while (StepAmounts(amounts, n, capacity)) {
    tried.emplace_back(amounts.begin(), amounts.begin() + n);
  }
  return tried;
}

TEST(FuelPlanSearchTest, AmountsForOneStop) {
  const auto cap50 = AmountsTried(1, 50);
  ASSERT_EQ(cap50.size(), 10U);
  EXPECT_EQ(cap50.front(), std::vector<std::int64_t>{0});
  EXPECT_EQ(cap50.back(), std::vector<std::int64_t>{45});
  const auto cap51 = AmountsTried(1, 51);
  ASSERT_EQ(cap51.size(), 11U);
  EXPECT_EQ(cap51.back(), std::vector<std::int64_t>{50});
}

TEST(FuelPlanSearchTest, AmountsForTwoStopsNeverBuyZeroAfterABuy) {
  const std::vector<std::vector<std::int64_t>> expected = {
      {0, 0},  {0, 5},   {0, 10},  {0, 15}, {5, 5},   {5, 10}, {5, 15},
      {10, 5}, {10, 10}, {10, 15}, {15, 5}, {15, 10}, {15, 15}};
  EXPECT_EQ(AmountsTried(2, 20), expected);
}

TEST(FuelPlanSearchTest, CombinationsInLexicographicOrder) {
  PlanStops stops{};
  FirstStops(stops, 2);
  std::vector<std::pair<int, int>> seen{{stops[0], stops[1]}};
  while (NextStops(stops, 2, 4)) seen.emplace_back(stops[0], stops[1]);
  const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {0, 3},
                                                     {1, 2}, {1, 3}, {2, 3}};
  EXPECT_EQ(seen, expected);
}

FuelPlanInputs Inputs(int startFuel, int landFuel, int capacity, double stopCost = 20) {
  FuelPlanInputs in;
  in.startFuelGal = startFuel;
  in.endFuelGal = 0;
  in.landFuelGal = landFuel;
  in.capacityGal = capacity;
  in.stopCostDollars = stopCost;
  in.nmPerGal = 10;
  return in;
}

PlanRoute Route(std::vector<int> legsNM, int finalLegNM, double price = 4) {
  PlanRoute route;
  route.stops = static_cast<int>(legsNM.size());
  for (int i = 0; i < route.stops; ++i) {
    route.legNM[i] = legsNM[i];
    route.legFuelGal[i] = legsNM[i] / 10.0;
    route.pricePerGal[i] = price;
  }
  route.finalLegFuelGal = finalLegNM / 10.0;
  return route;
}

TEST(FuelPlanSearchTest, ShortfallSkipsAmountsAtTheStopBefore) {
  // 20 gallons, 5 burnt to the first stop; the second leg leaves the plan short by s gallons.
  struct Case {
    int secondLegNM;
    std::int64_t skip;
  };
  const Case cases[] = {
      {80, 5},    // short 3: at least 5
      {175, 5},   // short 12.5, rounded half to even to 12: 7 -> 5
      {180, 10},  // short 13: 8 -> 10
      {224, 10},  // short 17.4: 12 -> 10
      {300, 20},  // short 25: 20
  };
  for (const Case& c : cases) {
    PlanAmounts amounts{0, 0, 5};
    bool prune = false;
    const PlanFlight flight =
        FlyPlan(Inputs(20, 10, 50), Route({50, c.secondLegNM, 10}, 10), amounts, prune);
    EXPECT_FALSE(flight.completed);
    EXPECT_FALSE(prune);
    EXPECT_EQ(amounts[0], c.skip) << c.secondLegNM;
    EXPECT_EQ(amounts[1], 0);
    EXPECT_EQ(amounts[2], 0);
  }
}

TEST(FuelPlanSearchTest, OverfullTankSkipsToCapacity) {
  PlanAmounts amounts{0, 45, 5};
  bool prune = false;
  const PlanFlight flight = FlyPlan(Inputs(20, 5, 50), Route({50, 50, 50}, 50), amounts, prune);
  EXPECT_FALSE(flight.completed);
  EXPECT_EQ(amounts[0], 0);
  EXPECT_EQ(amounts[1], 50);
  EXPECT_EQ(amounts[2], 50);
}

TEST(FuelPlanSearchTest, FirstStopOutOfReachPrunesOnlyWhenItIsALegAway) {
  PlanAmounts amounts{0};
  bool prune = false;
  EXPECT_FALSE(FlyPlan(Inputs(10, 10, 50), Route({1}, 10), amounts, prune).completed);
  EXPECT_TRUE(prune);

  // At the departure airport itself the start fuel is short, but buying there can mend it.
  prune = false;
  amounts = {0};
  EXPECT_FALSE(FlyPlan(Inputs(5, 10, 50), Route({0}, 10), amounts, prune).completed);
  EXPECT_FALSE(prune);
}

TEST(FuelPlanSearchTest, FuelAndCostOfACompletedPlan) {
  struct Case {
    std::vector<int> legsNM;
    PlanAmounts amounts;
    double arrivalFuel;
    double cost;
  };
  const Case cases[] = {
      // At the departure (no leg): bought once, before the landing test, no cost to stop.
      {{0}, {20}, 10 + 20 - 10.0, 80},
      {{100}, {20}, 10 - 10 + 20 - 10.0, 80 + 20},
      // A stop that buys nothing pays nothing; one without a leg pays no cost to stop.
      {{30, 0, 20}, {0, 10, 15}, 10 - 3 + 10 - 2 + 15 - 10.0, 40 + 60 + 20},
  };
  for (const Case& c : cases) {
    PlanAmounts amounts = c.amounts;
    bool prune = false;
    const PlanFlight flight = FlyPlan(Inputs(10, 0, 50), Route(c.legsNM, 100), amounts, prune);
    ASSERT_TRUE(flight.completed);
    EXPECT_DOUBLE_EQ(flight.arrivalFuelGal, c.arrivalFuel);
    EXPECT_DOUBLE_EQ(flight.costDollars, c.cost);
  }
}

}  // namespace
}  // namespace kestro
