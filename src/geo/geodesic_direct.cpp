// Vincenty's direct formula: the point at a given azimuth and distance from a start point.
#include <cmath>

#include "geo/geodesy.h"
#include "geo/vincenty_series.h"

namespace kestro {

namespace {

using vincenty::Real;

// The arc iteration contracts by a factor of about B (under 0.002 on any of the ellipsoids) and
// settles within five rounds on real distances. The cap only matters for absurd distances,
// where sigma is so large that one unit in its last place exceeds the tolerance and the
// iteration could alternate between two neighbouring values for ever.
constexpr int kIterationCap = 50;

[[nodiscard]] bool UsableInput(const DirectProblem& p) noexcept {
  return std::isfinite(p.lat1) && std::isfinite(p.lon1) && std::isfinite(p.forwardAzimuth) &&
         std::isfinite(p.distanceMetre) && std::fabs(p.lat1) <= 90;
}

}  // namespace

int GeodesicDirect(DirectProblem& p) noexcept {
  using namespace vincenty;

  if (p.distanceMetre == 0) {
    p.lat2 = p.lat1;
    p.lon2 = p.lon1;
    p.reverseAzimuth = 0;
    return GeodesicZeroDistance;
  }
  Ellipsoid e{};
  if (!LookUpEllipsoid(p.ellipsoid, e)) return GeodesicBadEllipsoid;
  if (!UsableInput(p)) return GeodesicReducedLatitudeFailure;

  const Real alpha1 = p.forwardAzimuth * kRadianPerDegree;
  const Real sinAlpha1 = std::sin(alpha1);
  const Real cosAlpha1 = std::cos(alpha1);
  const auto [sinU1, cosU1] = ReduceLatitude(p.lat1, e.f);
  // sigma1 = atan2(tan U1, cos alpha1), the arc from the equator crossing to point 1, enters
  // only as 2 sigma1 through its sine and cosine, taken here from tan sigma1 with both sides
  // scaled by cos U1: that stays finite at a pole and divides by no cos alpha1. The textbook
  // atan(tan U1 / cos alpha1) differs from sigma1 by pi at most, which 2 sigma1 turns into a
  // whole turn.
  const Real y = sinU1;
  const Real x = cosU1 * cosAlpha1;
  const Real hSq = x * x + y * y;
  const Real sin2Sigma1 = hSq > 0 ? 2 * x * y / hSq : 0;
  const Real cos2Sigma1 = hSq > 0 ? (x * x - y * y) / hSq : 1;
  const Real sinAlpha = cosU1 * sinAlpha1;
  const Real cosSqAlpha = 1 - sinAlpha * sinAlpha;
  const Real uSq = USquared(e, cosSqAlpha);
  const Real seriesA = SeriesA(uSq);
  const Real seriesB = SeriesB(uSq);

  // cos 2 sigma_m = cos(2 sigma1 + sigma) by the addition formula, which leaves one sincos of
  // sigma per round.
  const Real sigmaSphere = p.distanceMetre / (e.b * seriesA);
  Real sigma = sigmaSphere;
  Real sinSigma = std::sin(sigma);
  Real cosSigma = std::cos(sigma);
  Real cos2SigmaM = cos2Sigma1 * cosSigma - sin2Sigma1 * sinSigma;
  for (int iteration = 0; iteration < kIterationCap; ++iteration) {
    const Real next = sigmaSphere + DeltaSigma(seriesB, sinSigma, cosSigma, cos2SigmaM);
    const bool settled = std::fabs(sigma - next) <= kToleranceRadian;
    sigma = next;
    sinSigma = std::sin(sigma);
    cosSigma = std::cos(sigma);
    cos2SigmaM = cos2Sigma1 * cosSigma - sin2Sigma1 * sinSigma;
    if (settled) break;
  }

  const Real across = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
  // atan2 with a non-negative second argument already lies in [-pi/2, pi/2]. The latitude is
  // deliberately not folded by ((x + pi/2) mod pi) - pi/2: that maps the north pole itself onto
  // the south pole.
  const Real lat2 = std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                               (1 - e.f) * std::sqrt(sinAlpha * sinAlpha + across * across));
  const Real lambda =
      std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
  const Real c = SeriesC(e.f, cosSqAlpha);
  const Real longitudeDifference =
      lambda - LongitudeCorrection(e.f, c, sinAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);
  const Real lon2 = ReduceLongitude(p.lon1 * kRadianPerDegree + longitudeDifference);
  const Real forwardAtPoint2 = std::atan2(sinAlpha, -across);

  p.lat2 = static_cast<double>(lat2 * kDegreePerRadian);
  p.lon2 = static_cast<double>(lon2 * kDegreePerRadian);
  p.reverseAzimuth = AzimuthDegree(forwardAtPoint2 - kPi);
  return GeodesicSolved;
}

}  // namespace kestro
