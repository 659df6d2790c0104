#include "geo/antipodal_inverse.h"

#include <cmath>
#include <utility>

#include "geo/vincenty_series.h"

namespace kestro {

namespace {

using vincenty::Real;

constexpr int kBisectionLimit = 200;

// One geodesic from point 1 followed to the point where it first crosses the latitude of
// point 2 heading north. Point 1 lies on or south of the equator and no nearer to it than
// point 2, so that crossing always exists.
struct Line {
  Real lambda12 = 0;  // longitude gained on the ellipsoid, radians
  Real sigma = 0;     // arc on the auxiliary sphere
  Real sinSigma = 0;
  Real cosSigma = 0;
  Real cos2SigmaM = 0;
  Real cosSqAlpha = 0;
  Real forwardAtPoint2 = 0;
};

struct Start {
  Real sinU1;
  Real cosU1;
  Real sinU2;
};

[[nodiscard]] Line Trace(const vincenty::Ellipsoid& e, const Start& s, Real alpha1) noexcept {
  using namespace vincenty;
  const Real sinAlpha1 = std::sin(alpha1);
  const Real cosAlpha1 = std::cos(alpha1);

  // On the auxiliary sphere sin(latitude) along the line is r cos(sigma - sigmaTop).
  const Real northward = s.cosU1 * cosAlpha1;
  const Real r = std::sqrt(s.sinU1 * s.sinU1 + northward * northward);
  Real sigmaTop = std::atan2(northward, s.sinU1);
  if (sigmaTop < 0) sigmaTop += kTwoPi;
  Real ratio = r > 0 ? s.sinU2 / r : 0;
  if (ratio > 1) ratio = 1;
  if (ratio < -1) ratio = -1;
  Line line;
  line.sigma = sigmaTop - std::acos(ratio);
  // Only rounding takes it below zero, when point 2 shares the latitude of point 1.
  if (line.sigma < 0) line.sigma = 0;
  line.sinSigma = std::sin(line.sigma);
  line.cosSigma = std::cos(line.sigma);

  Real omega = std::atan2(line.sinSigma * sinAlpha1,
                          s.cosU1 * line.cosSigma - s.sinU1 * line.sinSigma * cosAlpha1);
  if (omega < 0) omega += kTwoPi;

  const Real sinAlpha = s.cosU1 * sinAlpha1;
  line.cosSqAlpha = 1 - sinAlpha * sinAlpha;
  const Real sigma1 = std::atan2(s.sinU1, northward);
  line.cos2SigmaM = std::cos(2 * sigma1 + line.sigma);
  const Real c = SeriesC(e.f, line.cosSqAlpha);
  line.lambda12 = omega - LongitudeCorrection(e.f, c, sinAlpha, line.sigma, line.sinSigma,
                                              line.cosSigma, line.cos2SigmaM);
  line.forwardAtPoint2 =
      std::atan2(sinAlpha, s.cosU1 * line.cosSigma * cosAlpha1 - s.sinU1 * line.sinSigma);
  return line;
}

}  // namespace

bool AntipodalInverse(InverseProblem& p) noexcept {
  using namespace vincenty;
  Ellipsoid e{};
  if (!LookUpEllipsoid(p.ellipsoid, e)) return false;
  if (!std::isfinite(p.lat1) || !std::isfinite(p.lon1) || !std::isfinite(p.lat2) ||
      !std::isfinite(p.lon2) || std::fabs(p.lat1) > 90 || std::fabs(p.lat2) > 90) {
    return false;
  }

  // Standard orientation: point 1 the one farther from the equator, then both mirrored so
  // that it lies in the south and point 2 lies east of it. Each step is undone on the azimuths.
  Real lat1 = p.lat1;  // degrees
  Real lat2 = p.lat2;
  Real lonDifference = ReduceLongitude((static_cast<Real>(p.lon2) - p.lon1) * kRadianPerDegree);
  const bool swapped = std::fabs(lat1) < std::fabs(lat2);
  if (swapped) {
    std::swap(lat1, lat2);
    lonDifference = -lonDifference;
  }
  const bool mirroredNorthSouth = lat1 > 0;
  if (mirroredNorthSouth) {
    lat1 = -lat1;
    lat2 = -lat2;
  }
  const bool mirroredEastWest = lonDifference < 0;
  if (mirroredEastWest) lonDifference = -lonDifference;

  const ReducedLatitude point1 = ReduceLatitude(lat1, e.f);
  Start start{};
  start.sinU1 = point1.sinU;
  start.cosU1 = point1.cosU;
  start.sinU2 = ReduceLatitude(lat2, e.f).sinU;

  Real low = 0;
  Real high = kPi;
  for (int step = 0; step < kBisectionLimit; ++step) {
    const Real middle = (low + high) / 2;
    if (middle <= low || middle >= high) break;
    if (Trace(e, start, middle).lambda12 < lonDifference) {
      low = middle;
    } else {
      high = middle;
    }
  }
  const Real alpha1 = (low + high) / 2;
  const Line line = Trace(e, start, alpha1);

  const Real uSq = USquared(e, line.cosSqAlpha);
  const Real deltaSigma = DeltaSigma(SeriesB(uSq), line.sinSigma, line.cosSigma, line.cos2SigmaM);
  const Real distance = e.b * SeriesA(uSq) * (line.sigma - deltaSigma);

  Real atStart = alpha1;
  Real atEnd = line.forwardAtPoint2;
  if (mirroredEastWest) {
    atStart = -atStart;
    atEnd = -atEnd;
  }
  if (mirroredNorthSouth) {
    atStart = kPi - atStart;
    atEnd = kPi - atEnd;
  }
  // Swapped, the line ran from point 2 to point 1: its start azimuth is the reverse azimuth,
  // and the forward azimuth at point 1 points back along its end.
  const Real forward = swapped ? atEnd + kPi : atStart;
  const Real reverse = swapped ? atStart : atEnd - kPi;

  p.forwardAzimuth = AzimuthDegree(forward);
  p.reverseAzimuth = AzimuthDegree(reverse);
  p.distanceMetre = static_cast<double>(distance);
  return true;
}

}  // namespace kestro
