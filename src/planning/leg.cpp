#include "planning/leg.h"

#include "common/ascii_case.h"
#include "common/format.h"
#include "common/rounding.h"
#include "data/airport_database.h"
#include "geo/geodesy.h"
#include "geo/units.h"

namespace kestro {

bool ResolveEndpoint(DataStore& store, LegState& leg, LegEnd end, std::string_view typed) {
  const bool found = LookupAirport(store, typed);
  double lat = 0;
  double lon = 0;
  std::string id;
  std::string name;
  if (found) {
    const AirportPosition position = PositionFromFields(store.AirportFields);
    lat = position.lat;
    lon = position.lon;
    id = ToUpperAscii(typed);
    name = store.AirportFields.size() > 11 ? store.AirportFields[11] : std::string();
  }
  if (end == LegEnd::From) {
    leg.FromLat = lat;
    leg.FromLon = lon;
    leg.FromId = std::move(id);
    leg.FromName = std::move(name);
  } else {
    leg.ToLat = lat;
    leg.ToLon = lon;
    leg.ToId = std::move(id);
    leg.ToName = std::move(name);
  }
  return found;
}

std::string FormatLegTime(double distanceNM, double cruiseSpeedKt) {
  if (cruiseSpeedKt == 0) return "-";
  const auto minutes = RoundHalfEven(distanceNM / cruiseSpeedKt * 60.0);
  if (minutes < 60) return Format("%d Min", static_cast<int>(minutes));
  return Format("%dh %dm", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
}

std::string FormatLegFuel(double distanceNM, double cruiseSpeedKt, double fuelBurnGPH) {
  if (fuelBurnGPH == 0 || cruiseSpeedKt == 0) return "-";
  return Format("%.1f Gal", fuelBurnGPH * distanceNM / cruiseSpeedKt);
}

LegReadouts ComputeLeg(LegState& leg, double lat1, double lon1, double lat2, double lon2,
                       double cruiseSpeedKt, double fuelBurnGPH) {
  if (lat1 == 0 || lon1 == 0 || lat2 == 0 || lon2 == 0) return {};
  const CourseDistance cd = CourseAndDistance(lat1, lon1, lat2, lon2);
  leg.LegCourse = cd.courseDeg;
  leg.LegDistanceNM = meterToNm(cd.distanceMetre);
  LegReadouts readouts;
  readouts.bearing = Format("%.3d", static_cast<int>(RoundHalfEven(leg.LegCourse)));
  readouts.distance = Format("%d NM", static_cast<int>(RoundHalfEven(leg.LegDistanceNM)));
  readouts.time = FormatLegTime(leg.LegDistanceNM, cruiseSpeedKt);
  readouts.fuel = FormatLegFuel(leg.LegDistanceNM, cruiseSpeedKt, fuelBurnGPH);
  return readouts;
}

}  // namespace kestro
