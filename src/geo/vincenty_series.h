#pragma once

// The series of Vincenty's formulae shared by the inverse, the direct problem and the
// antipodal search, with the angle reductions they use. Internal to the geodesy library.

#include <cmath>
#include <numbers>

#include "geo/geodesy.h"

namespace kestro::vincenty {

using Real = long double;

inline constexpr Real kPi = std::numbers::pi_v<long double>;
inline constexpr Real kTwoPi = 2 * kPi;
inline constexpr Real kRadianPerDegree = kPi / 180;
inline constexpr Real kDegreePerRadian = 180 / kPi;

// Both iterations stop once successive values agree this closely (radians, about 0.3 um).
inline constexpr Real kToleranceRadian = 5e-14L;

struct Ellipsoid {
  Real a;  // semi-major axis, metres
  Real b;  // semi-minor axis, metres
  Real f;  // flattening (a - b) / a
};

// The ellipsoid of the table with the given number; false outside 1..EllipsoidCount.
[[nodiscard]] inline bool LookUpEllipsoid(int number, Ellipsoid& ellipsoid) noexcept {
  const EllipseStruct* entry = FindEllipsoid(number);
  if (entry == nullptr) return false;
  ellipsoid.a = entry->a;
  ellipsoid.b = entry->b;
  ellipsoid.f = (ellipsoid.a - ellipsoid.b) / ellipsoid.a;
  return true;
}

struct ReducedLatitude {
  Real sinU;
  Real cosU;
};

// The reduced latitude U, tan U = (1 - f) tan(latitude), by its sine and cosine. They are taken
// from the sine and cosine of the latitude rather than through tan and atan: pi/2 is not exact
// in floating point, so tan(90 degrees) comes out as a huge number of either sign, and the south
// pole could turn into the north pole. The poles themselves get cos U = 0 exactly.
[[nodiscard]] inline ReducedLatitude ReduceLatitude(Real latitudeDegree, Real f) noexcept {
  if (latitudeDegree == 90) return {1, 0};
  if (latitudeDegree == -90) return {-1, 0};
  const Real latitude = latitudeDegree * kRadianPerDegree;
  const Real y = (1 - f) * std::sin(latitude);
  const Real x = std::cos(latitude);
  const Real h = std::sqrt(y * y + x * x);  // both at most 1: no need for hypot's scaling
  return {y / h, x / h};
}

// x mod m = x - m floor(x / m), in [0, m] for m > 0. Taken through fmod, which is exact, so that
// even an absurd angle from an absurd distance comes back within one turn.
[[nodiscard]] inline Real Mod(Real x, Real m) noexcept {
  const Real remainder = std::fmod(x, m);
  return remainder < 0 ? remainder + m : remainder;
}

// [0, 2 pi). A tiny negative angle would otherwise round up to 2 pi itself.
[[nodiscard]] inline Real ReduceAzimuth(Real radian) noexcept {
  const Real reduced = Mod(radian, kTwoPi);
  return reduced >= kTwoPi ? 0 : reduced;
}

// [-pi, pi).
[[nodiscard]] inline Real ReduceLongitude(Real radian) noexcept {
  const Real reduced = Mod(radian + kPi, kTwoPi) - kPi;
  return reduced >= kPi ? -kPi : reduced;
}

// An azimuth in radians as degrees in [0, 360): rounding to double must not yield 360 itself.
[[nodiscard]] inline double AzimuthDegree(Real radian) noexcept {
  const auto degree = static_cast<double>(ReduceAzimuth(radian) * kDegreePerRadian);
  return degree >= 360.0 ? 0.0 : degree;
}

// u^2 = cos^2(alpha) (a^2 - b^2) / b^2.
[[nodiscard]] inline Real USquared(const Ellipsoid& e, Real cosSqAlpha) noexcept {
  return cosSqAlpha * (e.a * e.a - e.b * e.b) / (e.b * e.b);
}

// Vincenty's A.
[[nodiscard]] inline Real SeriesA(Real uSq) noexcept {
  return 1 + uSq / 16384 * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
}

// Vincenty's B.
[[nodiscard]] inline Real SeriesB(Real uSq) noexcept {
  return uSq / 1024 * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
}

// Delta sigma, the arc correction between the auxiliary sphere and the ellipsoid.
[[nodiscard]] inline Real DeltaSigma(Real seriesB, Real sinSigma, Real cosSigma,
                                     Real cos2SigmaM) noexcept {
  const Real cos2SigmaMSq = cos2SigmaM * cos2SigmaM;
  return seriesB * sinSigma *
         (cos2SigmaM +
          seriesB / 4 *
              (cosSigma * (2 * cos2SigmaMSq - 1) -
               seriesB / 6 * cos2SigmaM * (4 * sinSigma * sinSigma - 3) * (4 * cos2SigmaMSq - 3)));
}

// Vincenty's C.
[[nodiscard]] inline Real SeriesC(Real f, Real cosSqAlpha) noexcept {
  return f / 16 * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
}

// The difference between the longitude on the auxiliary sphere and on the ellipsoid.
[[nodiscard]] inline Real LongitudeCorrection(Real f, Real seriesC, Real sinAlpha, Real sigma,
                                              Real sinSigma, Real cosSigma,
                                              Real cos2SigmaM) noexcept {
  return (1 - seriesC) * f * sinAlpha *
         (sigma + seriesC * sinSigma *
                      (cos2SigmaM + seriesC * cosSigma * (2 * cos2SigmaM * cos2SigmaM - 1)));
}

// cos 2 sigma_m of the inverse. On an equatorial line cos^2(alpha) is 0 and the quotient is
// undefined, but so are u^2 and C, which leaves nothing for cos 2 sigma_m to multiply.
[[nodiscard]] inline Real Cos2SigmaM(Real cosSigma, Real sinU1, Real sinU2,
                                     Real cosSqAlpha) noexcept {
  if (cosSqAlpha == 0) return 0;
  return cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha;
}

}  // namespace kestro::vincenty
