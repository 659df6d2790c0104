#pragma once

#include <cstddef>

namespace kestro {

// Column layout of the two tab-separated extract files, as far as the program reads them.

inline constexpr size_t kFacilitiesColumnCount = 101;
inline constexpr size_t kRunwaysColumnCount = 117;

enum FacilitiesColumn : size_t {
  kFacSiteNumber = 0,
  kFacType = 1,
  kFacLocationId = 2,
  kFacFacilityName = 11,
  kFacManagerPhone = 21,
  kFacLatitudeSeconds = 23,
  kFacLongitudeSeconds = 25,
  kFacElevation = 27,
  kFacChartName = 32,
  kFacFuelTypes = 67,
  kFacUnicomFrequencies = 74,
  kFacCtafFrequency = 75,
};

enum RunwaysColumn : size_t {
  kRwySiteNumber = 0,
  kRwyId = 2,
  kRwyLength = 3,
  kRwySurface = 5,
};

}  // namespace kestro
