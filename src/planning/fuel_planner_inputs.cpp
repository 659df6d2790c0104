#include "planning/fuel_planner_inputs.h"

#include <cmath>

#include "common/number_parse.h"
#include "common/rounding.h"

namespace kestro {
namespace {

// Settings far outside any aircraft's figures would overflow the whole-number arithmetic; they
// count as not completed.
constexpr double kLargestSetting = 1.0e9;

[[nodiscard]] std::optional<int> RoundSetting(double value) noexcept {
  if (!std::isfinite(value) || std::fabs(value) > kLargestSetting) return std::nullopt;
  return RoundHalfEvenInt(value);
}

[[nodiscard]] FuelPlanCheck Refuse(const char* message) {
  FuelPlanCheck check;
  check.message = message;
  return check;
}

}  // namespace

FuelPlanCheck ReadFuelPlanInputs(const FuelPlanFields& fields, const FuelPlanSettings& settings,
                                 const LegState& leg, std::string_view destinationText) {
  const auto startFuel = ParseInt(fields.startFuel);
  const auto endFuel = ParseInt(fields.endFuel);
  const auto landFuel = ParseInt(fields.landFuel);
  const auto wind = ParseInt(fields.wind);
  const auto speed = RoundSetting(settings.cruiseSpeedKnots);
  const auto burn = RoundSetting(settings.fuelBurnGPH);
  const auto capacity = RoundSetting(settings.fuelCapacityGal);
  // A tank that rounds to nothing would divide the stop estimate by zero.
  if (!startFuel || !endFuel || !landFuel || !wind || !speed || !burn || *burn == 0 || !capacity ||
      *capacity < 1 || !std::isfinite(settings.stopCostDollars) ||
      !std::isfinite(leg.LegDistanceNM)) {
    return Refuse(FuelFieldsMessage);
  }

  FuelPlanInputs inputs;
  inputs.startFuelGal = *startFuel;
  inputs.endFuelGal = *endFuel;
  inputs.landFuelGal = *landFuel;
  inputs.windKnots = *wind;
  inputs.cruiseSpeedKnots = *speed;
  inputs.fuelBurnGPH = *burn;
  inputs.capacityGal = *capacity;
  inputs.stopCostDollars = settings.stopCostDollars;
  inputs.nmPerGal = static_cast<double>(
      RoundHalfEven((static_cast<double>(*speed) + static_cast<double>(*wind)) / *burn));
  // A headwind that eats the cruise speed leaves no distance per gallon, and a negative figure
  // would turn every leg into a fuel gain.
  if (inputs.nmPerGal <= 0) return Refuse(FuelWindMessage);

  inputs.routeDistanceNM = leg.LegDistanceNM;
  inputs.fromLat = leg.FromLat;
  inputs.fromLon = leg.FromLon;
  inputs.toLat = leg.ToLat;
  inputs.toLon = leg.ToLon;
  inputs.destinationText = std::string(destinationText);

  const double estimate = std::ceil(
      (inputs.routeDistanceNM / inputs.nmPerGal - inputs.startFuelGal + inputs.endFuelGal) /
      inputs.capacityGal);
  // The search tries the estimate and one more; both must fit in a plan.
  if (!(estimate + 1 <= MaxPlanStops)) return Refuse(FuelTooManyStopsMessage);
  inputs.stopsNeeded = estimate <= -1 ? -1 : static_cast<int>(estimate);

  FuelPlanCheck check;
  check.inputs = std::move(inputs);
  return check;
}

bool CanStart(double fuelCapacityGal, double cruiseSpeedKnots, double fuelBurnGPH) noexcept {
  return fuelCapacityGal != 0 && cruiseSpeedKnots != 0 && fuelBurnGPH != 0;
}

}  // namespace kestro
