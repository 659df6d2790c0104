#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/event_pump.h"
#include "data/data_store.h"
#include "planning/fuel_planner_candidates.h"
#include "planning/fuel_planner_inputs.h"
#include "planning/fuel_planner_results.h"
#include "planning/fuel_planner_search.h"
#include "planning/leg_state.h"

namespace kestro {

inline constexpr double NoPlanCost = 10000000.0;
inline constexpr const char* NoSolutionLine = "No Solution";

// What the window (or the command line) sees of a running search. Every hook may be empty.
struct FuelSearchHooks {
  // Lets pending window messages run: after every combination of stops, and every few
  // milliseconds while the amounts of one combination are enumerated.
  EventPump pumpEvents;
  // true once the inputs are accepted (hide Start, show Stop); false at the end (show Start,
  // hide Stop and the progress panel).
  std::function<void(bool searching)> searchingChanged;
  // Each number of stops starts: the progress bar's maximum, round(K^stops / 3) clamped to the
  // int range, and position 0 (show the progress panel).
  std::function<void(int stops, int maximum)> progressRange;
  // One more combination of stops (clamped to the int range).
  std::function<void(int position)> progressPosition;
  // The results list changed; show it. Called while the search runs so plans appear at once.
  std::function<void(const std::vector<std::string>& lines)> resultsChanged;
};

enum class FuelSearchEnd {
  Refused,   // the inputs were refused with a message; nothing else happened
  Busy,      // a search is running already; nothing happened
  Finished,  // the enumeration ran to its end
  Stopped,   // a stop request ended it; the plans found so far stay
  Failed,    // a data file could not be read; the error was reported
};

// The fuel-stop planner: an exhaustive search for the five cheapest ways to buy fuel along the
// route. One instance lives in the report window; the search runs on the caller's thread and
// lets window messages run through the hooks, which may call RequestStop.
class FuelPlanner {
 public:
  // The whole Start command: reads and checks the inputs (messages to store.messages), builds
  // the candidates from the fuel report lines, measures the legs and searches.
  FuelSearchEnd Start(DataStore& store, const FuelPlanFields& fields,
                      const FuelPlanSettings& settings, const LegState& leg,
                      std::string_view destinationText, std::span<const std::string> reportLines,
                      const FuelSearchHooks& hooks);

  // The search alone, over candidates and legs prepared by the caller.
  FuelSearchEnd Search(const FuelPlanInputs& inputs, std::vector<FuelCandidate> candidates,
                       const FuelLegTable& legs, const FuelSearchHooks& hooks);

  // Ends a running search after the plan or combination in hand; ignored when idle.
  void RequestStop() noexcept {
    if (searching_) stopRequested_ = true;
  }
  [[nodiscard]] bool IsSearching() const noexcept { return searching_; }

  // The results list: up to five plan lines, cheapest first, or "No Solution".
  [[nodiscard]] const std::vector<std::string>& Results() const noexcept { return best_.lines(); }
  [[nodiscard]] const std::vector<FuelCandidate>& Candidates() const noexcept {
    return candidates_;
  }
  // The window frees the candidates when it closes.
  void FreeCandidates() noexcept;

  // Plans flown by the last search, for measurements.
  [[nodiscard]] std::int64_t PlansTried() const noexcept { return plansTried_; }

 private:
  class SearchingScope;

  void BeginSearch(const FuelSearchHooks& hooks);
  FuelSearchEnd RunSearch(const FuelPlanInputs& inputs, const FuelLegTable& legs,
                          const FuelSearchHooks& hooks);
  void SearchStops(const FuelPlanInputs& inputs, const FuelLegTable& legs, int stops,
                   const FuelSearchHooks& hooks);
  void EnumerateAmounts(const FuelPlanInputs& inputs, const PlanRoute& route,
                        const PlanStops& stops, const FuelSearchHooks& hooks);
  void Accept(const FuelPlanInputs& inputs, const PlanStops& stops, const PlanAmounts& amounts,
              int count, const PlanFlight& flight, const FuelSearchHooks& hooks);
  void PumpIfDue(const FuelSearchHooks& hooks);

  std::vector<FuelCandidate> candidates_;
  FuelLegTable legs_;
  BestPlanList best_;
  double threshold_ = NoPlanCost;
  double lastAcceptedCost_ = NoPlanCost;
  bool pruneStops_ = false;
  bool stopRequested_ = false;
  bool searching_ = false;
  std::int64_t plansTried_ = 0;
  std::int64_t lastPumpTick_ = 0;
};

}  // namespace kestro
