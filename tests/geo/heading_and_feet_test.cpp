#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "geo/geodesy.h"

namespace kestro {
namespace {

TEST(HeadingDifference, SignedTurnFromAToB) {
  struct Case {
    int a;
    int b;
    int turn;
  };
  const Case cases[] = {
      {350, 10, 20},
      {10, 350, -20},
      {0, 180, 180},
      {180, 0, -180},
      {90, 270, 180},
      {270, 90, -180},
      {0, 181, -179},
      {181, 0, 179},
      {45, 45, 0},
      {0, 360, 0},
      {180, 360, 180},
      {360, 180, -180},
      // Headings a full turn or more apart stay within -180..180.
      {-10, 710, 0},
      {0, 900, 180},
      {INT_MIN, INT_MAX, -105},
      {INT_MAX, INT_MIN, 105},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeadingDifference(c.a, c.b), c.turn) << c.a << " -> " << c.b;
  }
}

TEST(NMToFeet, RoundsToWholeFeet) {
  struct Case {
    double nm;
    int feet;
  };
  const Case cases[] = {
      {1, 6076},   {0, 0},          {0.5, 3038},      {10, 60761},
      {-1, -6076}, {1e30, INT_MAX}, {-1e30, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NMToFeet(c.nm), c.feet) << c.nm;
}

}  // namespace
}  // namespace kestro
