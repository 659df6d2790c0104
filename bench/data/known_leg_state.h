#pragma once

#include "data/national_dataset.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "planning/leg_state.h"

namespace kestro::bench {

// The leg state the main window would hold for one of the data set's known legs.
[[nodiscard]] inline LegState LegStateFor(const KnownLeg& known) {
  LegState leg;
  leg.FromLat = known.from.latitudeDeg;
  leg.FromLon = known.from.longitudeDeg;
  leg.ToLat = known.to.latitudeDeg;
  leg.ToLon = known.to.longitudeDeg;
  leg.FromId = known.from.identifier;
  leg.ToId = known.to.identifier;
  const CourseDistance cd = CourseAndDistance(leg.FromLat, leg.FromLon, leg.ToLat, leg.ToLon);
  leg.LegCourse = cd.courseDeg;
  leg.LegDistanceNM = meterToNm(cd.distanceMetre);
  return leg;
}

}  // namespace kestro::bench
