// Vincenty's inverse and direct problems beside GeographicLib's on the same inputs: legs inside
// the continental US (what the route and GPS code measure) and pairs anywhere on the globe.
#include <benchmark/benchmark.h>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <random>
#include <vector>

#include "geo/geodesy.h"

namespace kestro {
namespace {

constexpr std::size_t kPairCount = 1024;  // a power of two, so the index wraps with a mask

struct Leg {
  double lat1, lon1, lat2, lon2;
  double azimuth, distanceMetre;  // the same leg as start azimuth and length
};

enum Region : int { ContinentalUs = 0, World = 1 };

std::vector<Leg> MakeLegs(Region region) {
  std::mt19937_64 rng(region == ContinentalUs ? 11 : 12);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const EllipseStruct* e = FindEllipsoid(WGS84);
  const GeographicLib::Geodesic reference(e->a, (e->a - e->b) / e->a);
  std::vector<Leg> legs;
  while (legs.size() < kPairCount) {
    Leg leg{};
    if (region == ContinentalUs) {
      leg = {24.5 + 25 * u(rng), -125 + 58 * u(rng), 24.5 + 25 * u(rng), -125 + 58 * u(rng), 0, 0};
    } else {
      const auto latitude = [&] { return std::asin(2 * u(rng) - 1) * 180 / std::numbers::pi; };
      leg = {latitude(), 360 * u(rng) - 180, latitude(), 360 * u(rng) - 180, 0, 0};
    }
    InverseProblem p{leg.lat1, leg.lon1, leg.lat2, leg.lon2};
    if (GeodesicInverse(p) != GeodesicSolved) continue;  // keep both sides on the same work
    double azi2 = 0;
    reference.Inverse(leg.lat1, leg.lon1, leg.lat2, leg.lon2, leg.distanceMetre, leg.azimuth, azi2);
    legs.push_back(leg);
  }
  return legs;
}

const std::vector<Leg>& Legs(Region region) {
  static const std::vector<Leg> us = MakeLegs(ContinentalUs);
  static const std::vector<Leg> world = MakeLegs(World);
  return region == ContinentalUs ? us : world;
}

const GeographicLib::Geodesic& Reference() {
  const EllipseStruct* e = FindEllipsoid(WGS84);
  static const GeographicLib::Geodesic reference(e->a, (e->a - e->b) / e->a);
  return reference;
}

void BM_KestroInverse(benchmark::State& state, Region region) {
  const std::vector<Leg>& legs = Legs(region);
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    const Leg& leg = legs[i++ & (kPairCount - 1)];
    InverseProblem p{leg.lat1, leg.lon1, leg.lat2, leg.lon2};
    benchmark::DoNotOptimize(GeodesicInverse(p));
    benchmark::DoNotOptimize(p.distanceMetre);
  }
}

void BM_GeographicLibInverse(benchmark::State& state, Region region) {
  const std::vector<Leg>& legs = Legs(region);
  const GeographicLib::Geodesic& reference = Reference();
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    const Leg& leg = legs[i++ & (kPairCount - 1)];
    double s12 = 0, azi1 = 0, azi2 = 0;
    benchmark::DoNotOptimize(
        reference.Inverse(leg.lat1, leg.lon1, leg.lat2, leg.lon2, s12, azi1, azi2));
    benchmark::DoNotOptimize(s12);
  }
}

void BM_KestroDirect(benchmark::State& state, Region region) {
  const std::vector<Leg>& legs = Legs(region);
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    const Leg& leg = legs[i++ & (kPairCount - 1)];
    DirectProblem p;
    p.lat1 = leg.lat1;
    p.lon1 = leg.lon1;
    p.forwardAzimuth = leg.azimuth;
    p.distanceMetre = leg.distanceMetre;
    benchmark::DoNotOptimize(GeodesicDirect(p));
    benchmark::DoNotOptimize(p.lat2);
  }
}

void BM_GeographicLibDirect(benchmark::State& state, Region region) {
  const std::vector<Leg>& legs = Legs(region);
  const GeographicLib::Geodesic& reference = Reference();
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    const Leg& leg = legs[i++ & (kPairCount - 1)];
    double lat2 = 0, lon2 = 0, azi2 = 0;
    benchmark::DoNotOptimize(
        reference.Direct(leg.lat1, leg.lon1, leg.azimuth, leg.distanceMetre, lat2, lon2, azi2));
    benchmark::DoNotOptimize(lat2);
  }
}

BENCHMARK_CAPTURE(BM_KestroInverse, us, ContinentalUs);
BENCHMARK_CAPTURE(BM_GeographicLibInverse, us, ContinentalUs);
BENCHMARK_CAPTURE(BM_KestroInverse, world, World);
BENCHMARK_CAPTURE(BM_GeographicLibInverse, world, World);
BENCHMARK_CAPTURE(BM_KestroDirect, us, ContinentalUs);
BENCHMARK_CAPTURE(BM_GeographicLibDirect, us, ContinentalUs);
BENCHMARK_CAPTURE(BM_KestroDirect, world, World);
BENCHMARK_CAPTURE(BM_GeographicLibDirect, world, World);

}  // namespace
}  // namespace kestro
