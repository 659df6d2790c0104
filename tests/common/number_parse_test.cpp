#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace kestro {
namespace {

TEST(NumberParseTest, Integers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const std::vector<Case> cases = {
      {"42", 42},
      {"-7", -7},
      {" +3 ", 3},
      {"\t12\r\n", 12},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"4.0", std::nullopt},
      {"12abc", std::nullopt},
      {"+", std::nullopt},
      {"+-3", std::nullopt},
      {"++3", std::nullopt},
      {"-", std::nullopt},
      {"1 2", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt(c.text), c.value) << c.text;
  EXPECT_EQ(ParseInt64("9000000000"), std::optional<std::int64_t>(9000000000));
  EXPECT_EQ(ParseInt64("99999999999999999999"), std::nullopt);
}

TEST(NumberParseTest, Reals) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const std::vector<Case> cases = {
      {"4.25", 4.25},
      {"-90.5", -90.5},
      {"1e3", 1000},
      {"+2", 2},
      {" 5.", 5},
      {".5", 0.5},
      {"0", 0},
      {"1,5", std::nullopt},
      {"", std::nullopt},
      {"N/A", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1e999", std::nullopt},
      {"$4.25", std::nullopt},
      {"4.25$", std::nullopt},
      {"+-1", std::nullopt},
      {"0x1p3", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDouble(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kestro
