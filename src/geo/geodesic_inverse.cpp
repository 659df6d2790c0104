// Vincenty's inverse formula: distance and azimuths between two points on the ellipsoid.
#include <cmath>

#include "geo/geodesy.h"
#include "geo/vincenty_series.h"

namespace kestro {

namespace {

using vincenty::Real;

constexpr int kIterationLimit = 100;
constexpr double kCoincidentDegree = 0.000001;

[[nodiscard]] bool Antipodal(const InverseProblem& p) noexcept {
  return std::fabs(p.lat1) <= 90 && std::fabs(p.lon1) <= 180 && p.lat2 == -p.lat1 &&
         vincenty::Mod(static_cast<Real>(p.lon2) - p.lon1, 360) == 180;
}

// The longitude difference is taken round the globe, so that 180 E and 180 W are one meridian.
[[nodiscard]] bool Coincident(const InverseProblem& p) noexcept {
  const Real lonDifference = vincenty::Mod(static_cast<Real>(p.lon2) - p.lon1, 360);
  return std::fabs(p.lat1 - p.lat2) < kCoincidentDegree &&
         (lonDifference < kCoincidentDegree || 360 - lonDifference < kCoincidentDegree);
}

// A latitude beyond the poles or a value that is not a number has no reduced latitude; tan()
// would fold it back onto the globe and give a plausible answer for the wrong point.
[[nodiscard]] bool UsablePoints(const InverseProblem& p) noexcept {
  return std::isfinite(p.lat1) && std::isfinite(p.lon1) && std::isfinite(p.lat2) &&
         std::isfinite(p.lon2) && std::fabs(p.lat1) <= 90 && std::fabs(p.lat2) <= 90;
}

void SetCoincident(InverseProblem& p) noexcept {
  p.forwardAzimuth = 0;
  p.reverseAzimuth = 0;
  p.distanceMetre = 0;
}

}  // namespace

int GeodesicInverse(InverseProblem& p) noexcept {
  using namespace vincenty;

  if (Antipodal(p)) return GeodesicAntipodal;
  if (Coincident(p)) {
    SetCoincident(p);
    return GeodesicCoincident;
  }
  Ellipsoid e{};
  if (!LookUpEllipsoid(p.ellipsoid, e)) return GeodesicBadEllipsoid;
  if (!UsablePoints(p)) return GeodesicReducedLatitudeFailure;

  const auto [sinU1, cosU1] = ReduceLatitude(p.lat1, e.f);
  const auto [sinU2, cosU2] = ReduceLatitude(p.lat2, e.f);

  const Real longitudeDifference =
      ReduceLongitude((static_cast<Real>(p.lon2) - p.lon1) * kRadianPerDegree);
  Real lambda = longitudeDifference;
  Real sinLambda = 0;
  Real cosLambda = 0;
  Real sinSigma = 0;
  Real cosSigma = 0;
  Real sigma = 0;
  Real sinAlpha = 0;
  Real cosSqAlpha = 0;
  Real cos2SigmaM = 0;
  bool converged = false;
  for (int iteration = 0; iteration < kIterationLimit; ++iteration) {
    sinLambda = std::sin(lambda);
    cosLambda = std::cos(lambda);
    const Real east = cosU2 * sinLambda;
    const Real north = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
    sinSigma = std::sqrt(east * east + north * north);
    cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
    if (sinSigma == 0) {
      // The points fell together on the auxiliary sphere: one point met twice (a pole under
      // two longitudes) or two exact antipodes that the first test did not see.
      if (cosSigma < 0) return GeodesicAntipodal;
      SetCoincident(p);
      return GeodesicCoincident;
    }
    sigma = std::atan2(sinSigma, cosSigma);
    sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
    if (sinAlpha > 1) sinAlpha = 1;
    if (sinAlpha < -1) sinAlpha = -1;
    cosSqAlpha = 1 - sinAlpha * sinAlpha;
    cos2SigmaM = Cos2SigmaM(cosSigma, sinU1, sinU2, cosSqAlpha);
    const Real c = SeriesC(e.f, cosSqAlpha);
    const Real next = longitudeDifference +
                      LongitudeCorrection(e.f, c, sinAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);
    const bool settled = std::fabs(lambda - next) <= kToleranceRadian;
    lambda = next;
    if (settled) {
      converged = true;
      break;
    }
  }
  if (!converged) return GeodesicNoConvergence;

  // The series and the azimuths use the last evaluated line, whose lambda differs from the
  // final one by less than the tolerance.
  const Real uSq = USquared(e, cosSqAlpha);
  const Real seriesA = SeriesA(uSq);
  const Real seriesB = SeriesB(uSq);
  const Real deltaSigma = DeltaSigma(seriesB, sinSigma, cosSigma, cos2SigmaM);
  const Real distance = e.b * seriesA * (sigma - deltaSigma);

  const Real forward = std::atan2(cosU2 * sinLambda, cosU1 * sinU2 - sinU1 * cosU2 * cosLambda);
  const Real reverse =
      std::atan2(cosU1 * sinLambda, cosU1 * sinU2 * cosLambda - sinU1 * cosU2) - kPi;

  p.forwardAzimuth = AzimuthDegree(forward);
  p.reverseAzimuth = AzimuthDegree(reverse);
  p.distanceMetre = static_cast<double>(distance);
  return GeodesicSolved;
}

}  // namespace kestro
