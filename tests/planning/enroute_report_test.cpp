#include "planning/enroute_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "common/data_error.h"
#include "common/date_time.h"
#include "enroute_fixture.h"
#include "geo/geodesy.h"
#include "geo/units.h"

namespace kestro {
namespace {

using route_fixture::FixtureAirport;
using route_fixture::FixtureFolder;
using route_fixture::Offset;

// ---------------------------------------------------------------------------------------------
// Line formats

struct RouteLineCase {
  double distanceNM;
  double detourNM;
  const char* identifier;
  const char* expected;
};

std::ostream& operator<<(std::ostream& out, const RouteLineCase& c) {
  return out << c.distanceNM << " NM, " << c.identifier;
}

class RouteLineTest : public ::testing::TestWithParam<RouteLineCase> {};

TEST_P(RouteLineTest, FormatsDistanceDetourAndIdentifier) {
  const RouteLineCase& c = GetParam();
  EXPECT_EQ(FormatRouteLine(c.distanceNM, c.detourNM, c.identifier, "Some Field"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RouteLineTest,
    ::testing::Values(
        RouteLineCase{42.4, 0.04, "ABC", "0042 NM   +  0.0 NM :  ABC : Some Field"},
        RouteLineCase{1234.6, 12.345, "KABC", "1235 NM   + 12.3 NM : KABC : Some Field"},
        // Halves go to the even neighbour.
        RouteLineCase{42.5, 0, "ABC", "0042 NM   +  0.0 NM :  ABC : Some Field"},
        RouteLineCase{43.5, 0, "ABC", "0044 NM   +  0.0 NM :  ABC : Some Field"},
        // The identifier field holds at most four characters.
        RouteLineCase{7, 150.25, "ABCDE", "0007 NM   +150.2 NM : ABCD : Some Field"}));

TEST(FuelLineTest, FormatsPriceAndAge) {
  EXPECT_EQ(FormatFuelLine(42.4, 4.25, 3, 1.26, "ABC", "Some Field"),
            "0042 NM  $ 4.25     3 Ago  +  1.3 NM :  ABC : Some Field");
  EXPECT_EQ(FormatFuelLine(1234.6, 12.5, 45000, 0, "KXYZ", "X"),
            "1235 NM  $12.50  45000 Ago  +  0.0 NM : KXYZ : X");
}

TEST(ReportModeTest, OnlyTheRouteCaptionMeansRouteMode) {
  EXPECT_EQ(ReportModeForCaption("Route Report"), EnrouteReportMode::Route);
  EXPECT_EQ(ReportModeForCaption("Fuel Report"), EnrouteReportMode::Fuel);
  EXPECT_EQ(ReportModeForCaption("Report"), EnrouteReportMode::Fuel);
  EXPECT_EQ(ReportModeForCaption("route report"), EnrouteReportMode::Fuel);
}

// ---------------------------------------------------------------------------------------------
// Reports over a fixture folder

constexpr GeoPoint Departure{40.0, -100.0};
constexpr double EastDeg = 90.0;

[[nodiscard]] GeoPoint OnRoute(double alongNM, double northNM = 0) {
  const GeoPoint p = Offset(Departure, EastDeg, alongNM);
  return northNM == 0 ? p : Offset(p, 0.0, northNM);
}

[[nodiscard]] FixtureAirport At(const char* id, const char* name, GeoPoint p,
                                std::optional<std::string> price = std::nullopt) {
  FixtureAirport a;
  a.identifier = id;
  a.name = name;
  a.lat = p.lat;
  a.lon = p.lon;
  a.price100LL = std::move(price);
  return a;
}

class EnrouteReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    store_.clock = [] { return EncodeDate(2024, 1, 15) + 3.7; };
  }

  // The leg as the main window computes it, from DEP to DST.
  void Load(const std::vector<FixtureAirport>& airports, GeoPoint destination) {
    folder_.Write(airports, store_);
    leg_.FromLat = Departure.lat;
    leg_.FromLon = Departure.lon;
    leg_.ToLat = destination.lat;
    leg_.ToLon = destination.lon;
    const CourseDistance cd = CourseAndDistance(leg_.FromLat, leg_.FromLon, leg_.ToLat, leg_.ToLon);
    leg_.LegCourse = cd.courseDeg;
    leg_.LegDistanceNM = meterToNm(cd.distanceMetre);
  }

  EnrouteReportResult Run(EnrouteReportMode mode, int rangeNM = 15,
                          const EnrouteReportHooks& hooks = {}) {
    return BuildEnrouteReport(store_, leg_, rangeNM, mode, list_, hooks);
  }

  [[nodiscard]] bool Lists(const char* id) const {
    const std::string field = std::string(" ") + id + " : ";
    return std::any_of(list_.lines().begin(), list_.lines().end(), [&](const std::string& line) {
      return line.find(field) != std::string::npos;
    });
  }

  FixtureFolder folder_;
  DataStore store_;
  LegState leg_;
  SortedTextList list_;
};

// A 60 NM leg east with airports that every sample box of 15 NM reaches: on the route, 3 NM off
// it, with and without prices, one beyond the destination and one 40 NM off the route.
std::vector<FixtureAirport> RouteAirports() {
  return {
      At("DEP", "Departure Field", OnRoute(0)),
      At("NOP", "No Fbo Field", OnRoute(20)),
      At("ZER", "Empty Price Field", OnRoute(25), ""),
      At("OFF", "Offset Field", OnRoute(30, 3), "$5.00"),
      At("NAN", "Text Price Field", OnRoute(35), "N/A"),
      At("FAR", "Forty Two Field", OnRoute(42.4), "$4.50"),
      At("DST", "Destination Field", OnRoute(60)),
      At("BEY", "Beyond Field", OnRoute(64), "$3.00"),
      At("WAY", "Far Away Field", OnRoute(20, 40), "$2.00"),
  };
}

TEST_F(EnrouteReportTest, RouteModeListsEveryAirportButTextPricesAndThoseBeyond) {
  Load(RouteAirports(), OnRoute(60));
  const EnrouteReportResult result = Run(EnrouteReportMode::Route);

  const std::vector<std::string> expected = {
      "0000 NM   +  0.0 NM :  DEP : Departure Field",
      "0020 NM   +  0.0 NM :  NOP : No Fbo Field",
      "0025 NM   +  0.0 NM :  ZER : Empty Price Field",
      "0030 NM   +  0.3 NM :  OFF : Offset Field",
      "0042 NM   +  0.0 NM :  FAR : Forty Two Field",
      "0060 NM   +  0.0 NM :  DST : Destination Field",
  };
  EXPECT_EQ(list_.lines(), expected);
  EXPECT_EQ(result.selectedIndex, -1);
  EXPECT_EQ(result.samplePoints, 12);  // 1, 6, ..., 56
}

TEST_F(EnrouteReportTest, FuelModeListsOnlyPricedAirportsAndSelectsTheCheapest) {
  Load(RouteAirports(), OnRoute(60));
  const EnrouteReportResult result = Run(EnrouteReportMode::Fuel);

  const std::vector<std::string> expected = {
      "0030 NM  $ 5.00     3 Ago  +  0.3 NM :  OFF : Offset Field",
      "0042 NM  $ 4.50     3 Ago  +  0.0 NM :  FAR : Forty Two Field",
  };
  EXPECT_EQ(list_.lines(), expected);
  EXPECT_EQ(result.selectedIndex, 1);
  EXPECT_EQ(result.bestLine, expected[1]);
  EXPECT_DOUBLE_EQ(result.bestPrice100LL, 4.50);
}

TEST_F(EnrouteReportTest, OnEqualPricesTheAirportFoundFirstIsSelected) {
  Load({At("DEP", "Departure", OnRoute(0)), At("GGG", "Golf", OnRoute(10), "$4.50"),
        At("HHH", "Hotel", OnRoute(20), "$4.00"), At("III", "India", OnRoute(40), "$4.00"),
        At("DST", "Destination", OnRoute(50))},
       OnRoute(50));
  std::vector<size_t> selected;
  EnrouteReportHooks hooks;
  hooks.selectLine = [&](size_t index) { selected.push_back(index); };
  const EnrouteReportResult result = Run(EnrouteReportMode::Fuel, 15, hooks);

  ASSERT_EQ(list_.size(), 3U);
  EXPECT_EQ(result.selectedIndex, 1);
  EXPECT_EQ(selected, std::vector<size_t>{1});
  EXPECT_NE(list_[1].find(" HHH "), std::string::npos) << list_[1];
}

TEST_F(EnrouteReportTest, HooksFollowTheReportAndMirrorTheList) {
  Load(RouteAirports(), OnRoute(60));
  list_.Add("left over from the last report");
  std::vector<std::string> events;
  std::vector<int> positions;
  std::vector<std::string> mirror;
  bool buttonsEnabled = true;
  EnrouteReportHooks hooks;
  hooks.started = [&] {
    buttonsEnabled = false;
    events.push_back("started:" + std::to_string(list_.size()));
  };
  hooks.showProgress = [&](int maximum) { events.push_back("max:" + std::to_string(maximum)); };
  hooks.progress = [&](int position) { positions.push_back(position); };
  hooks.lineAdded = [&](const std::string& line, size_t index) {
    EXPECT_FALSE(buttonsEnabled);
    mirror.insert(mirror.begin() + static_cast<long>(index), line);
  };
  hooks.finished = [&](EnrouteReportMode mode) {
    buttonsEnabled = true;
    events.push_back(mode == EnrouteReportMode::Route ? "finished:route" : "finished:fuel");
  };
  Run(EnrouteReportMode::Route, 15, hooks);

  EXPECT_EQ(events, (std::vector<std::string>{"started:0", "max:60", "finished:route"}));
  EXPECT_EQ(positions, (std::vector<int>{1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56}));
  EXPECT_EQ(mirror, list_.lines());
  EXPECT_EQ(list_.size(), 6U);
}

TEST_F(EnrouteReportTest, LegShorterThanOneMileHasNoSamplePoint) {
  Load({At("DEP", "Departure", OnRoute(0), "$4.00"), At("DST", "Destination", OnRoute(0.8))},
       OnRoute(0.8));
  int finished = 0;
  EnrouteReportHooks hooks;
  hooks.finished = [&](EnrouteReportMode) { ++finished; };
  const EnrouteReportResult result = Run(EnrouteReportMode::Route, 15, hooks);

  EXPECT_TRUE(list_.empty());
  EXPECT_EQ(result.samplePoints, 0);
  EXPECT_EQ(result.boxQueries, 0);
  EXPECT_EQ(finished, 1);
}

struct RangeCase {
  int rangeNM;
  bool queried;
};

std::ostream& operator<<(std::ostream& out, const RangeCase& c) {
  return out << "range " << c.rangeNM;
}

class EnrouteRangeTest : public EnrouteReportTest,
                         public ::testing::WithParamInterface<RangeCase> {};

TEST_P(EnrouteRangeTest, NoBoxIsQueriedFromOneHundredMilesOn) {
  Load(RouteAirports(), OnRoute(60));
  const EnrouteReportResult result = Run(EnrouteReportMode::Route, GetParam().rangeNM);
  EXPECT_EQ(result.boxQueries > 0, GetParam().queried);
  EXPECT_EQ(list_.empty(), !GetParam().queried);
}

INSTANTIATE_TEST_SUITE_P(Ranges, EnrouteRangeTest,
                         ::testing::Values(RangeCase{99, true}, RangeCase{100, false},
                                           RangeCase{250, false}));

TEST_F(EnrouteReportTest, BoxGrowsUntilItHoldsAnAirport) {
  // With a range of 1 NM no fixed box around a sample point would reach XXX, 8 NM off the route.
  Load({At("DEP", "Departure", OnRoute(0)), At("XXX", "X Ray", OnRoute(15, 8)),
        At("DST", "Destination", OnRoute(30))},
       OnRoute(30));
  const EnrouteReportResult result = Run(EnrouteReportMode::Route, 1);

  EXPECT_TRUE(Lists("XXX"));
  EXPECT_GT(result.boxQueries, result.samplePoints);
}

TEST_F(EnrouteReportTest, NegativeRangeGivesTheSameReportAsZero) {
  Load(RouteAirports(), OnRoute(60));
  Run(EnrouteReportMode::Route, 0);
  const std::vector<std::string> fromZero = list_.lines();
  const EnrouteReportResult result = Run(EnrouteReportMode::Route, -1000);
  EXPECT_EQ(list_.lines(), fromZero);
  EXPECT_LT(result.boxQueries, 100 * result.samplePoints);
}

TEST_F(EnrouteReportTest, DataErrorEndsTheReportButStillFinishes) {
  std::vector<FixtureAirport> airports = RouteAirports();
  airports.push_back(At("BAD", "Bad Date Field", OnRoute(50), "$4.00"));
  airports.back().priceDate = "13/45/2024";
  Load(airports, OnRoute(60));
  int finished = 0;
  EnrouteReportHooks hooks;
  hooks.finished = [&](EnrouteReportMode) { ++finished; };

  EXPECT_THROW(Run(EnrouteReportMode::Fuel, 15, hooks), DataError);
  EXPECT_EQ(finished, 1);
  EXPECT_TRUE(Lists("OFF"));  // met before the bad airport
  EXPECT_FALSE(Lists("BAD"));
}

}  // namespace
}  // namespace kestro
