#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "geo/geodesy.h"

namespace kestro {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kUntouched = 12345.0;  // outputs preset to this must survive a failure

struct InverseCase {
  const char* what;
  double lat1, lon1, lat2, lon2;
  int ellipsoid;
  int code;
};

TEST(GeodesicInverse, ResultCodes) {
  const InverseCase cases[] = {
      {"identical points", 40, -100, 40, -100, WGS84, GeodesicCoincident},
      {"closer than 1e-6 degree", 40, -100, 40.0000005, -100.0000005, WGS84, GeodesicCoincident},
      {"180 E and 180 W", 40, 180, 40, -180, WGS84, GeodesicCoincident},
      {"one pole under two longitudes", 90, 0, 90, 50, WGS84, GeodesicCoincident},
      {"coincident before the ellipsoid is looked up", 1, 2, 1, 2, 0, GeodesicCoincident},
      {"antipodes", 40, -100, -40, 80, WGS84, GeodesicAntipodal},
      {"antipodes on the equator", 0, 10, 0, -170, WGS84, GeodesicAntipodal},
      {"pole to pole", 90, 0, -90, 77, WGS84, GeodesicAntipodal},
      {"nearly antipodal", 0, 0, 0.5, 179.5, WGS84, GeodesicNoConvergence},
      {"nearly antipodal on the equator", 0, 0, 0, 179.7, WGS84, GeodesicNoConvergence},
      {"ellipsoid 0", 40, -100, 41, -101, 0, GeodesicBadEllipsoid},
      {"ellipsoid 23", 40, -100, 41, -101, EllipsoidCount + 1, GeodesicBadEllipsoid},
      {"latitude not a number", kNaN, -100, 41, -101, WGS84, GeodesicReducedLatitudeFailure},
      {"longitude infinite", 40, -100, 41, kInf, WGS84, GeodesicReducedLatitudeFailure},
      {"latitude beyond the pole", 40, -100, 91, -101, WGS84, GeodesicReducedLatitudeFailure},
      {"solved", 40, -100, 41, -101, WGS84, GeodesicSolved},
  };
  for (const InverseCase& c : cases) {
    InverseProblem p{c.lat1, c.lon1, c.lat2, c.lon2, kUntouched, kUntouched, kUntouched};
    p.ellipsoid = c.ellipsoid;
    EXPECT_EQ(GeodesicInverse(p), c.code) << c.what;
    if (c.code == GeodesicSolved) {
      EXPECT_GT(p.distanceMetre, 100000.0) << c.what;
    } else if (c.code == GeodesicCoincident) {
      EXPECT_EQ(p.forwardAzimuth, 0.0) << c.what;
      EXPECT_EQ(p.reverseAzimuth, 0.0) << c.what;
      EXPECT_EQ(p.distanceMetre, 0.0) << c.what;
    } else {
      EXPECT_EQ(p.forwardAzimuth, kUntouched) << c.what;
      EXPECT_EQ(p.reverseAzimuth, kUntouched) << c.what;
      EXPECT_EQ(p.distanceMetre, kUntouched) << c.what;
    }
  }
}

struct DirectCase {
  const char* what;
  double lat1, lon1, azimuth, distance;
  int ellipsoid;
  int code;
};

TEST(GeodesicDirect, ResultCodes) {
  const DirectCase cases[] = {
      {"distance 0", 40, -100, 45, 0, WGS84, GeodesicZeroDistance},
      {"distance 0 before the ellipsoid is looked up", 40, -100, 45, 0, 0, GeodesicZeroDistance},
      {"ellipsoid 23", 40, -100, 45, 1000, EllipsoidCount + 1, GeodesicBadEllipsoid},
      {"azimuth not a number", 40, -100, kNaN, 1000, WGS84, GeodesicReducedLatitudeFailure},
      {"distance infinite", 40, -100, 45, kInf, WGS84, GeodesicReducedLatitudeFailure},
      {"latitude beyond the pole", 95, -100, 45, 1000, WGS84, GeodesicReducedLatitudeFailure},
      {"solved", 40, -100, 45, 1000, Clarke1866, GeodesicSolved},
  };
  for (const DirectCase& c : cases) {
    DirectProblem p;
    p.lat1 = c.lat1;
    p.lon1 = c.lon1;
    p.forwardAzimuth = c.azimuth;
    p.distanceMetre = c.distance;
    p.ellipsoid = c.ellipsoid;
    p.lat2 = p.lon2 = p.reverseAzimuth = kUntouched;
    EXPECT_EQ(GeodesicDirect(p), c.code) << c.what;
    if (c.code == GeodesicZeroDistance) {
      EXPECT_EQ(p.lat2, c.lat1) << c.what;
      EXPECT_EQ(p.lon2, c.lon1) << c.what;
      EXPECT_EQ(p.reverseAzimuth, 0.0) << c.what;
    } else if (c.code == GeodesicSolved) {
      EXPECT_NEAR(p.lat2, 40.0064, 0.0001) << c.what;
      EXPECT_NEAR(p.reverseAzimuth, 225.0, 0.01) << c.what;
    } else {
      EXPECT_EQ(p.lat2, kUntouched) << c.what;
      EXPECT_EQ(p.lon2, kUntouched) << c.what;
      EXPECT_EQ(p.reverseAzimuth, kUntouched) << c.what;
    }
  }
}

TEST(GeodesicDirect, EastAlongTheEquatorStaysOnIt) {
  // Along the equator the distance is a times the longitude difference in radians.
  const double distance = 1000000.0;
  const GeoPoint p = PointAtCourseDistance(0, 0, 90, distance);
  const double a = FindEllipsoid(WGS84)->a;
  EXPECT_NEAR(p.lat, 0.0, 1e-15);
  EXPECT_NEAR(p.lon, distance / a * 180 / std::numbers::pi, 1e-11);
  const GeoPoint west = PointAtCourseDistance(0, 0, 270, distance);
  EXPECT_NEAR(west.lat, 0.0, 1e-15);
  EXPECT_NEAR(west.lon, -distance / a * 180 / std::numbers::pi, 1e-11);
}

TEST(GeodesicDirect, ThePolesStayWhereTheyAre) {
  // A step too small to leave 90 degrees in extended precision: folding the latitude into
  // [-90, 90) would send it to the south pole.
  EXPECT_GT(PointAtCourseDistance(90, 0, 180, 1e-13).lat, 89.999999);
  EXPECT_LT(PointAtCourseDistance(-90, 0, 0, 1e-13).lat, -89.999999);
  // tan(-90 degrees) in floating point may come out positive; the south pole must not be
  // taken for the north pole.
  EXPECT_NEAR(PointAtCourseDistance(-90, 0, 0, 111000).lat, -89.0, 0.01);
  EXPECT_NEAR(PointAtCourseDistance(90, 0, 180, 111000).lat, 89.0, 0.01);
  EXPECT_NEAR(CourseAndDistance(-90, 0, -89, 0).distanceMetre, 111700, 100);
  EXPECT_NEAR(CourseAndDistance(90, 0, 89, 0).distanceMetre, 111700, 100);
}

TEST(GeodesicDirect, AbsurdDistancesStillReturn) {
  for (double distance : {1e13, 1e15, 1e300, -1e300}) {
    const GeoPoint p = PointAtCourseDistance(10, 20, 33, distance);
    EXPECT_TRUE(std::isfinite(p.lat) && std::fabs(p.lat) <= 90) << distance;
    EXPECT_TRUE(std::isfinite(p.lon) && std::fabs(p.lon) <= 180) << distance;
  }
}

TEST(CourseAndDistance, IdenticalPointsGiveZero) {
  const CourseDistance cd = CourseAndDistance(40, -100, 40, -100);
  EXPECT_EQ(cd.courseDeg, 0.0);
  EXPECT_EQ(cd.distanceMetre, 0.0);
}

TEST(CourseAndDistance, DistanceIsTruncatedToWholeMetres) {
  // Two degrees of the equator: 2 pi a / 180 = 222638.98 m.
  const CourseDistance cd = CourseAndDistance(0, 0, 0, 2);
  EXPECT_EQ(cd.distanceMetre, 222638.0);
  EXPECT_DOUBLE_EQ(cd.courseDeg, 90.0);
}

TEST(CourseAndDistance, UnusableCoordinatesGiveZeroNotNaN) {
  for (const double bad : {kNaN, kInf, 91.0}) {
    const CourseDistance cd = CourseAndDistance(bad, -100, 41, -101);
    EXPECT_EQ(cd.courseDeg, 0.0) << bad;
    EXPECT_EQ(cd.distanceMetre, 0.0) << bad;
  }
}

TEST(PointAtCourseDistance, ZeroDistanceReturnsTheStart) {
  const GeoPoint p = PointAtCourseDistance(40, -100, 45, 0);
  EXPECT_EQ(p.lat, 40.0);
  EXPECT_EQ(p.lon, -100.0);
}

TEST(PointAtCourseDistance, UnusableInputLeavesTheStartOrZero) {
  const GeoPoint badCourse = PointAtCourseDistance(40, -100, kNaN, 1000);
  EXPECT_EQ(badCourse.lat, 40.0);
  EXPECT_EQ(badCourse.lon, -100.0);
  const GeoPoint badDistance = PointAtCourseDistance(40, -100, 45, kInf);
  EXPECT_EQ(badDistance.lat, 40.0);
  EXPECT_EQ(badDistance.lon, -100.0);
  const GeoPoint badStart = PointAtCourseDistance(kNaN, -100, 45, 1000);
  EXPECT_EQ(badStart.lat, 0.0);
  EXPECT_EQ(badStart.lon, 0.0);
}

}  // namespace
}  // namespace kestro
