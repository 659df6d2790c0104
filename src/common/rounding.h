#pragma once

#include <cmath>
#include <cstdint>

namespace kestro {

// Conversions of reals to whole numbers round half to even (2.5 -> 2, 3.5 -> 4), which is what
// the default floating-point rounding mode does.
[[nodiscard]] inline std::int64_t RoundHalfEven(double value) noexcept {
  return static_cast<std::int64_t>(std::nearbyint(value));
}

[[nodiscard]] inline int RoundHalfEvenInt(double value) noexcept {
  return static_cast<int>(std::nearbyint(value));
}

// Truncation towards zero, for the places that say "truncated".
[[nodiscard]] inline std::int64_t TruncateToInt(double value) noexcept {
  return static_cast<std::int64_t>(std::trunc(value));
}

}  // namespace kestro
