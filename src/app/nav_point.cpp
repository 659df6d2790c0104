#include "app/nav_point.h"

#include "data/airport_database.h"

namespace kestro {

bool SetNavPointToAirport(DataStore& store, NavPoint& point, std::string_view identifier) {
  if (!LookupAirport(store, identifier)) return false;
  const AirportPosition position = PositionFromFields(store.AirportFields);
  point.NavPointLat = position.lat;
  point.NavPointLon = position.lon;
  point.NavPointId = std::string(identifier);
  point.NavPointName = store.AirportFields.size() > 11 ? store.AirportFields[11] : std::string();
  return true;
}

}  // namespace kestro
