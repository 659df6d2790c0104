#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_error.h"
#include "common/date_time.h"
#include "data/fbo_fields.h"
#include "data/fbo_file.h"

namespace kestro {
namespace {

using Lines = std::vector<std::string>;

DataStore StoreWith(Lines lines) {
  DataStore store;
  SortFBOLines(lines);
  store.FBOLines = std::move(lines);
  return store;
}

TEST(SortFBOLinesTest, FoldsCaseAndKeepsTheOrderOfEqualLines) {
  Lines lines = {"sfo,b", "ABC,x", "SFO,a", "abc,x", "ABC,X", "ABCD,y", "AB,z", "ABC ,w"};
  SortFBOLines(lines);
  const Lines expected = {"AB,z", "ABC ,w", "ABC,x", "abc,x", "ABC,X", "ABCD,y", "SFO,a", "sfo,b"};
  EXPECT_EQ(lines, expected);
}

struct FindCase {
  const char* name;
  Lines lines;
  const char* identifier;
  long expected;
};

class FindFirstFBOTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindFirstFBOTest, FindsTheFirstLineOfTheRun) {
  const FindCase& c = GetParam();
  const DataStore store = StoreWith(c.lines);
  EXPECT_EQ(FindFirstFBO(store, c.identifier), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, FindFirstFBOTest,
    testing::Values(FindCase{"EmptyList", {}, "SFO", -1}, FindCase{"OneLine", {"SFO,A"}, "SFO", 0},
                    FindCase{"OneLineOther", {"SFO,A"}, "OAK", -1},
                    FindCase{"TwoLinesFirst", {"OAK,A", "SFO,B"}, "OAK", 0},
                    FindCase{"TwoLinesSecond", {"OAK,A", "SFO,B"}, "SFO", 1},
                    FindCase{"LowerCaseFindsUpper", {"OAK,A", "SFO,B", "SFO,C"}, "sfo", 1},
                    FindCase{"UpperFindsLowerLine", {"oak,a", "sfo,b"}, "SFO", 1},
                    FindCase{"ShorterIdIgnoresLonger", {"ABCD,A", "ABCD,B", "XYZ,C"}, "ABC", -1},
                    FindCase{"ShorterIdBeforeLonger", {"ABCD,A", "ABC,B", "ABC,C"}, "ABC", 0},
                    FindCase{"LongerIdAfterShorter", {"ABCD,A", "ABC,B", "ABC,C"}, "ABCD", 2},
                    FindCase{"PrefixOfLine", {"AB,A", "ABC,B"}, "A", -1},
                    FindCase{"LineOfOnlyTheId", {"SFO", "SFO,B"}, "SFO", 0},
                    FindCase{"BlankEndsTheLocation", {"ABC ,A", "ABCD,B"}, "ABC", 0},
                    FindCase{"HandEditedLineInTheRun", {"ABC ,A", "ABC!,B", "ABC,C"}, "ABC", 0},
                    FindCase{"OnlyOddLineBeforeRun", {"ABC!,B", "ABC,C"}, "ABC", 1},
                    FindCase{"EmptyId", {",A", "SFO,B"}, "", -1},
                    FindCase{"IdWithComma", {"A,B,C"}, "A,B", -1}),
    [](const testing::TestParamInfo<FindCase>& param) { return std::string(param.param.name); });

// Runs of every length at every position, so each probe sequence of the binary search is met.
TEST(FindFirstFBOTest, FindsEveryRunInListsOfManySizes) {
  for (int airports = 1; airports <= 24; ++airports) {
    Lines lines;
    std::vector<long> firsts;
    for (int a = 0; a < airports; ++a) {
      firsts.push_back(static_cast<long>(lines.size()));
      const std::string id = "K" + std::to_string(100 + a);
      for (int n = 0; n <= a % 4; ++n) lines.push_back(id + ",FBO" + std::to_string(n));
    }
    const DataStore store = StoreWith(lines);
    for (int a = 0; a < airports; ++a) {
      const std::string id = "K" + std::to_string(100 + a);
      EXPECT_EQ(FindFirstFBO(store, id), firsts[static_cast<size_t>(a)]) << airports << " " << id;
    }
    EXPECT_EQ(FindFirstFBO(store, "K0"), -1);
    EXPECT_EQ(FindFirstFBO(store, "K999"), -1);
    EXPECT_EQ(FindFirstFBO(store, "K10"), -1);
  }
}

struct ChoiceCase {
  const char* name;
  Lines lines;
  int count;
  long first;
  long best;
  const char* fieldsName;  // FBOFields afterwards
  const char* fields100LL;
};

class GetAirportFBOsTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(GetAirportFBOsTest, ChoosesTheCheapest100LL) {
  const ChoiceCase& c = GetParam();
  DataStore store = StoreWith(c.lines);
  store.FBOFields = {"stale"};
  const AirportFBOs fbos = GetAirportFBOs(store, "ABC");
  EXPECT_EQ(fbos.count, c.count);
  EXPECT_EQ(fbos.first, c.first);
  EXPECT_EQ(fbos.best, c.best);
  ASSERT_EQ(store.FBOFields.size(), kFBOFieldCount);
  EXPECT_EQ(store.FBOFields[kFBOName], c.fieldsName);
  EXPECT_EQ(store.FBOFields[kFBO100LL], c.fields100LL);
}

INSTANTIATE_TEST_SUITE_P(
    Airports, GetAirportFBOsTest,
    testing::Values(
        ChoiceCase{"NoLines", {"AB,X,,,,$1.00", "ABCD,Y,,,,$1.00"}, 0, -1, -1, "", ""},
        ChoiceCase{"LowerPriceWins",
                   {"AAA,Q,,,,$1.00", "ABC,High,,,,$4.50", "ABC,Low,,,,$4.25"},
                   2,
                   1,
                   2,
                   "Low",
                   "4.25"},
        ChoiceCase{"EqualPricesFirstSortedWins",
                   {"ABC,B,,,,$4.25", "ABC,A,,,,$4.25"},
                   2,
                   0,
                   0,
                   "A",
                   "4.25"},
        ChoiceCase{"EmptyPriceNeverChosen", {"ABC,A,,,,,", "ABC,B,,,,$5.00"}, 2, 0, 1, "B", "5.00"},
        ChoiceCase{
            "TextPriceNeverChosen", {"ABC,A,,,,N/A", "ABC,B,,,,$6.00"}, 2, 0, 1, "B", "6.00"},
        ChoiceCase{"OnlyLineWithoutPrice", {"ABC,Only,,,FS,,$3.00"}, 1, 0, -1, "Only", ""},
        ChoiceCase{"NoLineWithPriceKeepsLastRead", {"ABC,A,,,,", "ABC,B,,,,x"}, 2, 0, -1, "B", "x"},
        ChoiceCase{
            "LongerIdNotCounted", {"ABC,A,,,,$5.00", "ABCD,B,,,,$1.00"}, 1, 0, 0, "A", "5.00"}),
    [](const testing::TestParamInfo<ChoiceCase>& param) { return std::string(param.param.name); });

DataStore SummaryStore() {
  return StoreWith({
      R"(ABC,"Cheap Air",555-1212,note,FS,$4.25,$5.10,,01/02/2024)",
      R"(ABC,"Dear Air",,,AS,$4.50,,,01/01/2024)",
      R"(NAP,"Text Air",,,SS,N/A,call,$3.99,)",
      R"(BAD,"Bad Date",,,FS,$4.00,,,13/45/2024)",
      "SPL,Joe Air,555,,FS,$5.00,,,03/04/2024",
  });
}

Airports Airport(const std::string& identifier) {
  Airports airport;
  airport.identifier = identifier;
  airport.fboName = "old";
  airport.fboContact = "old";
  airport.fboService = "old";
  airport.price100LL = 9;
  airport.priceJetA = 9;
  airport.priceMogas = 9;
  airport.priceDate = 9;
  return airport;
}

TEST(AttachFBOSummaryTest, TakesTheBestLine) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("abc")};
  AttachFBOSummary(store, table, 0);
  const Airports& a = table[0];
  EXPECT_EQ(a.fboName, "Cheap Air");
  EXPECT_EQ(a.fboContact, "555-1212");
  EXPECT_EQ(a.fboService, "FS");
  EXPECT_DOUBLE_EQ(a.price100LL, 4.25);
  EXPECT_DOUBLE_EQ(a.priceJetA, 5.10);
  EXPECT_DOUBLE_EQ(a.priceMogas, 0);
  EXPECT_DOUBLE_EQ(a.priceDate, EncodeDate(2024, 1, 2));
}

TEST(AttachFBOSummaryTest, TextPricesAndMissingDate) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("NAP")};
  AttachFBOSummary(store, table, 0);
  EXPECT_EQ(table[0].fboName, "Text Air");
  EXPECT_DOUBLE_EQ(table[0].price100LL, -2.0);
  EXPECT_DOUBLE_EQ(table[0].priceJetA, -2.0);
  EXPECT_DOUBLE_EQ(table[0].priceMogas, 3.99);
  EXPECT_DOUBLE_EQ(table[0].priceDate, 0);
}

TEST(AttachFBOSummaryTest, UnquotedBlankShiftsTheLaterFields) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("SPL")};
  AttachFBOSummary(store, table, 0);
  EXPECT_EQ(table[0].fboName, "Joe");
  EXPECT_EQ(table[0].fboContact, "Air");
  EXPECT_EQ(table[0].fboService, "");
  EXPECT_DOUBLE_EQ(table[0].price100LL, -2.0);  // "FS"
  EXPECT_DOUBLE_EQ(table[0].priceJetA, 5.00);
  EXPECT_DOUBLE_EQ(table[0].priceDate, 0);  // the date moved into a tenth field
}

TEST(AttachFBOSummaryTest, AirportWithoutLinesIsCleared) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("XYZ")};
  AttachFBOSummary(store, table, 0);
  EXPECT_EQ(table[0].fboName, "");
  EXPECT_EQ(table[0].fboContact, "");
  EXPECT_EQ(table[0].fboService, "");
  EXPECT_EQ(table[0].price100LL, 0);
  EXPECT_EQ(table[0].priceJetA, 0);
  EXPECT_EQ(table[0].priceMogas, 0);
  EXPECT_EQ(table[0].priceDate, 0);
  EXPECT_EQ(store.FBOFields, std::vector<std::string>(kFBOFieldCount));
}

TEST(AttachFBOSummaryTest, BadDateNamesTheAirportAndLeavesTheRecord) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("BAD")};
  try {
    AttachFBOSummary(store, table, 0);
    FAIL() << "no DataError";
  } catch (const DataError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("BAD"), std::string::npos) << message;
    EXPECT_NE(message.find("13/45/2024"), std::string::npos) << message;
  }
  EXPECT_EQ(table[0].fboName, "old");
  EXPECT_EQ(table[0].price100LL, 9);
}

TEST(AttachFBOSummaryTest, IndexOutsideTheTableIsIgnored) {
  DataStore store = SummaryStore();
  TAirportArray table = {Airport("ABC")};
  AttachFBOSummary(store, table, 1);
  EXPECT_EQ(table[0].fboName, "old");
}

TEST(RefreshFBOSummariesTest, StopsAtABadDateKeepingEarlierAirports) {
  DataStore store = SummaryStore();
  store.AirportTable = {Airport("ABC"), Airport("BAD"), Airport("NAP"), Airport("XYZ")};
  store.AirportCount = 3;
  EXPECT_THROW(RefreshFBOSummaries(store), DataError);
  EXPECT_EQ(store.AirportTable[0].fboName, "Cheap Air");
  EXPECT_EQ(store.AirportTable[1].fboName, "old");
  EXPECT_EQ(store.AirportTable[2].fboName, "old");

  store.AirportTable.erase(store.AirportTable.begin() + 1);
  store.AirportCount = 10;  // more than the table holds
  RefreshFBOSummaries(store);
  EXPECT_EQ(store.AirportTable[1].fboName, "Text Air");
  EXPECT_EQ(store.AirportTable[2].fboName, "");
}

TEST(FBOPriceFromFieldTest, NumbersEmptyAndText) {
  const std::vector<std::pair<const char*, double>> cases = {
      {"", 0},       {"   ", 0},      {"4.25", 4.25}, {" 5 ", 5},
      {"N/A", -2.0}, {"$4.25", -2.0}, {"4,25", -2.0}, {"-1.5", -1.5},
  };
  for (const auto& [field, price] : cases)
    EXPECT_DOUBLE_EQ(FBOPriceFromField(field), price) << field;
}

TEST(FBOAgeDaysTest, WholeDaysTruncated) {
  const DateTime today = EncodeDate(2024, 3, 10);
  struct Case {
    DateTime now;
    DateTime priceDate;
    int days;
  };
  const std::vector<Case> cases = {
      {today + 0.75, today, 0},
      {today + 0.75, today - 1, 1},
      {today + 0.25, today - 2, 2},
      {today, today - 2, 2},
      {today + 0.75, 0, static_cast<int>(today)},
      {today - 0.5, today, 0},
      {today - 3.5, today, -3},
  };
  for (const auto& c : cases) EXPECT_EQ(FBOAgeDays(c.now, c.priceDate), c.days) << c.now;

  DataStore store;
  store.clock = [today] { return today + 0.5; };
  EXPECT_EQ(FBOAgeDays(store, today - 7), 7);
}

}  // namespace
}  // namespace kestro
