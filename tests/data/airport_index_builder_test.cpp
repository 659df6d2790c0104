#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "airport_test_fixture.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "data/airport_database.h"
#include "data/index_builder.h"

namespace kestro {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(LongitudeIndexTextTest, IsTheShortestTextThatReadsBackExactly) {
  const struct {
    double degrees;
    std::string expected;
  } cases[] = {
      {-100.0, "-100"},
      {-0.5, "-0.5"},
      {-0.0000001, "-0.0000001"},  // never an exponent
      {-440000.0 / 3600.0, "-122.22222222222223"},
      {-146234.56 / 3600.0, "-40.62071111111111"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LongitudeIndexText(c.degrees), c.expected);
    EXPECT_EQ(ParseDouble(LongitudeIndexText(c.degrees)), c.degrees);
  }
}

class IndexBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { store.DataFolder = folder.DataFolder(); }

  [[nodiscard]] std::filesystem::path File(const std::string& name) const {
    return folder.path() / name;
  }

  [[nodiscard]] std::vector<std::string> Lines(const std::string& name) const {
    return ReadTextLines(File(name)).value_or(std::vector<std::string>{"<missing>"});
  }

  void LoadIndexes() {
    store.NameIndex = Lines("NfdcFacilities.NameIndex.txt");
    store.LonIndex = Lines("NfdcFacilities.LonIndex.txt");
    store.RunwayIndex = Lines("NfdcRunways.IDIndex.txt");
  }

  test::TempFolder folder;
  DataStore store;
};

TEST_F(IndexBuilderTest, WritesTheThreeIndexesInTheirFormats) {
  const auto facilities = test::WriteLines(
      File("NfdcFacilities.xls"),
      {test::HeaderLine(101), test::FacilityLine("20*A", "KWWW", "144000N", "396000W"),
       test::FacilityLine("21*A", "KEEE", "144000N", "252000W"),
       test::FacilityLine("22*A", "KMMM", "144000N", "324000W")});
  const auto runways =
      test::WriteLines(File("NfdcRunways.xls"),
                       {test::HeaderLine(117), test::RunwayLine("22*A", "09/27", "3000", "ASPH"),
                        test::RunwayLine("20*A", "18/36", "4000", "TURF")});

  const IndexBuildResult result = BuildIndexFiles(store);
  ASSERT_EQ(result.status, IndexBuildStatus::kBuilt) << result.message;
  EXPECT_EQ(result.airportCount, 3u);
  EXPECT_EQ(result.runwayCount, 2u);
  ASSERT_EQ(result.written.size(), 3u);

  const auto at = [](std::int64_t offset) { return std::to_string(offset); };
  EXPECT_EQ(*ReadWholeFile(File("NfdcFacilities.NameIndex.txt")),
            "KWWW=" + at(facilities[1]) + "\r\nKEEE=" + at(facilities[2]) +
                "\r\nKMMM=" + at(facilities[3]) + "\r\n");
  EXPECT_EQ(*ReadWholeFile(File("NfdcFacilities.LonIndex.txt")),
            "-70=" + at(facilities[2]) + "\r\n-90=" + at(facilities[3]) +
                "\r\n-110=" + at(facilities[1]) + "\r\n");
  EXPECT_EQ(*ReadWholeFile(File("NfdcRunways.IDIndex.txt")),
            "20*A=" + at(runways[2]) + "\r\n22*A=" + at(runways[1]) + "\r\n");
}

TEST_F(IndexBuilderTest, EqualKeysKeepTheOrderOfTheExtractFile) {
  const auto f = test::WriteLines(
      File("NfdcFacilities.xls"),
      {test::HeaderLine(101), test::FacilityLine("1", "B1", "1N", "3600W"),
       test::FacilityLine("2", "A1", "1N", "7200W"), test::FacilityLine("3", "B2", "1N", "3600W"),
       test::FacilityLine("4", "C1", "1N", "1800W"),
       test::FacilityLine("5", "B3", "1N", "3600.0W")});
  const auto r = test::WriteLines(
      File("NfdcRunways.xls"),
      {test::HeaderLine(117), test::RunwayLine("5*b", "first", "1", ""),
       test::RunwayLine("10*A", "x", "1", ""), test::RunwayLine("5*B", "second", "1", ""),
       test::RunwayLine("1*A", "x", "1", ""), test::RunwayLine("5*b", "third", "1", "")});
  ASSERT_EQ(BuildIndexFiles(store).status, IndexBuildStatus::kBuilt);

  const auto at = [](std::int64_t offset) { return std::to_string(offset); };
  EXPECT_THAT(Lines("NfdcFacilities.LonIndex.txt"),
              ElementsAre("-0.5=" + at(f[4]), "-1=" + at(f[1]), "-1=" + at(f[3]), "-1=" + at(f[5]),
                          "-2=" + at(f[2])));
  EXPECT_THAT(Lines("NfdcRunways.IDIndex.txt"),
              ElementsAre("1*A=" + at(r[4]), "10*A=" + at(r[2]), "5*b=" + at(r[1]),
                          "5*B=" + at(r[3]), "5*b=" + at(r[5])));
}

// Indexes built from the extract files lead the lookups to the right lines, whatever line ends
// the extract files use.
TEST_F(IndexBuilderTest, LookupsFindTheAirportsThroughTheBuiltIndexes) {
  for (const std::string lineEnd : {"\r\n", "\n"}) {
    test::WriteLines(
        File("NfdcFacilities.xls"),
        {test::HeaderLine(101), test::FacilityLine("30*A", "KSFO", "135000N", "440000W"),
         "",  // a blank line is skipped
         test::FacilityLine("31*A", "KOAK", "136000N", "436000W"),
         test::FacilityLine("32*A", "KSEA", "170000N", "440000W"),
         test::FacilityLine("33*A", "KJFK", "146000N", "265000W")},
        lineEnd);
    test::WriteLines(File("NfdcRunways.xls"),
                     {test::HeaderLine(117), test::RunwayLine("31*A", "12/30", "10000", "ASPH"),
                      test::RunwayLine("30*A", "10L/28R", "11870", "ASPH"),
                      test::RunwayLine("31*A", "10R/28L", "5000", "ASPH")},
                     lineEnd);
    ASSERT_EQ(BuildIndexFiles(store).status, IndexBuildStatus::kBuilt);
    LoadIndexes();
    ASSERT_EQ(store.NameIndex.size(), 4u);

    ASSERT_TRUE(LookupAirport(store, "koak"));
    EXPECT_EQ(store.AirportFields[0], "31*A");
    ASSERT_TRUE(LookupAirport(store, "KJFK"));
    EXPECT_EQ(store.AirportFields[0], "33*A");

    TAirportArray found;
    ASSERT_EQ(QueryAirportsInRect(store, found, -123, -121, 40, 37), 2);
    EXPECT_EQ(found[0].identifier, "KSFO");
    EXPECT_EQ(found[0].longestRunwayId, "10L/28R");
    EXPECT_EQ(found[1].identifier, "KOAK");
    EXPECT_EQ(found[1].longestRunwayId, "12/30");
    EXPECT_EQ(found[1].longestRunwayLengthFeet, 10000);
  }
}

TEST_F(IndexBuilderTest, RefusesMalformedLinesAndWritesNothing) {
  const std::string goodFacility = test::FacilityLine("1*A", "KAAA", "1N", "1W");
  const std::string goodRunway = test::RunwayLine("1*A", "09/27", "3000", "ASPH");
  const struct {
    std::vector<std::string> facilities;
    std::vector<std::string> runways;
    std::string file;
    std::string expected;
  } cases[] = {
      {{goodFacility, test::ExtractLine(100, {})}, {goodRunway}, "NfdcFacilities.xls", "line 3 of"},
      {{test::FacilityLine("1*A", "KAAA", "N/A", "1W")},
       {goodRunway},
       "NfdcFacilities.xls",
       "is not a number"},
      {{test::FacilityLine("1*A", "KAAA", "1N", "")},
       {goodRunway},
       "NfdcFacilities.xls",
       "is not a number"},
      {{goodFacility},
       {goodRunway, goodRunway, test::ExtractLine(5, {})},
       "NfdcRunways.xls",
       "line 4 of"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> facilities{test::HeaderLine(101)};
    facilities.insert(facilities.end(), c.facilities.begin(), c.facilities.end());
    std::vector<std::string> runways{test::HeaderLine(117)};
    runways.insert(runways.end(), c.runways.begin(), c.runways.end());
    test::WriteLines(File("NfdcFacilities.xls"), facilities);
    test::WriteLines(File("NfdcRunways.xls"), runways);

    const IndexBuildResult result = BuildIndexFiles(store);
    EXPECT_EQ(result.status, IndexBuildStatus::kBadInput) << c.expected;
    EXPECT_THAT(result.message, AllOf(HasSubstr(c.file), HasSubstr(c.expected)));
    EXPECT_TRUE(result.written.empty());
    EXPECT_FALSE(std::filesystem::exists(File("NfdcFacilities.NameIndex.txt")));
    EXPECT_FALSE(std::filesystem::exists(File("NfdcRunways.IDIndex.txt")));
  }
}

TEST_F(IndexBuilderTest, MissingExtractFileOrFolderIsReportedAsMissing) {
  test::WriteLines(File("NfdcFacilities.xls"), {test::HeaderLine(101)});
  IndexBuildResult result = BuildIndexFiles(store);
  EXPECT_EQ(result.status, IndexBuildStatus::kMissingInput);
  EXPECT_THAT(result.message, HasSubstr("NfdcRunways.xls"));

  store.DataFolder = folder.DataFolder() + "nowhere/";
  result = BuildIndexFiles(store);
  EXPECT_EQ(result.status, IndexBuildStatus::kMissingInput);
  EXPECT_THAT(result.message, HasSubstr("nowhere"));
}

}  // namespace
}  // namespace kestro
