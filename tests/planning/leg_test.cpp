#include "planning/leg.h"

#include <gtest/gtest.h>

#include "geo/geodesy.h"

namespace kestro {
namespace {

struct TimeCase {
  double distanceNM;
  double speedKt;
  const char* expected;
};

TEST(LegReadouts, TimeRoundsMinutesHalfToEvenAndSwitchesToHoursAtSixty) {
  const TimeCase cases[] = {
      {115.0, 115, "1h 0m"},                          // exactly an hour
      {114.5, 115, "1h 0m"},                          // 59.74 minutes round to 60
      {57.0, 115, "30 Min"},                          // 29.74 minutes
      {0.0, 115, "0 Min"},   {0.25, 60, "0 Min"},     // 0.25 minutes
      {2.5, 60, "2 Min"},                             // 2.5 minutes: half to even
      {3.5, 60, "4 Min"},                             // 3.5 minutes: half to even
      {200.0, 100, "2h 0m"}, {261.0, 100, "2h 37m"},  // 156.6 minutes
      {100.0, 0, "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatLegTime(c.distanceNM, c.speedKt), c.expected)
        << c.distanceNM << " NM at " << c.speedKt << " kt";
  }
}

TEST(LegReadouts, FuelShowsDashWithoutSpeedOrBurn) {
  EXPECT_EQ(FormatLegFuel(115, 115, 10), "10.0 Gal");
  EXPECT_EQ(FormatLegFuel(100, 120, 9), "7.5 Gal");
  EXPECT_EQ(FormatLegFuel(100, 0, 9), "-");
  EXPECT_EQ(FormatLegFuel(100, 120, 0), "-");
  EXPECT_EQ(FormatLegFuel(0, 120, 9), "0.0 Gal");
}

TEST(ComputeLeg, SameAirportGivesZeroReadouts) {
  LegState leg;
  const LegReadouts r = ComputeLeg(leg, 38.66, -90.65, 38.66, -90.65, 115, 10);
  EXPECT_EQ(r.bearing, "000");
  EXPECT_EQ(r.distance, "0 NM");
  EXPECT_EQ(r.time, "0 Min");
  EXPECT_EQ(r.fuel, "0.0 Gal");
  EXPECT_EQ(leg.LegDistanceNM, 0);
}

TEST(ComputeLeg, SetsCourseAndDistanceFromTheGeodesic) {
  LegState leg;
  const LegReadouts r = ComputeLeg(leg, 38.0, -90.0, 39.0, -89.0, 120, 10);
  const CourseDistance cd = CourseAndDistance(38.0, -90.0, 39.0, -89.0);
  EXPECT_DOUBLE_EQ(leg.LegCourse, cd.courseDeg);
  EXPECT_DOUBLE_EQ(leg.LegDistanceNM, cd.distanceMetre / 1852.0);
  EXPECT_EQ(r.bearing, "038");  // about 38.0 degrees, three digits with a leading zero
  EXPECT_EQ(r.distance, "76 NM");
}

TEST(ComputeLeg, AnyZeroCoordinateLeavesTheLegAndEmptiesTheReadouts) {
  LegState leg;
  leg.LegCourse = 12;
  leg.LegDistanceNM = 34;
  const LegReadouts r = ComputeLeg(leg, 38.0, 0.0, 39.0, -89.0, 120, 10);
  EXPECT_TRUE(r.bearing.empty() && r.distance.empty() && r.time.empty() && r.fuel.empty());
  EXPECT_EQ(leg.LegCourse, 12);
  EXPECT_EQ(leg.LegDistanceNM, 34);
}

TEST(ComputeLeg, CourseJustBelowNorthShowsThreeSixty) {
  LegState leg;
  // Due north gives 000; a course a little west of north rounds up to 360.
  const LegReadouts north = ComputeLeg(leg, 38.0, -90.0, 39.0, -90.0, 120, 10);
  EXPECT_EQ(north.bearing, "000");
  const LegReadouts almost = ComputeLeg(leg, 38.0, -90.0, 39.0, -90.005, 120, 10);
  EXPECT_GT(leg.LegCourse, 359.5);
  EXPECT_EQ(almost.bearing, "360");
}

}  // namespace
}  // namespace kestro
