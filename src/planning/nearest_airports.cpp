#include "planning/nearest_airports.h"

#include <algorithm>
#include <cstdlib>

#include "common/rounding.h"
#include "data/airport_database.h"
#include "geo/geodesy.h"
#include "geo/units.h"

namespace kestro {
namespace {

constexpr int RadiusLimitNM = 200;
constexpr int RadiusStepNM = 10;
constexpr int AheadLimitDeg = 80;

void Take(NearestAirport& slot, long index, const Airports& airport, double bearingDeg,
          double distanceNM) {
  slot.index = index;
  slot.identifier = airport.identifier;
  slot.bearingDeg = bearingDeg;
  slot.distanceNM = distanceNM;
  slot.latitude = airport.latitude;
  slot.longitude = airport.longitude;
}

// Courses reach the heading difference as whole degrees; a course that is not a finite number
// (no track yet) counts as 0 rather than overflowing the conversion.
[[nodiscard]] int WholeDegrees(double deg) noexcept {
  if (!(deg > -1e6 && deg < 1e6)) return 0;
  return RoundHalfEvenInt(deg);
}

}  // namespace

SearchBox SearchBoxAround(double latDeg, double lonDeg, double radiusNM) noexcept {
  const GeoPoint southWest = PointAtCourseDistance(latDeg, lonDeg, 225.0, nmToMeter(radiusNM));
  const GeoPoint northEast = PointAtCourseDistance(latDeg, lonDeg, 45.0, nmToMeter(radiusNM));
  return {southWest.lon, northEast.lon, northEast.lat, southWest.lat};
}

NearestAirports FindNearestAirports(DataStore& store, int startRadiusNM, TAirportArray& airports,
                                    double latDeg, double lonDeg, double courseDeg) {
  NearestAirports result;
  // With no query run the array would otherwise keep the airports of an earlier search.
  airports.clear();
  // A negative radius turns the box inside out, so it holds nothing: start at 0 instead of
  // stepping through hundreds of millions of empty queries.
  for (int r = std::max(startRadiusNM, 0); result.count == 0 && r < RadiusLimitNM;
       r += RadiusStepNM) {
    const SearchBox box = SearchBoxAround(latDeg, lonDeg, r);
    result.count = QueryAirportsInRect(store, airports, box.west, box.east, box.north, box.south);
  }

  const int course = WholeDegrees(courseDeg);
  for (std::size_t i = 0; i < airports.size(); ++i) {
    const Airports& airport = airports[i];
    const CourseDistance cd =
        CourseAndDistance(latDeg, lonDeg, airport.latitude, airport.longitude);
    const double distanceNM = meterToNm(cd.distanceMetre);
    const int offCourse = HeadingDifference(course, WholeDegrees(cd.courseDeg));
    const auto index = static_cast<long>(i);
    if (distanceNM < result.nearest.distanceNM)
      Take(result.nearest, index, airport, cd.courseDeg, distanceNM);
    if (std::abs(offCourse) < AheadLimitDeg && distanceNM < result.ahead.distanceNM)
      Take(result.ahead, index, airport, cd.courseDeg, distanceNM);
  }
  return result;
}

}  // namespace kestro
