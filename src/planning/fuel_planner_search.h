#pragma once

#include <array>
#include <cstdint>

#include "planning/fuel_planner_inputs.h"

namespace kestro {

// The steps of the exhaustive search, one plan at a time. Amounts are 64-bit so that the skips
// cannot overflow whatever whole numbers the fields hold.

using PlanStops = std::array<int, MaxPlanStops>;             // candidate index of each stop
using PlanAmounts = std::array<std::int64_t, MaxPlanStops>;  // gallons bought at each stop

// One combination of stops, ready to be flown with any amounts.
struct PlanRoute {
  int stops = 0;
  std::array<int, MaxPlanStops> legNM{};           // the leg that ends at each stop
  std::array<double, MaxPlanStops> legFuelGal{};   // that leg divided by NM per gallon
  std::array<double, MaxPlanStops> pricePerGal{};  // the stop's price, widened from single
  double finalLegFuelGal = 0;                      // last stop to the destination
};

struct PlanFlight {
  bool completed = false;  // false: the plan was abandoned at a stop
  double arrivalFuelGal = 0;
  double costDollars = 0;
};

// The first combination of n stops, (0, 1, ..., n - 1).
void FirstStops(PlanStops& stops, int n) noexcept;
// The next combination of n out of k in lexicographic order; false after (k - n, ..., k - 1).
[[nodiscard]] bool NextStops(PlanStops& stops, int n, int k) noexcept;

// The amounts before the first step: all 0 but the last, -5, so the first step buys nothing.
void FirstAmounts(PlanAmounts& amounts, int n) noexcept;
// One step of the amount rule in 5-gallon steps; false when the enumeration is finished.
[[nodiscard]] bool StepAmounts(PlanAmounts& amounts, int n, std::int64_t capacityGal) noexcept;

// Flies one plan leg by leg. An abandoned plan moves the amounts past those that cannot work:
// a shortfall at a later stop raises the amount bought at the stop before, a full tank raises
// this and every later stop to the capacity. A first stop out of reach sets pruneStops, which
// ends the search for this number of stops.
[[nodiscard]] PlanFlight FlyPlan(const FuelPlanInputs& inputs, const PlanRoute& route,
                                 PlanAmounts& amounts, bool& pruneStops) noexcept;

}  // namespace kestro
