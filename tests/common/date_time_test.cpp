#include "common/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kestro {
namespace {

TEST(DateTimeTest, EncodesDaysSinceTheEpoch) {
  struct Case {
    int year, month, day;
    double days;
  };
  const std::vector<Case> cases = {
      {1899, 12, 30, 0},    {1899, 12, 29, -1},   {1900, 1, 1, 2},         {1900, 3, 1, 61},
      {2000, 2, 29, 36585}, {2024, 3, 10, 45361}, {9999, 12, 31, 2958465},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.days) << c.year << "-" << c.month;
    const CivilDateTime back = DecodeDateTime(c.days);
    EXPECT_EQ(back.year, c.year);
    EXPECT_EQ(back.month, c.month);
    EXPECT_EQ(back.day, c.day);
  }
}

TEST(DateTimeTest, TimeOfDayIsTheFraction) {
  const CivilDateTime value{2024, 3, 10, 18, 30, 15};
  const DateTime encoded = EncodeDateTime(value);
  EXPECT_NEAR(encoded, 45361 + (18 * 3600 + 30 * 60 + 15) / 86400.0, 1e-9);
  const CivilDateTime back = DecodeDateTime(encoded);
  EXPECT_EQ(back.year, 2024);
  EXPECT_EQ(back.day, 10);
  EXPECT_EQ(back.hour, 18);
  EXPECT_EQ(back.minute, 30);
  EXPECT_EQ(back.second, 15);
  // Before the epoch the day part is still the floor, the fraction still the time of day.
  const CivilDateTime before = DecodeDateTime(-0.75);
  EXPECT_EQ(before.day, 29);
  EXPECT_EQ(before.hour, 6);
}

TEST(DateTimeTest, ValidDates) {
  struct Case {
    int year, month, day;
    bool valid;
  };
  const std::vector<Case> cases = {
      {2024, 2, 29, true},  {2023, 2, 29, false},  {1900, 2, 29, false}, {2000, 2, 29, true},
      {2024, 4, 31, false}, {2024, 12, 31, true},  {2024, 13, 1, false}, {2024, 0, 1, false},
      {2024, 1, 0, false},  {2024, 1, 257, false}, {2024, 1, -1, false}, {0, 1, 1, false},
      {10000, 1, 1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.valid)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DateTimeTest, ParsesMonthDayYear) {
  struct Case {
    const char* text;
    std::optional<double> days;
  };
  const std::vector<Case> cases = {
      {"03/10/2024", 45361},
      {"3/10/2024", 45361},
      {" 3/10/2024\r", 45361},
      {"12/30/1899", 0},
      {"02/29/2024", 45351},
      {"02/30/2024", std::nullopt},
      {"13/01/2024", std::nullopt},
      {"00/10/2024", std::nullopt},
      {"03/10/24", std::nullopt},
      {"2024-03-10", std::nullopt},
      {"03/10/2024x", std::nullopt},
      {"03-10-2024", std::nullopt},
      {"003/10/2024", std::nullopt},
      {"+3/10/2024", std::nullopt},
      {"", std::nullopt},
      {"//", std::nullopt},
      {"N/A", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMonthDayYear(c.text), c.days) << c.text;
}

TEST(DateTimeTest, FormatsMonthDayYear) {
  EXPECT_EQ(FormatMonthDayYear(45361.99), "03/10/2024");
  EXPECT_EQ(FormatMonthDayYear(0), "12/30/1899");
  EXPECT_EQ(FormatMonthDayYear(*ParseMonthDayYear("1/2/2006")), "01/02/2006");
}

TEST(DateTimeTest, ParsesIsoDateTime) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const std::vector<Case> cases = {
      {"2024-03-10", 45361},
      {"2024-03-10T12:00", 45361.5},
      {"2024-03-10 06:00:00", 45361.25},
      {"2024-02-30", std::nullopt},
      {"2024-03-10T24:00", std::nullopt},
      {"2024-03-10T12:60", std::nullopt},
      {"2024-03-10T12", std::nullopt},
      {"2024-03-10X12:00", std::nullopt},
      {"2024/03/10", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseIsoDateTime(c.text);
    ASSERT_EQ(parsed.has_value(), c.value.has_value()) << c.text;
    if (parsed) {
      EXPECT_NEAR(*parsed, *c.value, 1e-9) << c.text;
    }
  }
}

TEST(DateTimeTest, NowIsAPlausibleLocalDate) {
  const DateTime now = NowLocal();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_LT(now, EncodeDate(2200, 1, 1));
  EXPECT_GE(now - std::floor(now), 0.0);
}

}  // namespace
}  // namespace kestro
