#include "planning/nearest_airports.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "enroute_fixture.h"
#include "geo/geodesy.h"

namespace kestro {
namespace {

using route_fixture::FixtureAirport;
using route_fixture::FixtureFolder;
using route_fixture::Offset;

constexpr GeoPoint Position{40.0, -100.0};

[[nodiscard]] FixtureAirport Around(const char* id, double bearingDeg, double nm) {
  const GeoPoint p = Offset(Position, bearingDeg, nm);
  FixtureAirport a;
  a.identifier = id;
  a.name = std::string(id) + " Field";
  a.lat = p.lat;
  a.lon = p.lon;
  return a;
}

class NearestAirportsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder_.path().empty()); }

  NearestAirports Find(const std::vector<FixtureAirport>& airports, int startRadiusNM,
                       double courseDeg) {
    folder_.Write(airports, store_);
    return FindNearestAirports(store_, startRadiusNM, array_, Position.lat, Position.lon,
                               courseDeg);
  }

  void ExpectSlot(const NearestAirport& slot, const char* id, double bearingDeg, double nm) {
    ASSERT_GE(slot.index, 0) << id;
    ASSERT_LT(slot.index, static_cast<long>(array_.size()));
    const Airports& airport = array_[static_cast<size_t>(slot.index)];
    EXPECT_EQ(airport.identifier, id);
    EXPECT_EQ(slot.identifier, id);
    // Due north may come back as 359.99...
    EXPECT_NEAR(std::remainder(slot.bearingDeg - bearingDeg, 360.0), 0, 0.01) << slot.bearingDeg;
    EXPECT_NEAR(slot.distanceNM, nm, 0.001);
    EXPECT_EQ(slot.latitude, airport.latitude);
    EXPECT_EQ(slot.longitude, airport.longitude);
  }

  static void ExpectNone(const NearestAirport& slot) {
    EXPECT_EQ(slot.index, -1);
    EXPECT_EQ(slot.identifier, "");
    EXPECT_EQ(slot.bearingDeg, 0);
    EXPECT_EQ(slot.distanceNM, 100000);
  }

  FixtureFolder folder_;
  DataStore store_;
  TAirportArray array_;
};

TEST_F(NearestAirportsTest, NearestAheadIsWithinEightyDegreesOfTheCourse) {
  // Course 045: AHD 30 degrees off at 8 NM, SID 100 degrees off at 5 NM.
  const NearestAirports found = Find({Around("AHD", 75, 8), Around("SID", 145, 5)}, 20, 45);
  EXPECT_EQ(found.count, 2);
  ASSERT_EQ(array_.size(), 2U);
  ExpectSlot(found.nearest, "SID", 145, 5);
  ExpectSlot(found.ahead, "AHD", 75, 8);
}

TEST_F(NearestAirportsTest, SearchStopsAtTheFirstBoxHoldingAnAirport) {
  // The 10 NM box reaches about 7 NM each way: it holds SID but not AHD.
  const NearestAirports found = Find({Around("AHD", 75, 8), Around("SID", 145, 5)}, 10, 45);
  EXPECT_EQ(found.count, 1);
  ASSERT_EQ(array_.size(), 1U);
  ExpectSlot(found.nearest, "SID", 145, 5);
  ExpectNone(found.ahead);
}

struct AheadCase {
  double courseDeg;
  double bearingDeg;
  bool ahead;
};

std::ostream& operator<<(std::ostream& out, const AheadCase& c) {
  return out << "course " << c.courseDeg << ", bearing " << c.bearingDeg;
}

class NearestAheadTest : public NearestAirportsTest,
                         public ::testing::WithParamInterface<AheadCase> {};

TEST_P(NearestAheadTest, OffCourseIsTakenBetweenRoundedCourseAndBearing) {
  const AheadCase& c = GetParam();
  const NearestAirports found = Find({Around("APT", c.bearingDeg, 5)}, 10, c.courseDeg);
  ExpectSlot(found.nearest, "APT", c.bearingDeg, 5);
  if (c.ahead) {
    ExpectSlot(found.ahead, "APT", c.bearingDeg, 5);
  } else {
    ExpectNone(found.ahead);
  }
}

// The course 349.6 rounds to 350 (truncating would give 349); bearings wrap through north.
INSTANTIATE_TEST_SUITE_P(OffCourse, NearestAheadTest,
                         ::testing::Values(AheadCase{349.6, 69, true},    // +79
                                           AheadCase{349.6, 70, false},   // +80
                                           AheadCase{349.6, 271, true},   // -79
                                           AheadCase{349.6, 270, false},  // -80
                                           AheadCase{349.6, 20, true},    // +30
                                           AheadCase{10, 190, false}));   // 180

TEST_F(NearestAirportsTest, TiesKeepTheAirportMetFirst) {
  FixtureAirport first = Around("ONE", 90, 6);
  FixtureAirport second = first;
  second.identifier = "TWO";
  const NearestAirports found = Find({first, second}, 10, 90);
  ASSERT_EQ(found.count, 2);
  EXPECT_EQ(found.nearest.index, 0);
  EXPECT_EQ(found.nearest.identifier, array_[0].identifier);
  EXPECT_EQ(found.ahead.index, 0);
}

struct RadiusCase {
  int startRadiusNM;
  double northNM;
  int count;
};

std::ostream& operator<<(std::ostream& out, const RadiusCase& c) {
  return out << "start " << c.startRadiusNM << " NM, airport " << c.northNM << " NM north";
}

class NearestRadiusTest : public NearestAirportsTest,
                          public ::testing::WithParamInterface<RadiusCase> {};

TEST_P(NearestRadiusTest, RadiusGrowsByTenBelowTwoHundred) {
  const RadiusCase& c = GetParam();
  array_.push_back(Airports{});  // left over from an earlier search
  const NearestAirports found = Find({Around("NTH", 0, c.northNM)}, c.startRadiusNM, 0);
  EXPECT_EQ(found.count, c.count);
  EXPECT_EQ(array_.size(), static_cast<size_t>(c.count));
  if (c.count == 0) {
    ExpectNone(found.nearest);
    ExpectNone(found.ahead);
  } else {
    ExpectSlot(found.nearest, "NTH", 0, c.northNM);
    ExpectSlot(found.ahead, "NTH", 0, c.northNM);
  }
}

// The last box tried has a radius of 190 NM and reaches about 134 NM north.
INSTANTIATE_TEST_SUITE_P(Radii, NearestRadiusTest,
                         ::testing::Values(RadiusCase{10, 25, 1}, RadiusCase{10, 130, 1},
                                           RadiusCase{10, 150, 0}, RadiusCase{200, 1, 0},
                                           RadiusCase{-1000, 1, 1}));

}  // namespace
}  // namespace kestro
