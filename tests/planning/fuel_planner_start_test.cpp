#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/format.h"
#include "data/data_store.h"
#include "planning/fuel_planner.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace kestro {
namespace {

using Lines = std::vector<std::string>;

std::string FuelLine(int distanceNM, double price, const char* id) {
  return Format("%4.4d NM  $%5.2f  %4d Ago  +%5.1f NM : %4.4s : %s", distanceNM, price, 2, 0.5, id,
                "FIXTURE FIELD");
}

// A facilities file with the given airports (identifier, latitude, longitude) and its name index.
class FacilitiesFolder {
 public:
  struct Airport {
    const char* id;
    double lat;
    double lon;
  };

  FacilitiesFolder(const std::vector<Airport>& airports, DataStore& store) {
    if (temp_.path().empty()) return;
    std::string text;
    for (const Airport& a : airports) {
      std::vector<std::string> columns(101);
      columns[2] = a.id;
      columns[23] = Format("%.4fN", a.lat * 3600.0);
      columns[25] = Format("%.4fW", -a.lon * 3600.0);
      store.NameIndex.push_back(std::string(a.id) + "=" + std::to_string(text.size()));
      for (size_t i = 0; i < columns.size(); ++i) text += (i > 0 ? "\t" : "") + columns[i];
      text += "\r\n";
    }
    temp_.Write("NfdcFacilities.xls", text);
    store.DataFolder = temp_.DataFolder();
  }

 private:
  testing::TempFolder temp_;
};

LegState Leg(double fromLat, double fromLon, double toLat, double toLon, double distanceNM) {
  LegState leg;
  leg.FromLat = fromLat;
  leg.FromLon = fromLon;
  leg.ToLat = toLat;
  leg.ToLon = toLon;
  leg.LegDistanceNM = distanceNM;
  return leg;
}

class FuelPlannerStartTest : public ::testing::Test {
 protected:
  FuelPlannerStartTest() { store.messages = &messages; }

  FuelSearchEnd Start(const FuelPlanFields& entered, const Lines& report,
                      const FuelSearchHooks& hooks = {}) {
    return planner.Start(store, entered, settings, leg, "DST", report, hooks);
  }

  DataStore store;
  testing::RecordingMessages messages;
  FuelPlanner planner;
  FuelPlanSettings settings{120, 10, 50, 20};
  // 120 NM due north; AAA half way.
  LegState leg = Leg(37.0, -122.0, 39.0, -122.0, 120);
  FuelPlanFields fields{"10", "25", "5", "0"};
};

TEST_F(FuelPlannerStartTest, CandidatesFromTheReportLines) {
  const FacilitiesFolder folder({{"AAA", 38.0, -122.0}, {"BBB", 38.5, -122.0}}, store);
  const Lines report = {FuelLine(60, 5.99, "AAA"), FuelLine(70, 4.5, "ZZZ"),
                        FuelLine(90, 1.0, "BBB")};
  EXPECT_EQ(Start(fields, report), FuelSearchEnd::Finished);

  // The last line is no candidate; an airport the database does not know stays at 0, 0.
  EXPECT_EQ(messages.texts("error"), Lines{"Should not Happen : ZZZ"});
  const std::vector<FuelCandidate>& candidates = planner.Candidates();
  ASSERT_EQ(candidates.size(), 2U);
  EXPECT_EQ(candidates[0].identifier, "AAA");
  EXPECT_FLOAT_EQ(candidates[0].pricePerGal, 5.99F);
  EXPECT_NEAR(candidates[0].lat, 38.0, 1e-9);
  EXPECT_NEAR(candidates[0].lon, -122.0, 1e-9);
  EXPECT_EQ(candidates[1].identifier, "ZZZ");
  EXPECT_EQ(candidates[1].lat, 0);
  EXPECT_EQ(candidates[1].lon, 0);

  // 60 NM legs at 12 NM per gallon: AAA is reached with 5 gallons, and more than 25 must be left
  // after the last 5. A plan that ends at ZZZ flies from 0, 0 and never arrives.
  EXPECT_EQ(planner.Results(), (Lines{"$199.70 : AAA(30): DST(30)", "$229.65 : AAA(35): DST(35)",
                                      "$259.60 : AAA(40): DST(40)", "$289.55 : AAA(45): DST(45)"}));
}

TEST_F(FuelPlannerStartTest, OneLineReportHasNoCandidates) {
  const Lines shownAtStart = {"stale"};
  Lines shown = shownAtStart;
  FuelSearchHooks hooks;
  hooks.resultsChanged = [&](const Lines& lines) { shown = lines; };
  EXPECT_EQ(Start(fields, {FuelLine(60, 5.99, "AAA")}, hooks), FuelSearchEnd::Finished);
  EXPECT_TRUE(planner.Candidates().empty());
  EXPECT_EQ(shown, Lines{NoSolutionLine});
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FuelPlannerStartTest, RefusedInputsLeaveTheLastResults) {
  const FacilitiesFolder folder({{"AAA", 38.0, -122.0}}, store);
  const Lines report = {FuelLine(60, 5.99, "AAA"), FuelLine(90, 1.0, "BBB")};
  ASSERT_EQ(Start(fields, report), FuelSearchEnd::Finished);
  const Lines before = planner.Results();
  ASSERT_FALSE(before.empty());

  int stateChanges = 0;
  FuelSearchHooks hooks;
  hooks.searchingChanged = [&](bool /*searching*/) { ++stateChanges; };
  FuelPlanFields fractionalLand = fields;
  fractionalLand.landFuel = "10.5";
  FuelPlanFields headwind = fields;
  headwind.wind = "-120";
  EXPECT_EQ(Start(fractionalLand, report, hooks), FuelSearchEnd::Refused);
  EXPECT_EQ(Start(headwind, report, hooks), FuelSearchEnd::Refused);
  EXPECT_EQ(messages.texts("error"), (Lines{FuelFieldsMessage, FuelWindMessage}));
  EXPECT_EQ(stateChanges, 0);
  EXPECT_EQ(planner.Results(), before);
}

TEST_F(FuelPlannerStartTest, StartDuringASearchIsIgnored) {
  const FacilitiesFolder folder({{"AAA", 38.0, -122.0}}, store);
  const Lines report = {FuelLine(60, 5.99, "AAA"), FuelLine(90, 1.0, "BBB")};
  FuelSearchEnd nested = FuelSearchEnd::Finished;
  FuelSearchHooks hooks;
  hooks.progressPosition = [&](int /*position*/) { nested = Start(fields, report); };
  EXPECT_EQ(Start(fields, report, hooks), FuelSearchEnd::Finished);
  EXPECT_EQ(nested, FuelSearchEnd::Busy);
  EXPECT_EQ(planner.Results().size(), 4U);
}

TEST_F(FuelPlannerStartTest, UnreadableIndexEndsTheSearchWithItsMessage) {
  const FacilitiesFolder folder({{"AAA", 38.0, -122.0}}, store);
  store.NameIndex = {"AAA=not a number"};
  std::vector<bool> states;
  FuelSearchHooks hooks;
  hooks.searchingChanged = [&](bool searching) { states.push_back(searching); };
  EXPECT_EQ(Start(fields, {FuelLine(60, 5.99, "AAA"), FuelLine(90, 1.0, "BBB")}, hooks),
            FuelSearchEnd::Failed);
  ASSERT_EQ(messages.texts("error").size(), 1U);
  EXPECT_NE(messages.texts("error")[0].find("not a number"), std::string::npos);
  EXPECT_EQ(states, (std::vector<bool>{true, false}));
  EXPECT_FALSE(planner.IsSearching());
  EXPECT_TRUE(planner.Candidates().empty());
}

}  // namespace
}  // namespace kestro
