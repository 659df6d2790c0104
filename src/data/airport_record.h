#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/date_time.h"

namespace kestro {

// One airport as the box query returns it. Fields 1-23 come from the facilities and runways
// extract files, 24-30 from the airport's best FBO line.
struct Airports {
  std::string siteNumber;                    // 1: facilities column 0
  std::string type;                          // 2: column 1
  std::string identifier;                    // 3: column 2
  std::string facilityName;                  // 4: column 11
  double latitude = 0;                       // 5: degrees, north positive (column 23)
  double longitude = 0;                      // 6: degrees, east positive (column 25)
  std::int32_t elevationFeet = 0;            // 7: column 27, 0 when not an integer
  std::string chartName;                     // 8: column 32
  std::string ctafFrequency;                 // 9: column 75
  std::string unicomFrequencies;             // 10: column 74
  std::string managerPhone;                  // 11: column 21
  std::string fuelTypes;                     // 12: column 67
  std::string reserved13;                    // 13: never filled
  std::int32_t screenX = 0;                  // 14: set by the navigation window
  std::int32_t screenY = 0;                  // 15
  std::string longestRunwayId;               // 16: runways column 2
  std::int32_t longestRunwayLengthFeet = 0;  // 17: runways column 3, 0 when empty
  std::string longestRunwaySurface;          // 18: runways column 5
  std::string reserved19, reserved20, reserved21, reserved22, reserved23;  // 19-23
  std::string fboName;                                                     // 24
  std::string fboContact;                                                  // 25
  std::string fboService;                                                  // 26
  double price100LL = 0;   // 27: dollars; 0 no price, -2.0 not a number
  double priceJetA = 0;    // 28
  double priceMogas = 0;   // 29
  DateTime priceDate = 0;  // 30: 0 when no date
};

using TAirportArray = std::vector<Airports>;

}  // namespace kestro
