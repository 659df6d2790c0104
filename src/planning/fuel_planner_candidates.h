#pragma once

#include <span>
#include <string>
#include <vector>

#include "common/event_pump.h"
#include "data/data_store.h"

namespace kestro {

// One airport the planner may stop at.
struct FuelCandidate {
  std::string identifier;
  float pricePerGal = 0;  // 100LL, dollars per gallon
  double lat = 0;         // degrees, north positive; 0 when the airport is unknown
  double lon = 0;         // degrees, east positive; 0 when the airport is unknown

  // The search treats a coordinate of exactly 0 as "no position".
  [[nodiscard]] bool HasPosition() const noexcept { return lat != 0 && lon != 0; }
};

// The candidates of the fuel report: every line but the last, in list order (the list is sorted
// by distance from the departure, which the search's pruning relies on). Each airport is looked
// up in the database; an unknown one is reported ("Should not Happen : " + identifier) and kept
// without position. A line whose price cannot be read is reported and left out. Messages go to
// store.messages; the pump runs after each lookup. A conversion error in the data files
// propagates as DataError.
[[nodiscard]] std::vector<FuelCandidate> BuildFuelCandidates(
    DataStore& store, std::span<const std::string> reportLines, const EventPump& pump = {});

// The length of every leg the search can fly, in whole nautical miles rounded half to even. The
// enumeration flies the same legs over and over, so they are measured once per search.
class FuelLegTable {
 public:
  FuelLegTable() = default;

  // Measures from the departure to each candidate, between each candidate and every later one,
  // and from each candidate to the destination. Candidates without a position are measured from
  // 0, 0 to the destination, as the final leg of a plan that ends there. The pump runs after
  // each candidate's row.
  [[nodiscard]] static FuelLegTable Measure(std::span<const FuelCandidate> candidates,
                                            double fromLat, double fromLon, double toLat,
                                            double toLon, const EventPump& pump = {});

  // A table of given lengths (for planning along made-up routes): between[i * count + j] is the
  // leg from candidate i to a later candidate j.
  FuelLegTable(std::vector<bool> hasPosition, std::vector<int> fromDepartureNM,
               std::vector<int> betweenNM, std::vector<int> toDestinationNM);

  [[nodiscard]] int Count() const noexcept { return count_; }
  [[nodiscard]] bool HasPosition(int candidate) const noexcept { return hasPosition_[candidate]; }
  [[nodiscard]] int FromDepartureNM(int candidate) const noexcept {
    return fromDepartureNM_[candidate];
  }
  // from < to.
  [[nodiscard]] int BetweenNM(int from, int to) const noexcept {
    return betweenNM_[static_cast<size_t>(from) * count_ + to];
  }
  [[nodiscard]] int ToDestinationNM(int candidate) const noexcept {
    return toDestinationNM_[candidate];
  }

 private:
  int count_ = 0;
  std::vector<bool> hasPosition_;
  std::vector<int> fromDepartureNM_;
  std::vector<int> betweenNM_;
  std::vector<int> toDestinationNM_;
};

}  // namespace kestro
