#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airport_test_fixture.h"
#include "common/data_error.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

struct TestRunway {
  std::string site;
  std::string id;
  std::string length;
};

class RunwayTest : public ::testing::Test {
 protected:
  void SetUp() override { store.DataFolder = folder.DataFolder(); }

  // Writes the runways in the order given and an index in the same order (so give them sorted).
  void WriteRunways(const std::vector<TestRunway>& runways) {
    std::vector<std::string> lines{test::HeaderLine(117)};
    for (const auto& r : runways) lines.push_back(test::RunwayLine(r.site, r.id, r.length, "ASPH"));
    const auto offsets = test::WriteLines(folder.path() / "NfdcRunways.xls", lines);
    store.RunwayIndex.clear();
    for (size_t i = 0; i < runways.size(); ++i) {
      store.RunwayIndex.push_back(runways[i].site + "=" + std::to_string(offsets[i + 1]));
    }
  }

  test::TempFolder folder;
  DataStore store;
};

TEST_F(RunwayTest, FindRunwayIndexGivesTheSitesFirstLine) {
  WriteRunways({{"1*A", "01", "1"},
                {"10*A", "02", "1"},
                {"10*A", "03", "1"},
                {"10*a", "04", "1"},
                {"100*A", "05", "1"},
                {"2*A", "06", "1"},
                {"3*A", "07", "1"},
                {"3*A", "08", "1"}});
  const struct {
    std::string site;
    long expected;
  } cases[] = {
      {"1*A", 0},
      {"10*A", 1},
      {"10*a", 1},
      {"100*A", 4},
      {"2*a", 5},
      {"3*A", 6},
      {"0*A", -1},
      {"10", -1},  // a site is never the beginning of another site's
                   // number
      {"4*A", -1},
      {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindRunwayIndex(store, c.site), c.expected) << c.site;
}

TEST_F(RunwayTest, SummaryPicksTheFirstOfTheLongestRunways) {
  const struct {
    std::vector<std::string> lengths;
    RunwaySummary expected;  // positions in the index, whose line 0 belongs to another site
    std::string leftInFields;
  } cases[] = {
      {{"3000", "5000", "5000"}, {3, 1, 2}, "R1"},
      {{"5000", "3000"}, {2, 1, 1}, "R0"},
      {{"0"}, {1, 1, -1}, "R0"},       // a single runway is kept even without a length
      {{"1", "0"}, {2, 1, -1}, "R1"},  // no runway longer than 1: the last one read stays
      {{"2000"}, {1, 1, 1}, "R0"},
  };
  for (const auto& c : cases) {
    std::vector<TestRunway> runways{{"1*A", "OTHER", "9000"}};
    for (size_t i = 0; i < c.lengths.size(); ++i) {
      runways.push_back({"2*A", "R" + std::to_string(i), c.lengths[i]});
    }
    runways.push_back({"3*A", "NEXT", "9000"});
    WriteRunways(runways);
    const RunwaySummary summary = SummarizeRunways(store, "2*a");
    EXPECT_EQ(summary.count, c.expected.count) << c.leftInFields;
    EXPECT_EQ(summary.first, c.expected.first);
    EXPECT_EQ(summary.longest, c.expected.longest);
    ASSERT_EQ(store.RunwayFields.size(), 117u);
    EXPECT_EQ(store.RunwayFields[2], c.leftInFields);
  }
}

TEST_F(RunwayTest, SummaryOfAnAirportWithoutRunwaysIsEmpty) {
  WriteRunways({{"1*A", "09/27", "3000"}});
  store.RunwayFields = {"old"};
  const RunwaySummary summary = SummarizeRunways(store, "7*A");
  EXPECT_EQ(summary.count, 0);
  EXPECT_EQ(summary.first, -1);
  EXPECT_EQ(summary.longest, -1);
  EXPECT_EQ(store.RunwayFields, std::vector<std::string>(117));

  std::filesystem::remove(folder.path() / "NfdcRunways.xls");
  store.RunwayFields = {"old"};
  EXPECT_EQ(SummarizeRunways(store, "1*A").count, 0);
  EXPECT_EQ(store.RunwayFields, std::vector<std::string>(117));
}

TEST_F(RunwayTest, LengthThatIsNotAnIntegerEndsTheSummary) {
  for (const std::string bad : {"", "3000.5", "long"}) {
    WriteRunways({{"1*A", "09/27", "3000"}, {"1*A", "18/36", bad}});
    try {
      (void)SummarizeRunways(store, "1*A");
      ADD_FAILURE() << "no error for '" << bad << "'";
    } catch (const DataError& error) {
      EXPECT_THAT(error.what(), AllOf(HasSubstr("line 2 of"), HasSubstr("NfdcRunways.IDIndex.txt"),
                                      HasSubstr("NfdcRunways.xls"), HasSubstr("runway length")))
          << bad;
    }
  }
}

TEST_F(RunwayTest, FindRunwayMatchesTheIdentifierExactly) {
  WriteRunways({{"1*A", "09L/27R", "3000"}, {"1*A", "09R/27L", "4000"}, {"2*A", "09L/27R", "1"}});
  EXPECT_EQ(FindRunway(store, "1*a", "09R/27L"), 1);
  EXPECT_EQ(store.RunwayFields[3], "4000");
  EXPECT_EQ(FindRunway(store, "1*A", "09L/27R"), 0);
  EXPECT_EQ(store.RunwayFields[3], "3000");

  EXPECT_EQ(FindRunway(store, "1*A", "09l/27r"), -1);  // letter case counts
  EXPECT_EQ(store.RunwayFields[2], "09R/27L");         // the site's last runway stays
  EXPECT_EQ(store.RunwayFields.size(), 117u);

  EXPECT_EQ(FindRunway(store, "5*A", "09L/27R"), -1);
  EXPECT_EQ(store.RunwayFields, std::vector<std::string>(117));

  store.RunwayFields = {"kept"};
  std::filesystem::remove(folder.path() / "NfdcRunways.xls");
  EXPECT_EQ(FindRunway(store, "1*A", "09L/27R"), -1);
  EXPECT_EQ(store.RunwayFields, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace kestro
