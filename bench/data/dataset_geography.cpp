#include "dataset_geography.h"

#include <array>
#include <cmath>
#include <limits>

namespace kestro::bench {
namespace {

constexpr double kDegToRad = 0.017453292519943295;

// Latitude/longitude vertices of the outline, clockwise from the Pacific Northwest. The Great Lakes
// are left inside, like the coastal waters; nobody benchmarks a seaplane base against this.
constexpr auto kOutline = std::to_array<GeoPoint>({
    {48.4, -124.7}, {49.0, -123.1}, {49.0, -95.2},  {49.4, -95.2},  {49.3, -94.8},  {48.0, -89.6},
    {46.5, -84.6},  {45.0, -82.5},  {43.0, -82.4},  {42.0, -83.1},  {42.8, -79.0},  {43.3, -79.0},
    {44.2, -76.5},  {45.0, -74.9},  {45.0, -71.5},  {46.7, -70.0},  {47.4, -69.2},  {47.1, -67.8},
    {44.8, -67.0},  {43.6, -70.2},  {42.6, -70.6},  {41.8, -70.0},  {41.3, -71.9},  {40.6, -74.0},
    {39.7, -74.1},  {38.9, -74.9},  {38.3, -75.1},  {37.0, -76.0},  {35.2, -75.5},  {33.9, -77.9},
    {33.2, -79.2},  {32.0, -80.9},  {30.7, -81.4},  {28.5, -80.5},  {26.7, -80.0},  {25.2, -80.4},
    {25.2, -81.1},  {26.1, -81.8},  {27.7, -82.7},  {29.2, -82.8},  {30.1, -84.0},  {29.7, -85.4},
    {30.3, -87.6},  {30.3, -89.4},  {29.2, -89.6},  {29.1, -90.9},  {29.7, -93.8},  {29.3, -94.8},
    {27.7, -97.2},  {25.9, -97.4},  {26.4, -99.1},  {28.0, -100.3}, {29.8, -101.4}, {29.0, -103.1},
    {29.6, -104.5}, {31.8, -106.5}, {31.8, -108.2}, {31.3, -108.2}, {31.3, -111.1}, {32.5, -114.8},
    {32.5, -117.1}, {34.0, -118.5}, {34.6, -120.6}, {36.6, -121.9}, {37.8, -122.5}, {39.0, -123.7},
    {40.4, -124.4}, {42.0, -124.2}, {43.0, -124.5}, {46.2, -123.9}, {47.0, -124.1}, {47.9, -124.6},
});

constexpr auto kCities = std::to_array<City>({
    {"NEW YORK", {40.75, -73.95}, 10.0},       {"PHILADELPHIA", {39.95, -75.17}, 6.0},
    {"BOSTON", {42.36, -71.06}, 6.0},          {"WASHINGTON", {38.90, -77.04}, 6.0},
    {"BALTIMORE", {39.29, -76.61}, 4.0},       {"PITTSBURGH", {40.44, -80.00}, 4.0},
    {"CLEVELAND", {41.50, -81.70}, 4.0},       {"COLUMBUS", {39.96, -83.00}, 3.0},
    {"CINCINNATI", {39.10, -84.50}, 3.0},      {"DETROIT", {42.33, -83.05}, 5.0},
    {"CHICAGO", {41.88, -87.63}, 8.0},         {"MILWAUKEE", {43.04, -87.90}, 3.0},
    {"MINNEAPOLIS", {44.98, -93.27}, 4.0},     {"ST LOUIS", {38.63, -90.20}, 4.0},
    {"KANSAS CITY", {39.10, -94.58}, 3.0},     {"INDIANAPOLIS", {39.77, -86.16}, 3.0},
    {"LOUISVILLE", {38.25, -85.76}, 2.0},      {"NASHVILLE", {36.16, -86.78}, 3.0},
    {"MEMPHIS", {35.15, -90.05}, 2.0},         {"ATLANTA", {33.75, -84.39}, 5.0},
    {"CHARLOTTE", {35.23, -80.84}, 3.0},       {"RALEIGH", {35.78, -78.64}, 3.0},
    {"RICHMOND", {37.54, -77.44}, 2.0},        {"NORFOLK", {36.85, -76.29}, 2.0},
    {"JACKSONVILLE", {30.33, -81.66}, 2.0},    {"ORLANDO", {28.54, -81.38}, 4.0},
    {"TAMPA", {27.95, -82.46}, 4.0},           {"MIAMI", {25.90, -80.30}, 4.0},
    {"NEW ORLEANS", {29.95, -90.07}, 2.0},     {"HOUSTON", {29.76, -95.37}, 6.0},
    {"DALLAS", {32.78, -96.80}, 6.0},          {"SAN ANTONIO", {29.42, -98.49}, 3.0},
    {"AUSTIN", {30.27, -97.74}, 3.0},          {"OKLAHOMA CITY", {35.47, -97.52}, 2.0},
    {"TULSA", {36.15, -95.99}, 2.0},           {"DENVER", {39.74, -104.99}, 4.0},
    {"SALT LAKE CITY", {40.76, -111.89}, 2.0}, {"PHOENIX", {33.45, -112.07}, 4.0},
    {"TUCSON", {32.22, -110.97}, 2.0},         {"LAS VEGAS", {36.17, -115.14}, 2.0},
    {"LOS ANGELES", {34.05, -118.24}, 7.0},    {"SAN DIEGO", {32.72, -117.16}, 3.0},
    {"SAN FRANCISCO", {37.77, -122.42}, 5.0},  {"SACRAMENTO", {38.58, -121.49}, 2.0},
    {"PORTLAND", {45.52, -122.68}, 3.0},       {"SEATTLE", {47.61, -122.33}, 4.0},
    {"ALBUQUERQUE", {35.08, -106.65}, 1.0},    {"OMAHA", {41.26, -95.94}, 1.5},
    {"DES MOINES", {41.59, -93.62}, 1.0},      {"BUFFALO", {42.89, -78.88}, 2.0},
    {"ROCHESTER", {43.16, -77.61}, 1.5},       {"ALBANY", {42.65, -73.75}, 1.5},
    {"HARTFORD", {41.76, -72.68}, 2.0},        {"PROVIDENCE", {41.82, -71.41}, 1.5},
    {"BIRMINGHAM", {33.52, -86.80}, 1.5},      {"LITTLE ROCK", {34.75, -92.29}, 1.0},
    {"COLUMBIA", {34.00, -81.03}, 1.0},        {"GREENVILLE", {34.85, -82.40}, 1.5},
    {"KNOXVILLE", {35.96, -83.92}, 1.5},       {"GRAND RAPIDS", {42.96, -85.67}, 1.5},
    {"HARRISBURG", {40.27, -76.88}, 2.0},      {"ALLENTOWN", {40.60, -75.47}, 2.0},
    {"SPOKANE", {47.66, -117.43}, 1.0},        {"BOISE", {43.62, -116.20}, 1.0},
    {"WICHITA", {37.69, -97.34}, 1.5},         {"SYRACUSE", {43.05, -76.15}, 1.5},
});

struct StatePoint {
  GeoPoint point;
  int state;  // index into kStates
};

constexpr auto kStates = std::to_array<StateInfo>({
    {"AL", "ALABAMA", "ASO", "205"},        {"AZ", "ARIZONA", "AWP", "602"},
    {"AR", "ARKANSAS", "ASW", "501"},       {"CA", "CALIFORNIA", "AWP", "916"},
    {"CO", "COLORADO", "ANM", "303"},       {"CT", "CONNECTICUT", "ANE", "860"},
    {"DE", "DELAWARE", "AEA", "302"},       {"FL", "FLORIDA", "ASO", "407"},
    {"GA", "GEORGIA", "ASO", "404"},        {"ID", "IDAHO", "ANM", "208"},
    {"IL", "ILLINOIS", "AGL", "217"},       {"IN", "INDIANA", "AGL", "317"},
    {"IA", "IOWA", "ACE", "515"},           {"KS", "KANSAS", "ACE", "785"},
    {"KY", "KENTUCKY", "ASO", "502"},       {"LA", "LOUISIANA", "ASW", "225"},
    {"ME", "MAINE", "ANE", "207"},          {"MD", "MARYLAND", "AEA", "410"},
    {"MA", "MASSACHUSETTS", "ANE", "617"},  {"MI", "MICHIGAN", "AGL", "517"},
    {"MN", "MINNESOTA", "AGL", "612"},      {"MS", "MISSISSIPPI", "ASO", "601"},
    {"MO", "MISSOURI", "ACE", "573"},       {"MT", "MONTANA", "ANM", "406"},
    {"NE", "NEBRASKA", "ACE", "402"},       {"NV", "NEVADA", "AWP", "775"},
    {"NH", "NEW HAMPSHIRE", "ANE", "603"},  {"NJ", "NEW JERSEY", "AEA", "609"},
    {"NM", "NEW MEXICO", "ASW", "505"},     {"NY", "NEW YORK", "AEA", "518"},
    {"NC", "NORTH CAROLINA", "ASO", "919"}, {"ND", "NORTH DAKOTA", "AGL", "701"},
    {"OH", "OHIO", "AGL", "614"},           {"OK", "OKLAHOMA", "ASW", "405"},
    {"OR", "OREGON", "ANM", "503"},         {"PA", "PENNSYLVANIA", "AEA", "717"},
    {"RI", "RHODE ISLAND", "ANE", "401"},   {"SC", "SOUTH CAROLINA", "ASO", "803"},
    {"SD", "SOUTH DAKOTA", "AGL", "605"},   {"TN", "TENNESSEE", "ASO", "615"},
    {"TX", "TEXAS", "ASW", "512"},          {"UT", "UTAH", "ANM", "801"},
    {"VT", "VERMONT", "ANE", "802"},        {"VA", "VIRGINIA", "AEA", "804"},
    {"WA", "WASHINGTON", "ANM", "360"},     {"WV", "WEST VIRGINIA", "AEA", "304"},
    {"WI", "WISCONSIN", "AGL", "608"},      {"WY", "WYOMING", "ANM", "307"},
});

// Reference points inside each state; large or oddly shaped states get several.
constexpr auto kStatePoints = std::to_array<StatePoint>({
    {{32.8, -86.8}, 0},   {{34.2, -111.7}, 1},  {{34.9, -92.4}, 2},   {{37.2, -119.5}, 3},
    {{34.2, -117.5}, 3},  {{40.5, -122.0}, 3},  {{39.0, -105.5}, 4},  {{41.6, -72.7}, 5},
    {{39.0, -75.5}, 6},   {{28.6, -82.4}, 7},   {{30.5, -85.5}, 7},   {{26.5, -81.0}, 7},
    {{32.7, -83.4}, 8},   {{44.4, -114.6}, 9},  {{47.0, -116.5}, 9},  {{40.0, -89.2}, 10},
    {{41.8, -88.5}, 10},  {{39.9, -86.3}, 11},  {{42.1, -93.5}, 12},  {{38.5, -98.4}, 13},
    {{37.5, -85.3}, 14},  {{37.2, -88.3}, 14},  {{31.1, -92.0}, 15},  {{45.4, -69.2}, 16},
    {{39.0, -76.8}, 17},  {{42.3, -71.8}, 18},  {{43.6, -84.7}, 19},  {{46.4, -87.0}, 19},
    {{46.3, -94.3}, 20},  {{32.7, -89.7}, 21},  {{38.4, -92.5}, 22},  {{47.0, -109.6}, 23},
    {{47.0, -113.5}, 23}, {{41.5, -99.8}, 24},  {{39.3, -116.6}, 25}, {{36.5, -115.3}, 25},
    {{43.7, -71.6}, 26},  {{40.2, -74.7}, 27},  {{34.4, -106.1}, 28}, {{42.9, -75.5}, 29},
    {{41.0, -73.8}, 29},  {{35.6, -79.4}, 30},  {{47.5, -100.5}, 31}, {{40.3, -82.8}, 32},
    {{35.6, -97.5}, 33},  {{43.9, -120.6}, 34}, {{40.9, -77.8}, 35},  {{41.7, -71.5}, 36},
    {{33.9, -80.9}, 37},  {{44.4, -100.2}, 38}, {{35.9, -86.4}, 39},  {{35.5, -89.0}, 39},
    {{31.5, -99.3}, 40},  {{31.5, -95.5}, 40},  {{31.0, -103.0}, 40}, {{35.2, -101.8}, 40},
    {{27.5, -98.0}, 40},  {{39.3, -111.7}, 41}, {{44.1, -72.7}, 42},  {{37.5, -78.8}, 43},
    {{47.4, -120.5}, 44}, {{38.6, -80.6}, 45},  {{44.6, -89.9}, 46},  {{43.0, -107.6}, 47},
    {{36.8, -82.5}, 43},  {{36.2, -83.8}, 39},
});

}  // namespace

double DistanceNM(GeoPoint from, GeoPoint to) noexcept {
  const double p1 = from.latDeg * kDegToRad;
  const double p2 = to.latDeg * kDegToRad;
  const double dp = p2 - p1;
  const double dl = (to.lonDeg - from.lonDeg) * kDegToRad;
  const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                   std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
  return 2 * kEarthRadiusNM * std::asin(std::sqrt(h));
}

GeoPoint PointAtBearing(GeoPoint from, double bearingDeg, double distanceNM) noexcept {
  const double p1 = from.latDeg * kDegToRad;
  const double l1 = from.lonDeg * kDegToRad;
  const double b = bearingDeg * kDegToRad;
  const double d = distanceNM / kEarthRadiusNM;
  const double p2 =
      std::asin(std::sin(p1) * std::cos(d) + std::cos(p1) * std::sin(d) * std::cos(b));
  const double l2 = l1 + std::atan2(std::sin(b) * std::sin(d) * std::cos(p1),
                                    std::cos(d) - std::sin(p1) * std::sin(p2));
  return {p2 / kDegToRad, l2 / kDegToRad};
}

bool InsideConus(GeoPoint point) noexcept {
  // Even-odd ray casting along the parallel.
  bool inside = false;
  for (size_t i = 0, j = kOutline.size() - 1; i < kOutline.size(); j = i++) {
    const GeoPoint& a = kOutline[i];
    const GeoPoint& b = kOutline[j];
    if ((a.latDeg > point.latDeg) != (b.latDeg > point.latDeg)) {
      const double lonAtLat =
          a.lonDeg + (point.latDeg - a.latDeg) * (b.lonDeg - a.lonDeg) / (b.latDeg - a.latDeg);
      if (point.lonDeg < lonAtLat) inside = !inside;
    }
  }
  return inside;
}

std::span<const City> Cities() noexcept {
  return kCities;
}

std::span<const StateInfo> States() noexcept {
  return kStates;
}

const StateInfo& StateAt(GeoPoint point) noexcept {
  double best = std::numeric_limits<double>::max();
  int state = 0;
  const double lonScale = std::cos(point.latDeg * kDegToRad);
  for (const StatePoint& candidate : kStatePoints) {
    const double dLat = candidate.point.latDeg - point.latDeg;
    const double dLon = (candidate.point.lonDeg - point.lonDeg) * lonScale;
    const double squared = dLat * dLat + dLon * dLon;
    if (squared < best) {
      best = squared;
      state = candidate.state;
    }
  }
  return kStates[static_cast<size_t>(state)];
}

}  // namespace kestro::bench
