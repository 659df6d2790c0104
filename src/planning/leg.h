#pragma once

#include <string>
#include <string_view>

#include "data/data_store.h"
#include "planning/leg_state.h"

namespace kestro {

// Which end of the leg a field resolves: the FROM field carries tag 0, the TO field tag 1.
enum class LegEnd : int { From = 0, To = 1 };

// Looks the typed identifier up (exact identifiers only, no prefix matching) and sets that end of
// the leg: position, upper-cased identifier and facility name, or zeros and empty texts when it
// is not found. Coordinates that do not parse leave the end at 0, 0. Returns whether the airport
// was found (which enables the end's chart button even when its coordinates are unusable).
bool ResolveEndpoint(DataStore& store, LegState& leg, LegEnd end, std::string_view typed);

// The four read-outs of the main window.
struct LegReadouts {
  std::string bearing;   // "%.3d"
  std::string distance;  // "%d NM"
  std::string time;      // "%d Min", "%dh %dm" or "-"
  std::string fuel;      // "%.1f Gal" or "-"
};

// Computes LegCourse and LegDistanceNM from the two points and formats the read-outs. When any of
// the four values is 0 the read-outs are empty and the leg state is not changed.
LegReadouts ComputeLeg(LegState& leg, double lat1, double lon1, double lat2, double lon2,
                       double cruiseSpeedKt, double fuelBurnGPH);

// Formats the time and fuel read-outs for a distance; shared by the window and the command line.
[[nodiscard]] std::string FormatLegTime(double distanceNM, double cruiseSpeedKt);
[[nodiscard]] std::string FormatLegFuel(double distanceNM, double cruiseSpeedKt,
                                        double fuelBurnGPH);

}  // namespace kestro
