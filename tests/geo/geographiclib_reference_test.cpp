// The geodesics against GeographicLib, whose solution is accurate to a few nanometres. Vincenty's
// series are good to a fraction of a millimetre on the Earth's ellipsoids, so any real fault in a
// coefficient, a sign or a reduction shows up as a miss far larger than the tolerances here.
#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "geo/antipodal_inverse.h"
#include "geo/geodesy.h"

namespace kestro {
namespace {

constexpr double kDistanceToleranceMetre = 0.001;
constexpr double kAzimuthToleranceDeg = 1e-6;

struct Pair {
  double lat1, lon1, lat2, lon2;
};

GeographicLib::Geodesic Reference(int ellipsoid) {
  const EllipseStruct* e = FindEllipsoid(ellipsoid);
  return {e->a, (e->a - e->b) / e->a};
}

double AngleApart(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

// Uniform over the sphere's area.
double RandomLatitude(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  return std::asin(u(rng)) * 180 / std::numbers::pi;
}

std::vector<Pair> WorldPairs(int count, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> lon(-180.0, 180.0);
  std::vector<Pair> pairs;
  for (int i = 0; i < count; ++i) {
    const double lat1 = RandomLatitude(rng);
    const double lon1 = lon(rng);
    const double lat2 = RandomLatitude(rng);
    pairs.push_back({lat1, lon1, lat2, lon(rng)});
  }
  return pairs;
}

std::vector<Pair> ContinentalUsPairs(int count, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> lat(24.5, 49.5);
  std::uniform_real_distribution<double> lon(-125.0, -67.0);
  std::vector<Pair> pairs;
  for (int i = 0; i < count; ++i) {
    const double lat1 = lat(rng);
    const double lon1 = lon(rng);
    const double lat2 = lat(rng);
    pairs.push_back({lat1, lon1, lat2, lon(rng)});
  }
  return pairs;
}

// Within a degree of each other's antipode, a quarter of them straddling the equator where
// Vincenty's iteration fails most, and some exact antipodes.
std::vector<Pair> NearlyAntipodalPairs(int count, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> offset(-1.0, 1.0);
  std::uniform_real_distribution<double> lon(-180.0, 180.0);
  std::vector<Pair> pairs;
  for (int i = 0; i < count; ++i) {
    double lat1 = i % 4 == 0 ? offset(rng) : RandomLatitude(rng) * 0.98;
    const double lon1 = lon(rng);
    if (i % 10 == 0) {
      pairs.push_back({lat1, lon1, -lat1, lon1 + 180});
    } else {
      pairs.push_back({lat1, lon1, -lat1 + offset(rng), lon1 + 180 + offset(rng)});
    }
  }
  return pairs;
}

struct InverseErrors {
  int solved = 0;
  int notConverged = 0;
  double distance = 0;
  double forward = 0;
  double reverse = 0;
};

InverseErrors CompareInverse(const std::vector<Pair>& pairs, int ellipsoid) {
  const GeographicLib::Geodesic reference = Reference(ellipsoid);
  InverseErrors worst;
  for (const Pair& pair : pairs) {
    InverseProblem p{pair.lat1, pair.lon1, pair.lat2, pair.lon2};
    p.ellipsoid = ellipsoid;
    const int code = GeodesicInverse(p);
    if (code == GeodesicNoConvergence || code == GeodesicAntipodal) {
      ++worst.notConverged;
      continue;
    }
    EXPECT_EQ(code, GeodesicSolved);
    ++worst.solved;
    double s12 = 0, azi1 = 0, azi2 = 0;
    reference.Inverse(pair.lat1, pair.lon1, pair.lat2, pair.lon2, s12, azi1, azi2);
    worst.distance = std::max(worst.distance, std::fabs(p.distanceMetre - s12));
    worst.forward = std::max(worst.forward, AngleApart(p.forwardAzimuth, azi1));
    worst.reverse = std::max(worst.reverse, AngleApart(p.reverseAzimuth, azi2 + 180));
    EXPECT_TRUE(p.forwardAzimuth >= 0 && p.forwardAzimuth < 360);
    EXPECT_TRUE(p.reverseAzimuth >= 0 && p.reverseAzimuth < 360);
  }
  return worst;
}

TEST(AgainstGeographicLib, InverseOnWgs84) {
  const InverseErrors us = CompareInverse(ContinentalUsPairs(2000, 1), WGS84);
  EXPECT_EQ(us.solved, 2000);
  EXPECT_LE(us.distance, kDistanceToleranceMetre);
  EXPECT_LE(us.forward, kAzimuthToleranceDeg);
  EXPECT_LE(us.reverse, kAzimuthToleranceDeg);

  const InverseErrors world = CompareInverse(WorldPairs(3000, 2), WGS84);
  EXPECT_GE(world.solved, 2990);  // the rest are nearly antipodal
  EXPECT_LE(world.distance, kDistanceToleranceMetre);
  EXPECT_LE(world.forward, kAzimuthToleranceDeg);
  EXPECT_LE(world.reverse, kAzimuthToleranceDeg);
}

TEST(AgainstGeographicLib, InverseOnEveryEllipsoid) {
  const std::vector<Pair> pairs = WorldPairs(200, 3);
  for (int ellipsoid = 1; ellipsoid <= EllipsoidCount; ++ellipsoid) {
    const InverseErrors worst = CompareInverse(pairs, ellipsoid);
    EXPECT_GE(worst.solved, 195) << ellipsoid;
    EXPECT_LE(worst.distance, kDistanceToleranceMetre) << ellipsoid;
    EXPECT_LE(worst.forward, kAzimuthToleranceDeg) << ellipsoid;
  }
}

struct DirectCase {
  double lat1, lon1, azimuth, distance;
};

std::vector<DirectCase> DirectCases(int count, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> lon(-180.0, 180.0);
  std::uniform_real_distribution<double> azimuth(0.0, 360.0);
  std::uniform_real_distribution<double> shortLeg(1.0, 1500000.0);
  std::uniform_real_distribution<double> longLeg(1.0, 19900000.0);
  std::vector<DirectCase> cases;
  for (int i = 0; i < count; ++i) {
    const double lat1 = RandomLatitude(rng);
    const double lon1 = lon(rng);
    const double az = azimuth(rng);
    cases.push_back({lat1, lon1, az, i % 2 == 0 ? shortLeg(rng) : longLeg(rng)});
  }
  return cases;
}

TEST(AgainstGeographicLib, DirectOnWgs84) {
  const GeographicLib::Geodesic reference = Reference(WGS84);
  double worstMiss = 0;
  double worstReverse = 0;
  for (const DirectCase& c : DirectCases(4000, 4)) {
    DirectProblem p;
    p.lat1 = c.lat1;
    p.lon1 = c.lon1;
    p.forwardAzimuth = c.azimuth;
    p.distanceMetre = c.distance;
    ASSERT_EQ(GeodesicDirect(p), GeodesicSolved);
    double lat2 = 0, lon2 = 0, azi2 = 0;
    reference.Direct(c.lat1, c.lon1, c.azimuth, c.distance, lat2, lon2, azi2);
    double miss = 0;
    reference.Inverse(lat2, lon2, p.lat2, p.lon2, miss);
    worstMiss = std::max(worstMiss, miss);
    worstReverse = std::max(worstReverse, AngleApart(p.reverseAzimuth, azi2 + 180));
    EXPECT_TRUE(p.lon2 >= -180 && p.lon2 < 180) << p.lon2;
  }
  EXPECT_LE(worstMiss, kDistanceToleranceMetre);
  EXPECT_LE(worstReverse, kAzimuthToleranceDeg);
}

TEST(AgainstGeographicLib, DirectThenInverseReturnsCourseAndDistance) {
  double worstDistance = 0;
  double worstCourse = 0;
  for (const DirectCase& c : DirectCases(3000, 5)) {
    DirectProblem d;
    d.lat1 = c.lat1;
    d.lon1 = c.lon1;
    d.forwardAzimuth = c.azimuth;
    d.distanceMetre = c.distance;
    ASSERT_EQ(GeodesicDirect(d), GeodesicSolved);
    InverseProblem back{d.lat1, d.lon1, d.lat2, d.lon2};
    ASSERT_EQ(GeodesicInverse(back), GeodesicSolved);
    worstDistance = std::max(worstDistance, std::fabs(back.distanceMetre - c.distance));
    worstCourse = std::max(worstCourse, AngleApart(back.forwardAzimuth, c.azimuth));
  }
  EXPECT_LE(worstDistance, kDistanceToleranceMetre);
  EXPECT_LE(worstCourse, kAzimuthToleranceDeg);
}

// Where the end point lands when GeographicLib follows the given start azimuth and distance.
double MissAlong(const GeographicLib::Geodesic& reference, double lat1, double lon1, double azimuth,
                 double distance, double lat2, double lon2) {
  double landLat = 0, landLon = 0, miss = 0;
  reference.Direct(lat1, lon1, azimuth, distance, landLat, landLon);
  reference.Inverse(landLat, landLon, lat2, lon2, miss);
  return miss;
}

TEST(AgainstGeographicLib, SearchSolvesNearlyAntipodalPairs) {
  // Near the antipode many azimuths lead nearly to the same point, so azimuths are judged by
  // where they lead rather than compared as numbers.
  const GeographicLib::Geodesic reference = Reference(WGS84);
  int failedVincenty = 0;
  double worstDistance = 0;
  double worstMiss = 0;
  for (const Pair& pair : NearlyAntipodalPairs(1000, 6)) {
    InverseProblem vincenty{pair.lat1, pair.lon1, pair.lat2, pair.lon2};
    const int code = GeodesicInverse(vincenty);
    if (code == GeodesicNoConvergence || code == GeodesicAntipodal) ++failedVincenty;

    InverseProblem p{pair.lat1, pair.lon1, pair.lat2, pair.lon2};
    ASSERT_TRUE(AntipodalInverse(p));
    double s12 = 0;
    reference.Inverse(pair.lat1, pair.lon1, pair.lat2, pair.lon2, s12);
    worstDistance = std::max(worstDistance, std::fabs(p.distanceMetre - s12));
    worstMiss = std::max(worstMiss, MissAlong(reference, pair.lat1, pair.lon1, p.forwardAzimuth,
                                              p.distanceMetre, pair.lat2, pair.lon2));
    worstMiss = std::max(worstMiss, MissAlong(reference, pair.lat2, pair.lon2, p.reverseAzimuth,
                                              p.distanceMetre, pair.lat1, pair.lon1));

    const CourseDistance cd = CourseAndDistance(pair.lat1, pair.lon1, pair.lat2, pair.lon2);
    EXPECT_TRUE(cd.courseDeg >= 0 && cd.courseDeg < 360) << cd.courseDeg;
    EXPECT_LE(cd.distanceMetre, s12 + kDistanceToleranceMetre);
    EXPECT_GT(cd.distanceMetre, s12 - 1 - kDistanceToleranceMetre);
  }
  EXPECT_GE(failedVincenty, 200);  // the search is really what solved these
  EXPECT_LE(worstDistance, kDistanceToleranceMetre);
  EXPECT_LE(worstMiss, kDistanceToleranceMetre);
}

TEST(AgainstGeographicLib, SearchAgreesOnOrdinaryPairsToo) {
  const GeographicLib::Geodesic reference = Reference(WGS84);
  double worstDistance = 0;
  double worstForward = 0;
  for (const Pair& pair : WorldPairs(300, 7)) {
    InverseProblem p{pair.lat1, pair.lon1, pair.lat2, pair.lon2};
    ASSERT_TRUE(AntipodalInverse(p));
    double s12 = 0, azi1 = 0, azi2 = 0;
    reference.Inverse(pair.lat1, pair.lon1, pair.lat2, pair.lon2, s12, azi1, azi2);
    worstDistance = std::max(worstDistance, std::fabs(p.distanceMetre - s12));
    if (s12 < 19000000) worstForward = std::max(worstForward, AngleApart(p.forwardAzimuth, azi1));
  }
  EXPECT_LE(worstDistance, kDistanceToleranceMetre);
  EXPECT_LE(worstForward, kAzimuthToleranceDeg);
}

TEST(AgainstGeographicLib, AntipodesGiveHalfTheMeridian) {
  const GeographicLib::Geodesic reference = Reference(WGS84);
  const Pair antipodes[] = {{40, -100, -40, 80}, {0, 10, 0, -170}, {90, 0, -90, 77}};
  for (const Pair& pair : antipodes) {
    double s12 = 0;
    reference.Inverse(pair.lat1, pair.lon1, pair.lat2, pair.lon2, s12);
    const CourseDistance cd = CourseAndDistance(pair.lat1, pair.lon1, pair.lat2, pair.lon2);
    EXPECT_EQ(cd.distanceMetre, std::floor(s12)) << pair.lat1;
    EXPECT_TRUE(cd.courseDeg >= 0 && cd.courseDeg < 360) << cd.courseDeg;
    EXPECT_LE(MissAlong(reference, pair.lat1, pair.lon1, cd.courseDeg, s12, pair.lat2, pair.lon2),
              kDistanceToleranceMetre)
        << pair.lat1;
  }
}

TEST(AgainstGeographicLib, DirectReachesThePole) {
  const GeographicLib::Geodesic reference = Reference(WGS84);
  double quarterMeridian = 0;
  reference.Inverse(0, 0, 90, 0, quarterMeridian);
  const GeoPoint pole = PointAtCourseDistance(0, 0, 0, quarterMeridian);
  EXPECT_GT(pole.lat, 89.9999999);
  const GeoPoint over = PointAtCourseDistance(0, 0, 0, quarterMeridian + 111000);
  EXPECT_NEAR(over.lat, 89.0, 0.01);
  EXPECT_NEAR(std::fabs(over.lon), 180.0, 1e-9);
}

}  // namespace
}  // namespace kestro
