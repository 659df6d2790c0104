#pragma once

namespace kestro {

// The one place for unit conversions. Distances are computed in metres and shown in nautical
// miles; courses are true degrees.
inline constexpr double MetresPerNM = 1852.0;
inline constexpr double FeetPerMetre = 3.2808399;

[[nodiscard]] constexpr double nmToMeter(double nm) noexcept {
  return nm * MetresPerNM;
}
[[nodiscard]] constexpr double meterToNm(double metre) noexcept {
  return metre / MetresPerNM;
}

}  // namespace kestro
