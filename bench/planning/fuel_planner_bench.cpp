// The fuel-stop planner's search, which grows as K^N with K candidates and N stops.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/sorted_text_list.h"
#include "data/data_store.h"
#include "data/known_leg_state.h"
#include "data/national_dataset.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "planning/enroute_report.h"
#include "planning/fuel_planner.h"

namespace kestro::bench {
namespace {

constexpr size_t kCandidates = 40;
constexpr int kRouteSearchRangeNM = 20;

const FuelPlanSettings kSettings{120, 10, 50, 20};  // 12 NM per gallon
FuelPlanFields Fields() {
  return FuelPlanFields{"30", "20", "10", "0"};
}

// The fuel report of the leg, thinned evenly to about kCandidates + 1 lines (the last line is
// never a candidate) so that both legs search over the same number of airports.
std::vector<std::string> FuelReport(DataStore& store, const LegState& leg) {
  SortedTextList list;
  (void)BuildEnrouteReport(store, leg, kRouteSearchRangeNM, EnrouteReportMode::Fuel, list);
  const std::vector<std::string>& all = list.lines();
  if (all.size() <= kCandidates + 1) return all;
  std::vector<std::string> lines;
  for (size_t i = 0; i <= kCandidates; ++i)
    lines.push_back(all[i * (all.size() - 1) / kCandidates]);
  return lines;
}

void RunPlanner(benchmark::State& state, const KnownLeg& known) {
  DataStore store;
  LoadNationalDataStore(GetNationalDataset(), store);
  const LegState leg = LegStateFor(known);
  const std::vector<std::string> report = FuelReport(store, leg);
  FuelPlanner planner;
  std::int64_t pumps = 0;
  FuelSearchHooks hooks;
  hooks.pumpEvents = [&pumps] { ++pumps; };
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    pumps = 0;
    const FuelSearchEnd end =
        planner.Start(store, Fields(), kSettings, leg, leg.ToId, report, hooks);
    if (end != FuelSearchEnd::Finished) state.SkipWithError("the search did not finish");
  }
  state.counters["candidates"] = static_cast<double>(planner.Candidates().size());
  state.counters["plans"] = static_cast<double>(planner.PlansTried());
  state.counters["pumps"] = static_cast<double>(pumps);
  state.counters["time_per_plan"] = benchmark::Counter(
      static_cast<double>(planner.PlansTried()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel(leg.FromId + "-" + leg.ToId + " " +
                 std::to_string(static_cast<int>(leg.LegDistanceNM)) +
                 " NM: " + (planner.Results().empty() ? "" : planner.Results().front()));
}

void BM_FuelPlanner600NM(benchmark::State& state) {
  RunPlanner(state, GetNationalDataset().leg600NM);
}
BENCHMARK(BM_FuelPlanner600NM)->Unit(benchmark::kMillisecond);

void BM_FuelPlanner1000NM(benchmark::State& state) {
  RunPlanner(state, GetNationalDataset().leg1000NM);
}
BENCHMARK(BM_FuelPlanner1000NM)->Unit(benchmark::kMillisecond);

// The search alone, over kCandidates evenly spaced along a straight route of range(0) NM with
// prices that vary from stop to stop.
void BM_FuelSearchAlongLine(benchmark::State& state) {
  const auto routeNM = static_cast<int>(state.range(0));
  const size_t count = kCandidates;
  std::vector<FuelCandidate> candidates;
  std::vector<int> fromDeparture(count), between(count * count), toDestination(count);
  for (size_t i = 0; i < count; ++i) {
    const int atNM = static_cast<int>((i + 1) * static_cast<size_t>(routeNM) / (count + 1));
    candidates.push_back(
        {"C" + std::to_string(i), 4.5F + 0.25F * static_cast<float>(i % 7), 40.0, -100.0});
    fromDeparture[i] = atNM;
    toDestination[i] = routeNM - atNM;
  }
  for (size_t i = 0; i < count; ++i) {
    for (size_t j = i + 1; j < count; ++j) {
      between[i * count + j] = fromDeparture[j] - fromDeparture[i];
    }
  }
  const FuelLegTable legs(std::vector<bool>(count, true), fromDeparture, between, toDestination);
  LegState leg;
  leg.LegDistanceNM = routeNM;
  const FuelPlanInputs inputs = *ReadFuelPlanInputs(Fields(), kSettings, leg, "DEST").inputs;
  FuelPlanner planner;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop idiom
    (void)planner.Search(inputs, candidates, legs, {});
    benchmark::DoNotOptimize(planner.Results().data());
  }
  state.counters["plans"] = static_cast<double>(planner.PlansTried());
  state.counters["time_per_plan"] = benchmark::Counter(
      static_cast<double>(planner.PlansTried()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel(planner.Results().front());
}
BENCHMARK(BM_FuelSearchAlongLine)->Arg(600)->Arg(1000)->Arg(1500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestro::bench
