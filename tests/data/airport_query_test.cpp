#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "airport_test_fixture.h"
#include "common/data_error.h"
#include "common/date_time.h"
#include "common/text_file.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

// The part after "=" of an index line.
std::string IndexLineValue(const std::string& line) {
  return line.substr(line.rfind('=') + 1);
}

// Seconds of arc for a whole number of degrees, as the extract writes them.
std::string Seconds(double degrees, char hemisphere) {
  return std::to_string(degrees * 3600.0) + hemisphere;
}

struct TestAirport {
  std::string id;
  double latDeg;
  double indexLonDeg;  // the longitude the index gives it
};

class QueryAirportsTest : public ::testing::Test {
 protected:
  // Writes the airports to the facilities file, then the extra lines, and a LonIndex in the order
  // given (easternmost first) pointing at the airports. Returns the offsets of the extra lines.
  std::vector<std::int64_t> WriteAirports(const std::vector<TestAirport>& airports,
                                          const std::vector<std::string>& extraLines = {}) {
    std::vector<std::string> lines{test::HeaderLine(101)};
    for (const auto& airport : airports) {
      lines.push_back(test::FacilityLine("S" + airport.id, airport.id, Seconds(airport.latDeg, 'N'),
                                         Seconds(-airport.indexLonDeg, 'W')));
    }
    lines.insert(lines.end(), extraLines.begin(), extraLines.end());
    const auto offsets = test::WriteLines(folder.path() / "NfdcFacilities.xls", lines);
    store.LonIndex.clear();
    for (size_t i = 0; i < airports.size(); ++i) {
      store.LonIndex.push_back(std::to_string(airports[i].indexLonDeg) + "=" +
                               std::to_string(offsets[i + 1]));
    }
    return {offsets.begin() + static_cast<std::ptrdiff_t>(airports.size() + 1), offsets.end()};
  }

  std::vector<std::string> Query(double west, double east, double north, double south) {
    TAirportArray found;
    const int count = QueryAirportsInRect(store, found, west, east, north, south);
    EXPECT_EQ(count, static_cast<int>(found.size()));
    std::vector<std::string> ids;
    for (const auto& airport : found) ids.push_back(airport.identifier);
    return ids;
  }

  void SetUp() override {
    store.DataFolder = folder.DataFolder();
    store.NameIndex = {"ANY=0"};
    store.pumpEvents = [this] { ++pumps; };
  }

  test::TempFolder folder;
  DataStore store;
  int pumps = 0;
};

std::vector<TestAirport> FiveAirports() {
  return {
      {"EEE", 40, -70}, {"DDD", 41, -80}, {"CCC", 50, -90}, {"BBB", 40.5, -100}, {"AAA", 39, -110}};
}

TEST_F(QueryAirportsTest, WalksEastFromTheWestBoundAndTestsOnlyTheLatitude) {
  WriteAirports(FiveAirports());
  const struct {
    double west, east, north, south;
    std::vector<std::string> expected;
    int candidates;
  } cases[] = {
      {-105, -75, 45, 38, {"BBB", "DDD"}, 3},  // CCC is a candidate, north of the box
      {-100, -75, 45, 38, {"BBB", "DDD"}, 3},  // west bound exactly on BBB's longitude
      {-99.5, -75, 45, 38, {"DDD"}, 2},
      {-105, -80, 45, 38, {"BBB"}, 2},  // the east bound itself is outside
      {-120, -60, 60, 30, {"AAA", "BBB", "CCC", "DDD", "EEE"}, 5},
      {-120, -60, 40.5, 40, {"BBB", "EEE"}, 5},  // both latitude bounds are inside
      {-60, -50, 60, 30, {}, 0},                 // east of every airport
      {-130, -120, 60, 30, {}, 0},               // west of every airport
      {-120, -60, 60, 0, {}, 0},                 // a bound of exactly 0 means no box
      {0, -60, 60, 30, {}, 0},
  };
  for (const auto& c : cases) {
    pumps = 0;
    EXPECT_THAT(Query(c.west, c.east, c.north, c.south), ElementsAreArray(c.expected))
        << c.west << " " << c.east << " " << c.north << " " << c.south;
    EXPECT_EQ(pumps, c.candidates) << c.west << " " << c.east;
  }
}

// The binary search must land on the right line for every length of index and every place of
// the west bound: on a line, between two, and beyond both ends.
TEST_F(QueryAirportsTest, SearchFindsTheWestBoundInIndexesOfEveryLength) {
  for (int length = 1; length <= 9; ++length) {
    std::vector<TestAirport> airports(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) airports[i] = {"A" + std::to_string(i), 40, -70.0 - 10 * i};
    WriteAirports(airports);
    // Every 5 degrees from west of the westernmost line to east of the easternmost one.
    for (int step = 0; step <= 2 * length + 3; ++step) {
      const double west = -75.0 - 10 * length + 5 * step;
      std::vector<std::string> expected;  // every line at or east of the bound, west to east
      for (int i = length - 1; i >= 0; --i) {
        if (airports[i].indexLonDeg >= west) expected.push_back(airports[i].id);
      }
      EXPECT_THAT(Query(west, -1, 45, 35), ElementsAreArray(expected))
          << "length " << length << " west " << west;
    }
  }
}

TEST_F(QueryAirportsTest, FillsTheRecordFromTheAirportItsRunwaysAndItsFBO) {
  const auto offsets = test::WriteLines(
      folder.path() / "NfdcFacilities.xls",
      {test::HeaderLine(101),
       test::FacilityLine("10*A", "KAAA", "146234.5600N", "440000.0000W",
                          {{21, "555-0100"},
                           {27, "1234"},
                           {32, "SAN FRANCISCO"},
                           {67, "100LL,A"},
                           {74, "122.950"},
                           {75, "122.700"}}),
       test::FacilityLine("11*A", "KBBB", "146000.0000N", "439000.0000W", {{27, "12.5"}})});
  store.LonIndex = {"-121.9=" + std::to_string(offsets[2]), "-122.2=" + std::to_string(offsets[1])};
  const auto runwayOffsets =
      test::WriteLines(folder.path() / "NfdcRunways.xls",
                       {test::HeaderLine(117), test::RunwayLine("10*A", "09/27", "3000", "ASPH"),
                        test::RunwayLine("10*A", "18/36", "5000", "CONC")});
  store.RunwayIndex = {"10*A=" + std::to_string(runwayOffsets[1]),
                       "10*A=" + std::to_string(runwayOffsets[2])};
  store.FBOLines = {"KAAA,\"Acme Air\",555-0199,,FS,$5.25,6.10,,01/02/2024"};

  TAirportArray found(3);  // left-overs are dropped
  ASSERT_EQ(QueryAirportsInRect(store, found, -123, -121, 41, 40), 2);
  const Airports& a = found[0];
  EXPECT_EQ(a.siteNumber, "10*A");
  EXPECT_EQ(a.type, "AIRPORT");
  EXPECT_EQ(a.identifier, "KAAA");
  EXPECT_EQ(a.facilityName, "KAAA FIELD");
  EXPECT_NEAR(a.latitude, 40.62071, 0.000005);
  EXPECT_NEAR(a.longitude, -122.22222, 0.000005);
  EXPECT_EQ(a.elevationFeet, 1234);
  EXPECT_EQ(a.chartName, "SAN FRANCISCO");
  EXPECT_EQ(a.ctafFrequency, "122.700");
  EXPECT_EQ(a.unicomFrequencies, "122.950");
  EXPECT_EQ(a.managerPhone, "555-0100");
  EXPECT_EQ(a.fuelTypes, "100LL,A");
  EXPECT_EQ(a.longestRunwayId, "18/36");
  EXPECT_EQ(a.longestRunwayLengthFeet, 5000);
  EXPECT_EQ(a.longestRunwaySurface, "CONC");
  EXPECT_EQ(a.fboName, "Acme Air");
  EXPECT_EQ(a.fboContact, "555-0199");
  EXPECT_EQ(a.fboService, "FS");
  EXPECT_DOUBLE_EQ(a.price100LL, 5.25);
  EXPECT_DOUBLE_EQ(a.priceJetA, 6.10);
  EXPECT_EQ(a.priceMogas, 0);
  EXPECT_EQ(a.priceDate, EncodeDate(2024, 1, 2));

  const Airports& b = found[1];  // no runway lines, no FBO, elevation not an integer
  EXPECT_EQ(b.identifier, "KBBB");
  EXPECT_EQ(b.elevationFeet, 0);
  EXPECT_EQ(b.longestRunwayId, "");
  EXPECT_EQ(b.longestRunwayLengthFeet, 0);
  EXPECT_EQ(b.longestRunwaySurface, "");
  EXPECT_EQ(b.fboName, "");
  EXPECT_EQ(b.price100LL, 0);
}

TEST_F(QueryAirportsTest, MalformedDataEndsTheQueryWithAMessageNamingTheIndexLine) {
  const auto extra = WriteAirports(
      FiveAirports(),
      {test::ExtractLine(50, {{2, "SHORT"}}), test::FacilityLine("X", "BAD", "N/A", "1000W")});
  const std::vector<std::string> goodIndex = store.LonIndex;
  const struct {
    std::string line;
    std::string expected;
  } cases[] = {
      {"-85=" + std::to_string(extra[0]), "has 50 columns"},
      {"-85=" + std::to_string(extra[1]), "no valid position"},
      {"-85=99999999", "beyond the end"},
      {"-85=x", "no valid byte offset"},
      {"west=0", "no valid longitude"},
  };
  for (const auto& c : cases) {
    store.LonIndex = goodIndex;
    store.LonIndex.insert(store.LonIndex.begin() + 2, c.line);  // between DDD and CCC
    TAirportArray found;
    try {
      (void)QueryAirportsInRect(store, found, -120, -60, 60, 30);
      ADD_FAILURE() << "no error for " << c.line;
    } catch (const DataError& error) {
      EXPECT_THAT(error.what(),
                  AllOf(HasSubstr("line 3 of"), HasSubstr("NfdcFacilities.LonIndex.txt"),
                        HasSubstr(c.expected)))
          << c.line;
    }
  }
}

TEST_F(QueryAirportsTest, BoundsThatAreNotNumbersGiveNoAirports) {
  WriteAirports(FiveAirports());
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(Query(nan, -60, 60, 30).empty());
  EXPECT_TRUE(Query(-120, -60, nan, 30).empty());
}

TEST_F(QueryAirportsTest, AnIndexReplacedWhileMessagesRunIsNeverReadOutsideItsEnd) {
  WriteAirports(FiveAirports());
  store.pumpEvents = [this] { store.LonIndex.resize(1); };  // settings applied mid-query
  EXPECT_THAT(Query(-120, -60, 60, 30), ElementsAre("AAA"));
}

TEST_F(QueryAirportsTest, MissingFacilitiesFileOrEmptyIndexGivesNoAirports) {
  WriteAirports(FiveAirports());
  DataStore noNames = store;
  noNames.NameIndex.clear();
  TAirportArray found;
  EXPECT_EQ(QueryAirportsInRect(noNames, found, -120, -60, 60, 30), 0);
  std::filesystem::remove(folder.path() / "NfdcFacilities.xls");
  EXPECT_EQ(QueryAirportsInRect(store, found, -120, -60, 60, 30), 0);
}

// Every field of every record, so that two query results compare whole.
std::vector<std::string> Describe(const TAirportArray& airports) {
  std::vector<std::string> described;
  for (const Airports& a : airports) {
    described.push_back(a.siteNumber + "|" + a.type + "|" + a.identifier + "|" + a.facilityName +
                        "|" + std::to_string(a.latitude) + "|" + std::to_string(a.longitude) + "|" +
                        std::to_string(a.elevationFeet) + "|" + a.chartName + "|" +
                        a.ctafFrequency + "|" + a.unicomFrequencies + "|" + a.managerPhone + "|" +
                        a.fuelTypes + "|" + a.reserved13 + "|" + std::to_string(a.screenX) + "|" +
                        std::to_string(a.screenY) + "|" + a.longestRunwayId + "|" +
                        std::to_string(a.longestRunwayLengthFeet) + "|" + a.longestRunwaySurface +
                        "|" + a.reserved19 + a.reserved20 + a.reserved21 + a.reserved22 +
                        a.reserved23 + "|" + a.fboName + "|" + a.fboContact + "|" + a.fboService +
                        "|" + std::to_string(a.price100LL) + "|" + std::to_string(a.priceJetA) +
                        "|" + std::to_string(a.priceMogas) + "|" + std::to_string(a.priceDate));
  }
  return described;
}

// Boxes queried again and again, as the overlapping boxes of an enroute report are: the answers
// must never depend on what an earlier query read.
class AirportQueryMemoryTest : public ::testing::Test {
 public:  // the changes of the table below work on the fixture
  struct Box {
    double west, east, north, south;
  };
  static constexpr Box kBand{-105, -75, 45, 38};  // AAA and ABB; ACC lies north of it
  static constexpr Box kAll{-105, -75, 60, 30};

  // Three airports with one runway each, all fields of the same length whatever the letter, so
  // that files written with another letter keep every offset and size.
  void WriteData(const std::filesystem::path& dir, char letter,
                 const std::array<std::string, 3>& surfaces = {"ASPH", "TURF", "CONC"}) {
    const std::string l(1, letter);
    const auto facilities =
        test::WriteLines(dir / "NfdcFacilities.xls",
                         {test::HeaderLine(101),
                          test::FacilityLine("1*" + l, l + "AA", "144000.0000N", "360000.0000W",
                                             {{27, "100"}, {32, l + " CHART"}}),
                          test::FacilityLine("2*" + l, l + "BB", "147600.0000N", "324000.0000W"),
                          test::FacilityLine("3*" + l, l + "CC", "180000.0000N", "288000.0000W")});
    const auto runways = test::WriteLines(
        dir / "NfdcRunways.xls",
        {test::HeaderLine(117), test::RunwayLine("1*" + l, l + "1", "3000", surfaces[0]),
         test::RunwayLine("2*" + l, l + "2", "4000", surfaces[1]),
         test::RunwayLine("3*" + l, l + "3", "5000", surfaces[2])});
    store.LonIndex = {"-80=" + std::to_string(facilities[3]),
                      "-90=" + std::to_string(facilities[2]),
                      "-100=" + std::to_string(facilities[1])};
    store.RunwayIndex = {"1*" + l + "=" + std::to_string(runways[1]),
                         "2*" + l + "=" + std::to_string(runways[2]),
                         "3*" + l + "=" + std::to_string(runways[3])};
    store.FBOLines = {l + "AA,Fuel,,,FS,5.00,,,01/02/2024"};
  }

  void SetUp() override {
    store.DataFolder = folder.DataFolder();
    store.NameIndex = {"ANY=0"};
    store.pumpEvents = [this] { ++pumps; };
    WriteData(folder.path(), 'A');
  }

  std::vector<std::string> Query(DataStore& from, const Box& box) {
    TAirportArray found;
    const int count = QueryAirportsInRect(from, found, box.west, box.east, box.north, box.south);
    EXPECT_EQ(count, static_cast<int>(found.size()));
    return Describe(found);
  }
  // What a store that has read nothing yet answers.
  std::vector<std::string> Fresh(const Box& box) {
    DataStore fresh = store;
    fresh.InvalidateCaches();
    return Query(fresh, box);
  }

  test::TempFolder folder;
  test::TempFolder otherFolder;
  DataStore store;
  int pumps = 0;
};

TEST_F(AirportQueryMemoryTest, AnswersFromMemoryEqualFreshOnes) {
  const std::vector<std::string> band = Fresh(kBand);
  const std::vector<std::string> all = Fresh(kAll);
  ASSERT_EQ(band.size(), 2u);
  ASSERT_EQ(all.size(), 3u);

  // The band first leaves ACC known by its latitude only; the whole box then has to read it.
  for (const Box& box : {kBand, kAll, kBand, kAll}) {
    pumps = 0;
    EXPECT_EQ(Query(store, box), box.north == kBand.north ? band : all);
    EXPECT_EQ(pumps, 3);  // one per candidate, read or not
  }

  // Answered without reading a line: the scratch list keeps what was put there.
  store.AirportFields = {"untouched"};
  EXPECT_EQ(Query(store, kAll), all);
  EXPECT_EQ(store.AirportFields, std::vector<std::string>{"untouched"});

  // The FBO fields are attached afresh.
  store.FBOLines = {"AAA,Other,,,FS,4.25,,,03/04/2024"};
  EXPECT_EQ(Query(store, kAll), Fresh(kAll));
  EXPECT_NE(Query(store, kAll), all);

  // Memory emptied by the window messages in the middle of a query.
  store.pumpEvents = [this] { store.InvalidateCaches(); };
  EXPECT_EQ(Query(store, kAll), Fresh(kAll));

  // The data folder switched by the window messages after the first candidate: the query goes on
  // with its open facilities file and, like a fresh one, takes the runways from the new folder,
  // whose index lines are the same.
  store.pumpEvents = {};
  WriteData(otherFolder.path(), 'A', {"GRVL", "DIRT", "WATR"});  // the same indexes and FBO lines
  ASSERT_EQ(Query(store, kAll), all);
  const auto switchFolder = [this](DataStore& s) {
    s.pumpEvents = [this, &s] { s.DataFolder = otherFolder.DataFolder(); };
  };
  DataStore fresh = store;
  fresh.InvalidateCaches();
  switchFolder(fresh);
  const std::vector<std::string> switched = Query(fresh, kAll);
  EXPECT_NE(switched, all);
  switchFolder(store);
  EXPECT_EQ(Query(store, kAll), switched);
}

TEST_F(AirportQueryMemoryTest, ChangedDataIsNeverAnsweredFromMemory) {
  using Change = void (*)(AirportQueryMemoryTest&);
  const struct {
    const char* what;
    Change change;
  } cases[] = {
      {"another data folder with files of the same layout",
       [](AirportQueryMemoryTest& t) {
         t.WriteData(t.otherFolder.path(), 'Z');
         t.store.DataFolder = t.otherFolder.DataFolder();
       }},
      {"LonIndex lines that point elsewhere",
       [](AirportQueryMemoryTest& t) { std::swap(t.store.LonIndex[1], t.store.LonIndex[2]); }},
      {"RunwayIndex lines that point elsewhere",
       [](AirportQueryMemoryTest& t) {
         const std::string first = IndexLineValue(t.store.RunwayIndex[0]);
         t.store.RunwayIndex[0] = "1*A=" + IndexLineValue(t.store.RunwayIndex[2]);
         t.store.RunwayIndex[2] = "3*A=" + first;
       }},
      {"a facilities file rewritten in place with a longer last line",
       [](AirportQueryMemoryTest& t) {
         std::vector<std::string> lines =
             ReadTextLines(t.folder.path() / "NfdcFacilities.xls").value();
         lines[3] = test::FacilityLine("3*A", "ACC", "180000.0000N", "288000.0000W",
                                       {{11, "RENAMED FIELD"}});
         (void)test::WriteLines(t.folder.path() / "NfdcFacilities.xls", lines);
       }},
      // Same inode, size and time: only the invalidation after loading the indexes tells.
      {"files rewritten in place, their times kept, then the caches invalidated",
       [](AirportQueryMemoryTest& t) {
         const auto facilities = t.folder.path() / "NfdcFacilities.xls";
         const auto runways = t.folder.path() / "NfdcRunways.xls";
         const auto facilitiesTime = std::filesystem::last_write_time(facilities);
         const auto runwaysTime = std::filesystem::last_write_time(runways);
         t.WriteData(t.folder.path(), 'Y');
         std::filesystem::last_write_time(facilities, facilitiesTime);
         std::filesystem::last_write_time(runways, runwaysTime);
         t.store.InvalidateCaches();
       }},
  };
  for (const auto& c : cases) {
    store.DataFolder = folder.DataFolder();
    WriteData(folder.path(), 'A');
    const std::vector<std::string> before = Query(store, kAll);
    c.change(*this);
    const std::vector<std::string> expected = Fresh(kAll);
    EXPECT_NE(expected, before) << c.what;  // the change shows in the answer
    EXPECT_EQ(Query(store, kAll), expected) << c.what;
  }
}

}  // namespace
}  // namespace kestro
