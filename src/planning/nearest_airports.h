#pragma once

#include <string>

#include "data/airport_record.h"
#include "data/data_store.h"

namespace kestro {

// The latitude/longitude box whose south-west corner lies r NM from the centre on course 225 and
// whose north-east corner r NM on course 45, so it reaches about 0.71 r NM each way.
struct SearchBox {
  double west = 0;
  double east = 0;
  double north = 0;
  double south = 0;
};
[[nodiscard]] SearchBox SearchBoxAround(double latDeg, double lonDeg, double radiusNM) noexcept;

// One airport found by FindNearestAirports; the initial values mean "none found".
struct NearestAirport {
  long index = -1;  // in the array passed to the search
  std::string identifier;
  double bearingDeg = 0;  // true, from the position to the airport, unrounded
  double distanceNM = 100000;
  double latitude = 0;
  double longitude = 0;
};

// The navigation window and the flight log keep the last result in the program-wide state.
struct NearestAirports {
  int count = 0;           // airports in the box where the search succeeded
  NearestAirport nearest;  // the nearest airport
  NearestAirport ahead;    // the nearest airport less than 80 degrees off the course
};

// Queries boxes around the position from startRadiusNM, growing by 10 NM while none holds an
// airport and the radius is below 200 NM. The array receives the airports of the box in which
// the search succeeded; it is left empty when none did. Ties keep the airport met first.
[[nodiscard]] NearestAirports FindNearestAirports(DataStore& store, int startRadiusNM,
                                                  TAirportArray& airports, double latDeg,
                                                  double lonDeg, double courseDeg);

}  // namespace kestro
