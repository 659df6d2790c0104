#include "planning/fuel_planner_inputs.h"

#include <gtest/gtest.h>

namespace kestro {
namespace {

FuelPlanFields Fields(const char* start, const char* end, const char* land, const char* wind) {
  return FuelPlanFields{start, end, land, wind};
}

FuelPlanSettings Settings(double speed, double gph, double capacity, double stopCost = 20) {
  return FuelPlanSettings{speed, gph, capacity, stopCost};
}

LegState Leg(double distanceNM) {
  LegState leg;
  leg.FromLat = 37.5;
  leg.FromLon = -122.25;
  leg.ToLat = 34.0;
  leg.ToLon = -118.5;
  leg.LegDistanceNM = distanceNM;
  return leg;
}

TEST(FuelPlanInputsTest, FieldsThatAreNotCompleted) {
  struct Case {
    FuelPlanFields fields;
    FuelPlanSettings settings;
  };
  const Case cases[] = {
      {Fields("10.0", "25", "10", "0"), Settings(120, 10, 50)},
      {Fields("10", "", "10", "0"), Settings(120, 10, 50)},
      {Fields("10", "25", "10.5", "0"), Settings(120, 10, 50)},  // the options' GPH text
      {Fields("10", "25", "10", "tail"), Settings(120, 10, 50)},
      {Fields("10", "25", "10", "0"), Settings(120, 0.5, 50)},  // burn rounds to 0
      {Fields("10", "25", "10", "0"), Settings(120, 10, 0.5)},  // tank rounds to 0
      {Fields("10", "25", "10", "0"), Settings(1e300, 10, 50)},
  };
  for (const Case& c : cases) {
    const FuelPlanCheck check = ReadFuelPlanInputs(c.fields, c.settings, Leg(300), "LAX");
    EXPECT_FALSE(check.inputs);
    EXPECT_EQ(check.message, FuelFieldsMessage) << c.fields.startFuel << c.fields.landFuel;
  }
}

TEST(FuelPlanInputsTest, RoundsSettingsHalfToEven) {
  const FuelPlanCheck check = ReadFuelPlanInputs(Fields(" 10", "25", "9", "-5"),
                                                 Settings(120.5, 10.5, 52.5, 0), Leg(300), "LAX");
  ASSERT_TRUE(check.inputs) << check.message;
  const FuelPlanInputs& in = *check.inputs;
  EXPECT_EQ(in.cruiseSpeedKnots, 120);
  EXPECT_EQ(in.fuelBurnGPH, 10);
  EXPECT_EQ(in.capacityGal, 52);
  EXPECT_EQ(in.windKnots, -5);
  EXPECT_DOUBLE_EQ(in.nmPerGal, 12);        // (120 - 5) / 10 = 11.5 rounds to 12
  EXPECT_DOUBLE_EQ(in.stopCostDollars, 0);  // no landing fee is a valid setting
  EXPECT_EQ(in.destinationText, "LAX");
}

TEST(FuelPlanInputsTest, WindThatLeavesNoDistancePerGallon) {
  // 5 / 10 = 0.5 rounds to 0; 0; negative.
  for (const char* wind : {"-115", "-120", "-200"}) {
    const FuelPlanCheck check =
        ReadFuelPlanInputs(Fields("10", "25", "10", wind), Settings(120, 10, 50), Leg(300), "X");
    EXPECT_FALSE(check.inputs) << wind;
    EXPECT_EQ(check.message, FuelWindMessage) << wind;
  }
  const FuelPlanCheck slow =
      ReadFuelPlanInputs(Fields("10", "25", "10", "-114"), Settings(120, 10, 50), Leg(300), "X");
  ASSERT_TRUE(slow.inputs);
  EXPECT_DOUBLE_EQ(slow.inputs->nmPerGal, 1);
}

TEST(FuelPlanInputsTest, EstimatedStops) {
  struct Case {
    double distanceNM;
    const char* startFuel;
    const char* endFuel;
    double capacity;
    int stops;  // -1: nothing to search; 99: refused
  };
  // NM per gallon is 12 throughout.
  const Case cases[] = {
      {300, "10", "25", 50, 1},    // (25 - 10 + 25) / 50 = 0.8
      {300, "45", "10", 50, 0},    // -0.2: one stop is still tried
      {300, "200", "25", 50, -1},  // -3
      {300, "85", "10", 50, -1},   // -1 exactly
      {3000, "10", "25", 25, 99},  // 10.6: 11 stops
      {3000, "10", "10", 28, 9},   // 8.93: 9 and 10 stops fit in a plan
      {3000, "10", "10", 25, 99},  // exactly 10: 11 would be tried
  };
  for (const Case& c : cases) {
    const FuelPlanCheck check =
        ReadFuelPlanInputs(Fields(c.startFuel, c.endFuel, "10", "0"), Settings(120, 10, c.capacity),
                           Leg(c.distanceNM), "X");
    if (c.stops == 99) {
      EXPECT_FALSE(check.inputs) << c.distanceNM << " " << c.startFuel;
      EXPECT_EQ(check.message, FuelTooManyStopsMessage);
    } else {
      ASSERT_TRUE(check.inputs) << check.message;
      EXPECT_EQ(check.inputs->stopsNeeded, c.stops) << c.distanceNM << " " << c.startFuel;
    }
  }
}

TEST(FuelPlanInputsTest, CanStartNeedsTankSpeedAndBurn) {
  EXPECT_TRUE(CanStart(50, 120, 10));
  EXPECT_FALSE(CanStart(0, 120, 10));
  EXPECT_FALSE(CanStart(50, 0, 10));
  EXPECT_FALSE(CanStart(50, 120, 0));
}

}  // namespace
}  // namespace kestro
