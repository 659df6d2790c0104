#include "common/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kestro {
namespace {

TEST(RoundingTest, HalfToEvenAndTruncation) {
  struct Case {
    double value;
    std::int64_t even;
    std::int64_t truncated;
  };
  const std::vector<Case> cases = {
      {0.5, 0, 0},    {1.5, 2, 1},    {2.5, 2, 2},    {3.5, 4, 3},    {-0.5, 0, 0}, {-1.5, -2, -1},
      {-2.5, -2, -2}, {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.7, -3, -2}, {0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.even) << c.value;
    EXPECT_EQ(RoundHalfEvenInt(c.value), static_cast<int>(c.even)) << c.value;
    EXPECT_EQ(TruncateToInt(c.value), c.truncated) << c.value;
  }
}

}  // namespace
}  // namespace kestro
