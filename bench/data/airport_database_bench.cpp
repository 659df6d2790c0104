// Identifier lookups and box queries on the full-size national data set.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>

#include "data/airport_database.h"
#include "data/data_store.h"
#include "national_dataset.h"

namespace kestro::bench {
namespace {

constexpr double kHalfBoxNM = 20.0;  // a 40 NM square

// LookupAirport scans NameIndex from the start, so where the identifier sits decides the cost.
void BM_LookupAirport(benchmark::State& state) {
  const NationalDataset& dataset = GetNationalDataset();
  DataStore store;
  LoadNationalDataStore(dataset, store);
  const std::array identifiers{dataset.firstIdentifier, dataset.middleIdentifier,
                               dataset.lastIdentifier, dataset.missingIdentifier};
  const std::array labels{"first in index", "middle of index", "last in index", "not in index"};
  const auto which = static_cast<size_t>(state.range(0));
  const std::string& identifier = identifiers.at(which);
  const bool expected = which != 3;
  if (LookupAirport(store, identifier) != expected) {
    state.SkipWithError("lookup gave the wrong answer");
    return;
  }
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    const bool found = LookupAirport(store, identifier);
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel(identifier + ", " + labels.at(which) + " of " +
                 std::to_string(store.NameIndex.size()));
}
BENCHMARK(BM_LookupAirport)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Argument: 1 when each query starts with nothing remembered from the one before, 0 when it
// repeats a box it has just read.
void BM_QueryAirportsInRect(benchmark::State& state) {
  const bool cold = state.range(0) != 0;
  const NationalDataset& dataset = GetNationalDataset();
  DataStore store;
  LoadNationalDataStore(dataset, store);
  const double lat = dataset.densestLatitudeDeg;
  const double lon = dataset.densestLongitudeDeg;
  const double halfLatDeg = kHalfBoxNM / 60.0;
  const double halfLonDeg = kHalfBoxNM / (60.0 * std::cos(lat * 0.017453292519943295));
  TAirportArray airports;
  int count = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    if (cold) store.InvalidateCaches();
    count = QueryAirportsInRect(store, airports, lon - halfLonDeg, lon + halfLonDeg,
                                lat + halfLatDeg, lat - halfLatDeg);
    benchmark::DoNotOptimize(airports.data());
  }
  if (count == 0) state.SkipWithError("the box around the densest area is empty");
  state.counters["airports"] = count;
  state.counters["time_per_airport"] =
      benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel("40 NM box at " + std::to_string(lat) + " " + std::to_string(lon) +
                 (cold ? " cold" : " warm"));
}
BENCHMARK(BM_QueryAirportsInRect)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestro::bench
