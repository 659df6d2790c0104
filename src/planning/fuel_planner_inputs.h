#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "planning/leg_state.h"

namespace kestro {

// A plan holds at most this many stops.
inline constexpr int MaxPlanStops = 10;

inline constexpr const char* FuelFieldsMessage =
    "Please ensure all fields, including the fields in the options window are completed";
inline constexpr const char* FuelWindMessage =
    "With this wind the aircraft makes no distance on its fuel: cruise speed plus wind, divided "
    "by the fuel burn, must come to at least 1 NM per gallon. Please check the HW / TW Kts field.";
inline constexpr const char* FuelTooManyStopsMessage =
    "This route could need more than 10 fuel stops, more than the planner can search. Please "
    "check the fuel fields and the fuel capacity in the options window.";

// The report window's four entry fields, as typed.
struct FuelPlanFields {
  std::string startFuel = "10";
  std::string endFuel = "25";
  std::string landFuel;  // the window fills it with the options' GPH text
  std::string wind = "0";
};

// The applied settings the planner reads.
struct FuelPlanSettings {
  double cruiseSpeedKnots = 0;
  double fuelBurnGPH = 0;
  double fuelCapacityGal = 0;
  double stopCostDollars = 0;
};

// Everything one search needs, read and checked.
struct FuelPlanInputs {
  int startFuelGal = 0;
  int endFuelGal = 0;
  int landFuelGal = 0;       // minimum fuel on landing at each stop
  int windKnots = 0;         // tailwind positive
  int cruiseSpeedKnots = 0;  // rounded
  int fuelBurnGPH = 0;       // rounded, never 0
  int capacityGal = 0;       // rounded, at least 1
  double stopCostDollars = 0;
  double nmPerGal = 0;  // rounded, at least 1
  double routeDistanceNM = 0;
  double fromLat = 0, fromLon = 0, toLat = 0, toLon = 0;
  std::string destinationText;
  // The estimated number of stops, ceiling((D / NM per gallon - start + end) / capacity), at
  // most MaxPlanStops - 1; -1 stands for every estimate of -1 or less (nothing to search).
  int stopsNeeded = 0;
};

// The inputs, or the message that tells the user why the search cannot start.
struct FuelPlanCheck {
  std::optional<FuelPlanInputs> inputs;
  std::string message;
};

[[nodiscard]] FuelPlanCheck ReadFuelPlanInputs(const FuelPlanFields& fields,
                                               const FuelPlanSettings& settings,
                                               const LegState& leg,
                                               std::string_view destinationText);

// Whether the window offers Start: the planner needs a tank, a speed and a fuel burn. A cost to
// stop of 0 is a valid setting (no landing fee).
[[nodiscard]] bool CanStart(double fuelCapacityGal, double cruiseSpeedKnots,
                            double fuelBurnGPH) noexcept;

}  // namespace kestro
