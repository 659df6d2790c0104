#include "planning/fuel_planner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_store.h"
#include "planning/report_line.h"

namespace kestro {
namespace {

using Lines = std::vector<std::string>;

struct Stop {
  const char* id;
  float price;
  int atNM;  // along the route from the departure
};

// Candidates placed along a straight route of routeNM: every leg is the difference of the places.
struct LineRoute {
  std::vector<FuelCandidate> candidates;
  FuelLegTable legs;
};

LineRoute AlongLine(const std::vector<Stop>& stops, int routeNM) {
  LineRoute route;
  const size_t count = stops.size();
  std::vector<int> fromDeparture(count), between(count * count), toDestination(count);
  for (size_t i = 0; i < count; ++i) {
    route.candidates.push_back({stops[i].id, stops[i].price, 40.0, -120.0});
    fromDeparture[i] = stops[i].atNM;
    toDestination[i] = routeNM - stops[i].atNM;
    for (size_t j = i + 1; j < count; ++j) between[i * count + j] = stops[j].atNM - stops[i].atNM;
  }
  route.legs = FuelLegTable(std::vector<bool>(count, true), fromDeparture, between, toDestination);
  return route;
}

struct Scenario {
  const char* startFuel;
  const char* endFuel;
  const char* landFuel;
  double speed;
  double gph;
  double capacity;
  double stopCost;
  double routeNM;
};

FuelPlanInputs InputsFor(const Scenario& s) {
  LegState leg;
  leg.LegDistanceNM = s.routeNM;
  const FuelPlanCheck check =
      ReadFuelPlanInputs(FuelPlanFields{s.startFuel, s.endFuel, s.landFuel, "0"},
                         FuelPlanSettings{s.speed, s.gph, s.capacity, s.stopCost}, leg, "DEST");
  EXPECT_TRUE(check.inputs) << check.message;
  return check.inputs.value_or(FuelPlanInputs{});
}

Lines Plan(const Scenario& setup, const std::vector<Stop>& stops,
           const FuelSearchHooks& hooks = {}) {
  FuelPlanner planner;
  const LineRoute route = AlongLine(stops, static_cast<int>(setup.routeNM));
  EXPECT_EQ(planner.Search(InputsFor(setup), route.candidates, route.legs, hooks),
            FuelSearchEnd::Finished);
  return planner.Results();
}

TEST(FuelPlannerTest, LargestAmountForOneStopDependsOnCapacity) {
  // 600 NM at 12 NM per gallon; the one stop is reached with 1 gallon and the destination needs
  // more than 19, so only the largest amounts work.
  const std::vector<Stop> stops = {{"X", 4.0F, 300}};
  EXPECT_EQ(Plan({"26", "19", "1", 120, 10, 50, 10, 600}, stops),
            (Lines{"$190.00 : X(45): DEST(21)"}));
  EXPECT_EQ(Plan({"26", "19", "1", 120, 10, 51, 10, 600}, stops),
            (Lines{"$190.00 : X(45): DEST(21)", "$210.00 : X(50): DEST(26)"}));
}

TEST(FuelPlannerTest, FuelAlreadyOnBoardAndTheBestFive) {
  // Enough fuel at the start (one stop is still tried): the plan that buys nothing comes first
  // and is listed once for all three stops. Equal costs at different stops are all listed; B(5)
  // pushes P(10) out, and B(10), as dear as the new fifth line M(10), is no longer accepted
  // although its text would sort before it.
  const Lines expected = {"$  0.00 : DEST(20)", "$ 45.00 : B(5): DEST(25)",
                          "$ 45.00 : M(5): DEST(25)", "$ 45.00 : P(5): DEST(25)",
                          "$ 70.00 : M(10): DEST(30)"};
  std::vector<int> stopCounts;
  FuelSearchHooks hooks;
  hooks.progressRange = [&](int stops, int /*maximum*/) { stopCounts.push_back(stops); };
  EXPECT_EQ(Plan({"45", "10", "10", 120, 10, 50, 20, 300},
                 {{"M", 5.0F, 100}, {"P", 5.0F, 200}, {"B", 5.0F, 250}}, hooks),
            expected);
  EXPECT_EQ(stopCounts, std::vector<int>{1});
}

TEST(FuelPlannerTest, DepartureAirportAsFirstStop) {
  // Fuel bought where the route starts counts once and pays no cost to stop: 30 gallons there
  // fly the whole route on 10 + 30 gallons.
  const Lines expected = {"$ 90.00 : DEP(30): DEST(10)", "$120.00 : DEP(25): MID(5): DEST(10)",
                          "$130.00 : DEP(20): MID(10): DEST(10)",
                          "$135.00 : DEP(30): MID(5): DEST(15)",
                          "$140.00 : DEP(15): MID(15): DEST(10)"};
  EXPECT_EQ(Plan({"10", "5", "5", 100, 10, 40, 20, 300}, {{"DEP", 3.0F, 0}, {"MID", 5.0F, 150}}),
            expected);
}

TEST(FuelPlannerTest, NothingToSearchOrNothingFound) {
  int ranges = 0;
  FuelSearchHooks hooks;
  hooks.progressRange = [&](int /*stops*/, int /*maximum*/) { ++ranges; };
  // So much fuel that fewer than no stops are needed: nothing is searched.
  EXPECT_EQ(Plan({"200", "25", "10", 120, 10, 50, 20, 300}, {{"A", 5.0F, 100}}, hooks),
            Lines{NoSolutionLine});
  EXPECT_EQ(ranges, 0);
  // The only stop is out of reach.
  EXPECT_EQ(Plan({"5", "25", "10", 120, 10, 50, 20, 300}, {{"A", 5.0F, 100}}, hooks),
            Lines{NoSolutionLine});
  EXPECT_EQ(ranges, 2);
}

TEST(FuelPlannerTest, StopEndsTheSearchAndKeepsThePlansFound) {
  // One stop cannot do it; two stops over four candidates make six combinations, and the second,
  // (A, C), holds plans. Stop at the third.
  const std::vector<Stop> stops = {
      {"A", 5.0F, 100}, {"B", 4.0F, 200}, {"C", 6.0F, 300}, {"D", 5.0F, 400}};
  const Scenario setup{"30", "10", "10", 100, 10, 40, 20, 500};
  FuelPlanner planner;
  int currentStops = 0;
  int positions = 0;
  int pumps = 0;
  bool searchingSeen = false;
  Lines shown;
  FuelSearchHooks hooks;
  hooks.pumpEvents = [&] {
    ++pumps;
    searchingSeen = searchingSeen || planner.IsSearching();
  };
  hooks.progressRange = [&](int n, int /*maximum*/) { currentStops = n; };
  hooks.progressPosition = [&](int position) {
    positions = position;
    if (currentStops == 2 && position == 3) planner.RequestStop();
  };
  hooks.resultsChanged = [&](const Lines& lines) { shown = lines; };
  const LineRoute route = AlongLine(stops, 500);
  EXPECT_EQ(planner.Search(InputsFor(setup), route.candidates, route.legs, hooks),
            FuelSearchEnd::Stopped);
  EXPECT_EQ(currentStops, 2);
  EXPECT_EQ(positions, 3);
  EXPECT_GE(pumps, 4 + 3);  // after every combination
  EXPECT_TRUE(searchingSeen);
  EXPECT_FALSE(planner.IsSearching());
  ASSERT_FALSE(planner.Results().empty());
  for (const std::string& line : planner.Results()) {
    EXPECT_NE(line.find(": A("), std::string::npos) << line;
    EXPECT_NE(line.find(": C("), std::string::npos) << line;
  }
  EXPECT_EQ(shown, planner.Results());

  // Run to its end, the same search finds cheaper plans through B.
  FuelPlanner full;
  EXPECT_EQ(full.Search(InputsFor(setup), route.candidates, route.legs, {}),
            FuelSearchEnd::Finished);
  EXPECT_LT(*ResultLineCost(full.Results().front()), *ResultLineCost(planner.Results().front()));
}

TEST(FuelPlannerTest, ResultsOrderByCostAsANumber) {
  BestPlanList list;
  EXPECT_TRUE(list.Add("$1000.00 : A(5): DEST(20)", 1000.0).changed);
  EXPECT_TRUE(list.Add("$ 999.99 : B(5): DEST(20)", 999.99).changed);
  EXPECT_TRUE(list.Add("$ 999.99 : A(5): DEST(20)", 999.99).changed);
  EXPECT_FALSE(list.Add("$ 999.99 : A(5): DEST(20)", 999.99).changed);
  EXPECT_EQ(list.lines(), (Lines{"$ 999.99 : A(5): DEST(20)", "$ 999.99 : B(5): DEST(20)",
                                 "$1000.00 : A(5): DEST(20)"}));
  EXPECT_TRUE(list.Add("$  10.00 : C(5): DEST(20)", 10.0).changed);
  EXPECT_TRUE(list.Add("$  20.00 : C(5): DEST(20)", 20.0).changed);
  const BestPlanList::Added sixth = list.Add("$2000.00 : C(5): DEST(20)", 2000.0);
  EXPECT_FALSE(sixth.changed);
  EXPECT_TRUE(sixth.overflowed);
  ASSERT_EQ(list.size(), 5U);
  EXPECT_DOUBLE_EQ(list.ShownCostAt(4), 1000.0);
}

}  // namespace
}  // namespace kestro
