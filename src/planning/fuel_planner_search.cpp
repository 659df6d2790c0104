#include "planning/fuel_planner_search.h"

#include "common/rounding.h"

namespace kestro {

void FirstStops(PlanStops& stops, int n) noexcept {
  for (int i = 0; i < n; ++i) stops[i] = i;
}

bool NextStops(PlanStops& stops, int n, int k) noexcept {
  int i = n - 1;
  while (i >= 0 && stops[i] == k - n + i) --i;
  if (i < 0) return false;
  ++stops[i];
  for (int j = i + 1; j < n; ++j) stops[j] = stops[j - 1] + 1;
  return true;
}

void FirstAmounts(PlanAmounts& amounts, int n) noexcept {
  for (int i = 0; i < n; ++i) amounts[i] = 0;
  amounts[n - 1] = -5;
}

bool StepAmounts(PlanAmounts& amounts, int n, std::int64_t capacityGal) noexcept {
  if (amounts[0] >= capacityGal - n) return false;
  amounts[n - 1] += 5;
  if (amounts[n - 1] >= capacityGal && n >= 2) {
    int j = n - 2;
    for (;;) {
      amounts[j] += 5;
      if (amounts[j] <= capacityGal) break;
      if (j == 0) return false;
      --j;
    }
    // Not 0: once a stop buys, the later ones start from 5 gallons.
    for (int k = j + 1; k < n; ++k) amounts[k] = 5;
  }
  return amounts[0] < capacityGal - n + 1;
}

PlanFlight FlyPlan(const FuelPlanInputs& inputs, const PlanRoute& route, PlanAmounts& amounts,
                   bool& pruneStops) noexcept {
  const int n = route.stops;
  const double landFuel = inputs.landFuelGal;
  const double capacity = inputs.capacityGal;
  double fuel = inputs.startFuelGal;
  // A first stop that is no leg away (the departure airport itself) fuels before the first test.
  const bool boughtAtDeparture = route.legNM[0] == 0;
  if (boughtAtDeparture) fuel += static_cast<double>(amounts[0]);

  double cost = 0;
  for (int i = 0; i < n; ++i) {
    fuel -= route.legFuelGal[i];
    if (fuel < landFuel) {
      if (i == 0) {
        if (route.legNM[0] > 0) pruneStops = true;
      } else {
        // Skip every amount at the stop before that still lands short here.
        std::int64_t skip = RoundHalfEven(landFuel - fuel) - 5;
        if (skip <= 5) skip = 5;
        skip = RoundHalfEven(static_cast<double>(skip) / 5) * 5;
        amounts[i - 1] += skip;
        for (int j = i; j < n; ++j) amounts[j] = 0;
      }
      return {};
    }
    if (i != 0 || !boughtAtDeparture) fuel += static_cast<double>(amounts[i]);
    if (fuel > capacity) {
      for (int j = i; j < n; ++j) amounts[j] = inputs.capacityGal;
      return {};
    }
    cost += static_cast<double>(amounts[i]) * route.pricePerGal[i];
    if (route.legNM[i] > 0 && amounts[i] > 0) cost += inputs.stopCostDollars;
  }
  fuel -= route.finalLegFuelGal;
  return {true, fuel, cost};
}

}  // namespace kestro
