// The two small conversions the navigation displays use.
#include <climits>
#include <cmath>
#include <cstdint>

#include "geo/geodesy.h"
#include "geo/units.h"

namespace kestro {

// Rounded half to even in extended precision, as the geodesy is carried; a value beyond the
// range of int is pinned to its end and one that is not a number gives 0.
int NMToFeet(double nm) noexcept {
  const long double feet =
      std::nearbyint(static_cast<long double>(nm) * MetresPerNM * FeetPerMetre);
  if (std::isnan(feet)) return 0;
  if (feet >= INT_MAX) return INT_MAX;
  if (feet <= INT_MIN) return INT_MIN;
  return static_cast<int>(feet);
}

// For headings that differ by less than a full turn this is exactly the rule: b - a, folded by
// one turn when it exceeds 180, with +180 when b > a and -180 when a > b. Headings further apart
// (a course of -10 against one of 710) are first brought within a turn of each other, which
// keeps the answer in -180..180; the difference is taken in 64 bits so that no int overflows.
int HeadingDifference(int a, int b) noexcept {
  std::int64_t d = (static_cast<std::int64_t>(b) - a) % 360;
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return static_cast<int>(d);
}

}  // namespace kestro
