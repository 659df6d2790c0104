// The enroute reports along the national data set's legs, and the nearest-airport search in its
// densest area.

#include <benchmark/benchmark.h>

#include <string>

#include "common/sorted_text_list.h"
#include "data/data_store.h"
#include "data/known_leg_state.h"
#include "data/national_dataset.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "planning/enroute_report.h"
#include "planning/leg_state.h"
#include "planning/nearest_airports.h"

namespace kestro::bench {
namespace {

// The range the options window starts with.
constexpr int kRouteSearchRangeNM = 30;

// Arguments: the leg (0: 300 NM through the densest area, 1: 600 NM, 2: 1000 NM), the mode
// (0 route, 1 fuel), the search range, and whether each report starts with nothing remembered
// from the one before (1, as the first report after the settings are applied) or not (0).
// Counters per report: sample points, box queries,
// candidate airports read (one event pump each), airports inside the boxes (each with a runway
// summary and an FBO lookup), and lines listed.
void BM_EnrouteReport(benchmark::State& state) {
  const NationalDataset& dataset = GetNationalDataset();
  DataStore store;
  LoadNationalDataStore(dataset, store);
  long pumps = 0;
  store.pumpEvents = [&pumps] { ++pumps; };
  const KnownLeg* legs[] = {&dataset.leg300NM, &dataset.leg600NM, &dataset.leg1000NM};
  const LegState leg = LegStateFor(*legs[state.range(0)]);
  const EnrouteReportMode mode =
      state.range(1) == 0 ? EnrouteReportMode::Route : EnrouteReportMode::Fuel;
  const auto rangeNM = static_cast<int>(state.range(2));
  const bool cold = state.range(3) != 0;

  SortedTextList list;
  EnrouteReportResult result;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    if (cold) store.InvalidateCaches();
    result = BuildEnrouteReport(store, leg, rangeNM, mode, list);
    benchmark::DoNotOptimize(list.lines().data());
  }
  if (list.empty()) state.SkipWithError("the report listed no airport");
  const auto perReport = [&](double total) {
    return total / static_cast<double>(state.iterations());
  };
  state.counters["samples"] = result.samplePoints;
  state.counters["queries"] = result.boxQueries;
  state.counters["in_boxes"] = static_cast<double>(result.boxAirports);
  state.counters["candidates"] = perReport(static_cast<double>(pumps));
  state.counters["lines"] = static_cast<double>(list.size());
  state.SetLabel(
      leg.FromId + "-" + leg.ToId + " " + std::to_string(static_cast<int>(leg.LegDistanceNM)) +
      " NM " + (mode == EnrouteReportMode::Route ? "route" : "fuel") + (cold ? " cold" : " warm"));
}
BENCHMARK(BM_EnrouteReport)
    ->Args({0, 1, kRouteSearchRangeNM, 1})
    ->Args({0, 1, kRouteSearchRangeNM, 0})
    ->Args({0, 1, 15, 1})
    ->Args({0, 1, 15, 0})
    ->Args({0, 0, kRouteSearchRangeNM, 1})
    ->Args({1, 1, kRouteSearchRangeNM, 1})
    ->Args({1, 1, kRouteSearchRangeNM, 0})
    ->Args({2, 1, kRouteSearchRangeNM, 1})
    ->Args({2, 1, kRouteSearchRangeNM, 0})
    ->Unit(benchmark::kMillisecond);

// The navigation window's search at every fix, in the densest area, start radius 10 NM.
void BM_FindNearestAirports(benchmark::State& state) {
  const NationalDataset& dataset = GetNationalDataset();
  DataStore store;
  LoadNationalDataStore(dataset, store);
  TAirportArray airports;
  NearestAirports found;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    found = FindNearestAirports(store, 10, airports, dataset.densestLatitudeDeg,
                                dataset.densestLongitudeDeg, 90.0);
    benchmark::DoNotOptimize(found.nearest.index);
  }
  if (found.count == 0) state.SkipWithError("no airport near the densest area");
  state.counters["airports"] = found.count;
}
BENCHMARK(BM_FindNearestAirports)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestro::bench
