#include "planning/fuel_planner.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "common/data_error.h"
#include "common/format.h"
#include "common/rounding.h"
#include "common/user_messages.h"

namespace kestro {
namespace {

// The amounts of one combination can run to millions of plans; the clock is read every so many
// plans and the window gets its messages when this much time has passed.
constexpr unsigned kPlansBetweenClockReads = 1024;
constexpr std::int64_t kPumpIntervalNs = 20'000'000;

// A shown cost within half a cent of the exact one, so a plan dearer than the fifth line by more
// than a cent sorts after it whatever the rounding, and cannot enter the list.
constexpr double kShownCostMargin = 0.01;

[[nodiscard]] std::int64_t NowNs() noexcept {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

[[nodiscard]] int ClampToInt(double value) noexcept {
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  return RoundHalfEvenInt(value);
}

[[nodiscard]] int ClampToInt(std::int64_t value) noexcept {
  return value >= INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace

// Marks the planner busy for the length of one search, whichever way the search ends.
class FuelPlanner::SearchingScope {
 public:
  explicit SearchingScope(FuelPlanner& planner) noexcept : planner_(planner) {
    planner_.searching_ = true;
    planner_.stopRequested_ = false;
  }
  ~SearchingScope() {
    planner_.searching_ = false;
    planner_.stopRequested_ = false;
  }
  SearchingScope(const SearchingScope&) = delete;
  SearchingScope& operator=(const SearchingScope&) = delete;

 private:
  FuelPlanner& planner_;
};

FuelSearchEnd FuelPlanner::Start(DataStore& store, const FuelPlanFields& fields,
                                 const FuelPlanSettings& settings, const LegState& leg,
                                 std::string_view destinationText,
                                 std::span<const std::string> reportLines,
                                 const FuelSearchHooks& hooks) {
  if (searching_) return FuelSearchEnd::Busy;
  FuelPlanCheck check = ReadFuelPlanInputs(fields, settings, leg, destinationText);
  if (!check.inputs) {
    if (store.messages != nullptr) store.messages->Error(check.message);
    return FuelSearchEnd::Refused;
  }
  const FuelPlanInputs& inputs = *check.inputs;

  const SearchingScope scope(*this);
  BeginSearch(hooks);
  try {
    candidates_ = BuildFuelCandidates(store, reportLines, hooks.pumpEvents);
  } catch (const DataError& error) {
    candidates_.clear();
    if (store.messages != nullptr) store.messages->Error(error.what());
    if (hooks.searchingChanged) hooks.searchingChanged(false);
    return FuelSearchEnd::Failed;
  }
  legs_ = FuelLegTable::Measure(candidates_, inputs.fromLat, inputs.fromLon, inputs.toLat,
                                inputs.toLon, hooks.pumpEvents);
  return RunSearch(inputs, legs_, hooks);
}

FuelSearchEnd FuelPlanner::Search(const FuelPlanInputs& inputs,
                                  std::vector<FuelCandidate> candidates, const FuelLegTable& legs,
                                  const FuelSearchHooks& hooks) {
  if (searching_) return FuelSearchEnd::Busy;
  if (static_cast<size_t>(legs.Count()) != candidates.size()) {
    throw std::invalid_argument("FuelPlanner::Search: the legs do not match the candidates");
  }
  const SearchingScope scope(*this);
  BeginSearch(hooks);
  candidates_ = std::move(candidates);
  return RunSearch(inputs, legs, hooks);
}

void FuelPlanner::FreeCandidates() noexcept {
  candidates_.clear();
  candidates_.shrink_to_fit();
  legs_ = FuelLegTable();
}

void FuelPlanner::BeginSearch(const FuelSearchHooks& hooks) {
  if (hooks.searchingChanged) hooks.searchingChanged(true);
  threshold_ = NoPlanCost;
  lastAcceptedCost_ = NoPlanCost;
  plansTried_ = 0;
  best_.Clear();
  if (hooks.resultsChanged) hooks.resultsChanged(best_.lines());
  PumpEvents(hooks.pumpEvents);
  lastPumpTick_ = NowNs();
}

FuelSearchEnd FuelPlanner::RunSearch(const FuelPlanInputs& inputs, const FuelLegTable& legs,
                                     const FuelSearchHooks& hooks) {
  if (inputs.stopsNeeded > -1) {
    const int last = std::min(inputs.stopsNeeded + 1, MaxPlanStops);
    for (int stops = std::max(inputs.stopsNeeded, 1); stops <= last && !stopRequested_; ++stops) {
      SearchStops(inputs, legs, stops, hooks);
    }
  }
  if (lastAcceptedCost_ == NoPlanCost) {
    best_.ShowOnly(NoSolutionLine);
    if (hooks.resultsChanged) hooks.resultsChanged(best_.lines());
  }
  const FuelSearchEnd end = stopRequested_ ? FuelSearchEnd::Stopped : FuelSearchEnd::Finished;
  if (hooks.searchingChanged) hooks.searchingChanged(false);
  return end;
}

void FuelPlanner::SearchStops(const FuelPlanInputs& inputs, const FuelLegTable& legs, int stops,
                              const FuelSearchHooks& hooks) {
  pruneStops_ = false;
  const int count = legs.Count();
  if (hooks.progressRange) {
    hooks.progressRange(stops, ClampToInt(std::pow(static_cast<double>(count), stops) / 3));
  }
  if (stops > count) return;

  PlanStops chosen{};
  FirstStops(chosen, stops);
  PlanRoute route;
  route.stops = stops;
  std::int64_t position = 0;
  do {
    ++position;
    if (hooks.progressPosition) hooks.progressPosition(ClampToInt(position));
    PumpEvents(hooks.pumpEvents);
    lastPumpTick_ = NowNs();
    if (stopRequested_) return;

    // Legs: a stop without position is taken as no leg away from the stop before it.
    int previous = -1;
    for (int i = 0; i < stops; ++i) {
      const int candidate = chosen[i];
      int legNM = 0;
      if (legs.HasPosition(candidate)) {
        legNM =
            previous < 0 ? legs.FromDepartureNM(candidate) : legs.BetweenNM(previous, candidate);
        previous = candidate;
      }
      route.legNM[i] = legNM;
      route.legFuelGal[i] = legNM / inputs.nmPerGal;
      route.pricePerGal[i] = static_cast<double>(candidates_[candidate].pricePerGal);
    }
    route.finalLegFuelGal = legs.ToDestinationNM(chosen[stops - 1]) / inputs.nmPerGal;

    EnumerateAmounts(inputs, route, chosen, hooks);
    if (pruneStops_ || stopRequested_) return;
  } while (NextStops(chosen, stops, count));
}

void FuelPlanner::EnumerateAmounts(const FuelPlanInputs& inputs, const PlanRoute& route,
                                   const PlanStops& stops, const FuelSearchHooks& hooks) {
  const int n = route.stops;
  const std::int64_t capacity = inputs.capacityGal;
  const double capacityGal = inputs.capacityGal;
  const double endFuelGal = inputs.endFuelGal;
  PlanAmounts amounts{};
  FirstAmounts(amounts, n);
  bool prune = false;
  unsigned sinceClockRead = 0;
  while (!prune && !stopRequested_) {
    if (!StepAmounts(amounts, n, capacity)) break;
    const PlanFlight flight = FlyPlan(inputs, route, amounts, prune);
    ++plansTried_;
    if (flight.completed && flight.arrivalFuelGal <= capacityGal &&
        flight.arrivalFuelGal > endFuelGal && flight.costDollars < threshold_) {
      Accept(inputs, stops, amounts, n, flight, hooks);
    }
    if (++sinceClockRead == kPlansBetweenClockReads) {
      sinceClockRead = 0;
      PumpIfDue(hooks);
    }
  }
  pruneStops_ = prune;
}

void FuelPlanner::Accept(const FuelPlanInputs& inputs, const PlanStops& stops,
                         const PlanAmounts& amounts, int count, const PlanFlight& flight,
                         const FuelSearchHooks& hooks) {
  lastAcceptedCost_ = flight.costDollars;
  constexpr size_t fifth = BestPlanList::Kept - 1;
  // A full list and a plan that is bound to be its sixth line: it would be added and removed
  // again at once, leaving only the threshold read back from the fifth line.
  if (best_.size() == BestPlanList::Kept &&
      flight.costDollars > best_.ExactCostAt(fifth) + kShownCostMargin) {
    threshold_ = best_.ShownCostAt(fifth);
    return;
  }

  std::string line = Format("$%6.2f ", flight.costDollars);
  for (int i = 0; i < count; ++i) {
    if (amounts[i] <= 0) continue;
    line += ": ";
    line += candidates_[stops[i]].identifier;
    line += '(';
    line += std::to_string(amounts[i]);
    line += ')';
  }
  line += ": ";
  line += inputs.destinationText;
  line += '(';
  line += std::to_string(RoundHalfEven(flight.arrivalFuelGal));
  line += ')';

  const BestPlanList::Added added = best_.Add(std::move(line), flight.costDollars);
  if (added.overflowed) threshold_ = best_.ShownCostAt(fifth);
  if (added.changed && hooks.resultsChanged) hooks.resultsChanged(best_.lines());
}

void FuelPlanner::PumpIfDue(const FuelSearchHooks& hooks) {
  if (!hooks.pumpEvents) return;
  const std::int64_t now = NowNs();
  if (now - lastPumpTick_ < kPumpIntervalNs) return;
  hooks.pumpEvents();
  lastPumpTick_ = NowNs();
}

}  // namespace kestro
