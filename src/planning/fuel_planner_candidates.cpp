#include "planning/fuel_planner_candidates.h"

#include <stdexcept>

#include "common/rounding.h"
#include "common/user_messages.h"
#include "data/airport_database.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "planning/report_line.h"

namespace kestro {
namespace {

[[nodiscard]] int LegNM(double lat1, double lon1, double lat2, double lon2) noexcept {
  return RoundHalfEvenInt(meterToNm(CourseAndDistance(lat1, lon1, lat2, lon2).distanceMetre));
}

void Tell(const DataStore& store, const std::string& text) {
  if (store.messages != nullptr) store.messages->Error(text);
}

}  // namespace

std::vector<FuelCandidate> BuildFuelCandidates(DataStore& store,
                                               std::span<const std::string> reportLines,
                                               const EventPump& pump) {
  std::vector<FuelCandidate> candidates;
  if (reportLines.size() < 2) return candidates;
  candidates.reserve(reportLines.size() - 1);
  for (size_t i = 0; i + 1 < reportLines.size(); ++i) {
    const std::string& line = reportLines[i];
    FuelCandidate candidate;
    candidate.identifier = std::string(ReportLineIdentifier(line));
    const auto price = ReportLinePriceValue(line);
    if (!price) {
      Tell(store, "The fuel price of " + candidate.identifier +
                      " cannot be read; the planner leaves it out");
      continue;
    }
    candidate.pricePerGal = *price;
    if (LookupAirport(store, candidate.identifier)) {
      const AirportPosition position = PositionFromFields(store.AirportFields);
      candidate.lat = position.lat;
      candidate.lon = position.lon;
    } else {
      Tell(store, "Should not Happen : " + candidate.identifier);
    }
    candidates.push_back(std::move(candidate));
    PumpEvents(pump);
  }
  return candidates;
}

FuelLegTable::FuelLegTable(std::vector<bool> hasPosition, std::vector<int> fromDepartureNM,
                           std::vector<int> betweenNM, std::vector<int> toDestinationNM)
    : count_(static_cast<int>(hasPosition.size())),
      hasPosition_(std::move(hasPosition)),
      fromDepartureNM_(std::move(fromDepartureNM)),
      betweenNM_(std::move(betweenNM)),
      toDestinationNM_(std::move(toDestinationNM)) {
  const auto count = static_cast<size_t>(count_);
  if (fromDepartureNM_.size() != count || toDestinationNM_.size() != count ||
      betweenNM_.size() != count * count) {
    throw std::invalid_argument("FuelLegTable: the leg lists do not match the candidates");
  }
}

FuelLegTable FuelLegTable::Measure(std::span<const FuelCandidate> candidates, double fromLat,
                                   double fromLon, double toLat, double toLon,
                                   const EventPump& pump) {
  const size_t count = candidates.size();
  std::vector<bool> hasPosition(count);
  std::vector<int> fromDeparture(count, 0);
  std::vector<int> between(count * count, 0);
  std::vector<int> toDestination(count, 0);
  for (size_t i = 0; i < count; ++i) {
    const FuelCandidate& a = candidates[i];
    hasPosition[i] = a.HasPosition();
    toDestination[i] = LegNM(a.lat, a.lon, toLat, toLon);
    if (!a.HasPosition()) continue;
    fromDeparture[i] = LegNM(fromLat, fromLon, a.lat, a.lon);
    for (size_t j = i + 1; j < count; ++j) {
      const FuelCandidate& b = candidates[j];
      if (b.HasPosition()) between[i * count + j] = LegNM(a.lat, a.lon, b.lat, b.lon);
    }
    PumpEvents(pump);
  }
  return FuelLegTable(std::move(hasPosition), std::move(fromDeparture), std::move(between),
                      std::move(toDestination));
}

}  // namespace kestro
