#pragma once

namespace kestro {

// Geodesics on the ellipsoid by Vincenty's inverse and direct formulae.

struct EllipseStruct {
  double a;          // semi-major axis, metres
  double b;          // semi-minor axis, metres
  const char* name;  // e.g. "WGS-84"
};

struct DatumStruct {
  int ellipsoid;  // number in the ellipsoid table, from 1
  const char* name;
};

inline constexpr int EllipsoidCount = 22;
inline constexpr int DatumCount = 103;
inline constexpr int WGS84 = 22;
inline constexpr int Clarke1866 = 5;

// Numbered from 1; nullptr outside the table.
[[nodiscard]] const EllipseStruct* FindEllipsoid(int number) noexcept;
[[nodiscard]] const DatumStruct* FindDatum(int number) noexcept;

// What GeodesicInverse and GeodesicDirect return. On 4, 7, 19 and 26 no output is written.
enum GeodesicResult : int {
  GeodesicSolved = 0,
  GeodesicAntipodal = 4,                // inverse: the points are antipodes
  GeodesicBadEllipsoid = 7,             // ellipsoid number outside 1..EllipsoidCount
  GeodesicReducedLatitudeFailure = 19,  // no reduced latitude: a coordinate (or, for the direct
                                        // problem, the azimuth or distance) is not a finite
                                        // number, or a latitude lies beyond a pole
  GeodesicCoincident = 24,              // inverse: the points coincide; azimuths and distance 0
  GeodesicZeroDistance = 25,            // direct: distance 0; point 2 = point 1, reverse azimuth 0
  GeodesicNoConvergence = 26,           // inverse: no convergence in 100 iterations (nearly
                                        // antipodal points)
};

// Degrees, north and east positive; distances in metres.
struct InverseProblem {
  double lat1 = 0, lon1 = 0, lat2 = 0, lon2 = 0;  // inputs
  double forwardAzimuth = 0;                      // output, at point 1
  double reverseAzimuth = 0;                      // output, from point 2 back to point 1
  double distanceMetre = 0;                       // output
  int ellipsoid = WGS84;                          // input
};

struct DirectProblem {
  double lat1 = 0, lon1 = 0;  // inputs
  double lat2 = 0, lon2 = 0;  // outputs
  double forwardAzimuth = 0;  // input, at point 1
  double reverseAzimuth = 0;  // output, from point 2 back to point 1
  double distanceMetre = 0;   // input
  int ellipsoid = WGS84;      // input
};

[[nodiscard]] int GeodesicInverse(InverseProblem& problem) noexcept;
[[nodiscard]] int GeodesicDirect(DirectProblem& problem) noexcept;

struct CourseDistance {
  double courseDeg = 0;      // 0 <= course < 360, unrounded
  double distanceMetre = 0;  // truncated towards zero to whole metres
};

struct GeoPoint {
  double lat = 0;
  double lon = 0;
};

// WGS-84 wrappers used by the rest of the program. They never return NaN: nearly antipodal
// pairs are solved by a search over the azimuth instead, and unusable coordinates give zeros
// (CourseAndDistance) or the start point (PointAtCourseDistance); see course_and_distance.cpp.
[[nodiscard]] CourseDistance CourseAndDistance(double lat1, double lon1, double lat2,
                                               double lon2) noexcept;
[[nodiscard]] GeoPoint PointAtCourseDistance(double lat, double lon, double courseDeg,
                                             double distanceMetre) noexcept;

// Nautical miles to whole feet, rounded half to even.
[[nodiscard]] int NMToFeet(double nm) noexcept;

// The signed turn from heading a to heading b, in -180..180 (whole degrees).
[[nodiscard]] int HeadingDifference(int a, int b) noexcept;

}  // namespace kestro
