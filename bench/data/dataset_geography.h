#pragma once

#include <span>
#include <string_view>

namespace kestro::bench {

// The rough geography the national data set is spread over: the outline of the continental
// United States, its larger cities (where airports and heliports cluster) and an approximate
// state for any position. Good to a few tens of miles, which is all a benchmark needs.

struct GeoPoint {
  double latDeg = 0;
  double lonDeg = 0;  // east positive, so negative everywhere here
};

inline constexpr double kEarthRadiusNM = 3440.065;  // mean radius

// Great-circle distance and destination on a sphere; the data set is synthetic, so the
// ellipsoid's few tenths of a percent do not matter here.
[[nodiscard]] double DistanceNM(GeoPoint from, GeoPoint to) noexcept;
[[nodiscard]] GeoPoint PointAtBearing(GeoPoint from, double bearingDeg, double distanceNM) noexcept;

// True inside the (coarse) outline of the 48 contiguous states.
[[nodiscard]] bool InsideConus(GeoPoint point) noexcept;

// The outline's bounding box.
inline constexpr double kConusSouthDeg = 24.5;
inline constexpr double kConusNorthDeg = 49.4;
inline constexpr double kConusWestDeg = -124.8;
inline constexpr double kConusEastDeg = -66.9;

struct City {
  std::string_view name;
  GeoPoint centre;
  double weight;  // share of the clustered airports
};
[[nodiscard]] std::span<const City> Cities() noexcept;

struct StateInfo {
  std::string_view code;
  std::string_view name;
  std::string_view region;  // FAA region
  std::string_view areaCode;
};
// The state whose reference point lies nearest (a coarse stand-in for the state borders).
[[nodiscard]] const StateInfo& StateAt(GeoPoint point) noexcept;
[[nodiscard]] std::span<const StateInfo> States() noexcept;

}  // namespace kestro::bench
