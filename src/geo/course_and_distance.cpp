// The WGS-84 wrappers through which the rest of the program measures legs and plots points.
#include <cmath>

#include "common/rounding.h"
#include "geo/antipodal_inverse.h"
#include "geo/geodesy.h"

namespace kestro {

// Callers always get a course in [0, 360) and a distance in metres. Where Vincenty's iteration
// gives up, on exact antipodes (4) and on nearly antipodal pairs that do not converge (26), the
// azimuth search of AntipodalInverse solves the same problem to the same accuracy. For
// exact antipodes every meridian-like line is equally short, so the course there is the one the
// search settles on, with half the meridian as distance. Coordinates that are not numbers or lie
// beyond a pole (19) have no answer; they give course 0 and distance 0 rather than NaN.
CourseDistance CourseAndDistance(double lat1, double lon1, double lat2, double lon2) noexcept {
  InverseProblem problem{lat1, lon1, lat2, lon2};
  problem.ellipsoid = WGS84;
  const int code = GeodesicInverse(problem);
  const bool solved =
      code == GeodesicSolved || code == GeodesicCoincident ||
      ((code == GeodesicAntipodal || code == GeodesicNoConvergence) && AntipodalInverse(problem));
  if (!solved) return {};
  CourseDistance result;
  result.courseDeg = problem.forwardAzimuth;
  result.distanceMetre = static_cast<double>(TruncateToInt(problem.distanceMetre));
  return result;
}

// The direct problem has no failure on usable input. A start point, course or distance that is
// not a number, or a start beyond a pole (19), leaves the aircraft where it was: the start point
// when that is a real position, otherwise 0, 0.
GeoPoint PointAtCourseDistance(double lat, double lon, double courseDeg,
                               double distanceMetre) noexcept {
  DirectProblem problem;
  problem.lat1 = lat;
  problem.lon1 = lon;
  problem.forwardAzimuth = courseDeg;
  problem.distanceMetre = distanceMetre;
  problem.ellipsoid = WGS84;
  const int code = GeodesicDirect(problem);
  if (code == GeodesicSolved || code == GeodesicZeroDistance) {
    return {problem.lat2, problem.lon2};
  }
  if (std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) <= 90) return {lat, lon};
  return {};
}

}  // namespace kestro
