#pragma once

#include <string>
#include <string_view>

#include "data/data_store.h"

namespace kestro {

// The point the chart and navigation windows steer to, set by the "Nav Point" commands.
struct NavPoint {
  double NavPointLat = 0;
  double NavPointLon = 0;
  std::string NavPointId;
  std::string NavPointName;
};

// Makes the airport the navigation point: its position and facility name from the extract
// file. Returns false, leaving the point as it was, when the airport is not found.
bool SetNavPointToAirport(DataStore& store, NavPoint& point, std::string_view identifier);

}  // namespace kestro
