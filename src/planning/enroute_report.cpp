#include "planning/enroute_report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "common/format.h"
#include "common/rounding.h"
#include "data/airport_database.h"
#include "data/fbo_file.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "planning/nearest_airports.h"

namespace kestro {
namespace {

constexpr int FirstSampleNM = 1;
constexpr int SampleStepNM = 5;
constexpr int RangeLimitNM = 100;

// Runs hooks.finished when the report ends, however it ends, so that a data error never leaves
// the report buttons disabled or the progress panel on screen.
class FinishGuard {
 public:
  FinishGuard(const EnrouteReportHooks& hooks, EnrouteReportMode mode) noexcept
      : hooks_(hooks), mode_(mode) {}
  FinishGuard(const FinishGuard&) = delete;
  FinishGuard& operator=(const FinishGuard&) = delete;
  ~FinishGuard() {
    if (hooks_.finished) hooks_.finished(mode_);
  }

 private:
  const EnrouteReportHooks& hooks_;
  EnrouteReportMode mode_;
};

[[nodiscard]] int ProgressMaximum(double legDistanceNM) noexcept {
  if (!(legDistanceNM > 0)) return 0;
  if (legDistanceNM >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return RoundHalfEvenInt(legDistanceNM);
}

// The zero-padded "%4.4d" field takes an int; a distance that does not fit cannot be on a leg on
// Earth, so it is clamped rather than converted with undefined behaviour.
[[nodiscard]] int WholeNM(double nm) noexcept {
  if (!(std::fabs(nm) < 1e9)) return nm < 0 ? -999999999 : 999999999;
  return RoundHalfEvenInt(nm);
}

}  // namespace

EnrouteReportMode ReportModeForCaption(std::string_view caption) noexcept {
  return caption == RouteReportCaption ? EnrouteReportMode::Route : EnrouteReportMode::Fuel;
}

std::string FormatRouteLine(double distanceNM, double detourNM, const std::string& identifier,
                            const std::string& facilityName) {
  return Format("%4.4d NM   +%5.1f NM : %4.4s : %s", WholeNM(distanceNM), detourNM,
                identifier.c_str(), facilityName.c_str());
}

std::string FormatFuelLine(double distanceNM, double price100LL, int ageDays, double detourNM,
                           const std::string& identifier, const std::string& facilityName) {
  return Format("%4.4d NM  $%5.2f  %4d Ago  +%5.1f NM : %4.4s : %s", WholeNM(distanceNM),
                price100LL, ageDays, detourNM, identifier.c_str(), facilityName.c_str());
}

// The leg is taken by value on purpose: the program's leg state may change while window messages
// run inside the box queries, and the report must describe the leg it was started for.
EnrouteReportResult BuildEnrouteReport(DataStore& store,
                                       LegState leg,  // NOLINT(performance-unnecessary-value-param)
                                       int routeSearchRangeNM, EnrouteReportMode mode,
                                       SortedTextList& list, const EnrouteReportHooks& hooks) {
  EnrouteReportResult result;
  list.Clear();
  if (hooks.started) hooks.started();
  const FinishGuard finish(hooks, mode);

  // Route mode lists every airport but those whose 100LL field was not a number (-2.0).
  const double priceThreshold = mode == EnrouteReportMode::Route ? -1.0 : 0.0;
  if (hooks.showProgress) hooks.showProgress(ProgressMaximum(leg.LegDistanceNM));

  // One "now" for the whole report: an airport met again after midnight must give the same line,
  // or it would be listed twice.
  const DateTime now = store.clock ? store.clock() : NowLocal();

  // A box of negative radius is turned inside out and holds nothing, so starting at 0 gives the
  // same report without stepping through up to two billion empty queries.
  const int firstRadiusNM = std::max(routeSearchRangeNM, 0);

  TAirportArray airports;
  for (int d = FirstSampleNM; d < leg.LegDistanceNM; d += SampleStepNM) {
    ++result.samplePoints;
    if (hooks.progress) hooks.progress(d);
    const GeoPoint sample =
        PointAtCourseDistance(leg.FromLat, leg.FromLon, leg.LegCourse, nmToMeter(d));

    int found = 0;
    airports.clear();
    for (int r = firstRadiusNM; found == 0 && r < RangeLimitNM; ++r) {
      const SearchBox box = SearchBoxAround(sample.lat, sample.lon, r);
      found = QueryAirportsInRect(store, airports, box.west, box.east, box.north, box.south);
      ++result.boxQueries;
    }
    result.boxAirports += found;

    for (const Airports& airport : airports) {
      if (!(airport.price100LL > priceThreshold)) continue;
      const double fromDepartureNM =
          meterToNm(CourseAndDistance(leg.FromLat, leg.FromLon, airport.latitude, airport.longitude)
                        .distanceMetre);
      // Formatting is the costly part of a candidate, so the distance test comes first.
      if (fromDepartureNM > leg.LegDistanceNM) continue;
      const double toDestinationNM =
          meterToNm(CourseAndDistance(airport.latitude, airport.longitude, leg.ToLat, leg.ToLon)
                        .distanceMetre);
      const double detourNM = fromDepartureNM + toDestinationNM - leg.LegDistanceNM;
      std::string line =
          mode == EnrouteReportMode::Route
              ? FormatRouteLine(fromDepartureNM, detourNM, airport.identifier, airport.facilityName)
              : FormatFuelLine(fromDepartureNM, airport.price100LL,
                               FBOAgeDays(now, airport.priceDate), detourNM, airport.identifier,
                               airport.facilityName);
      if (list.ContainsExact(line)) continue;
      if (airport.price100LL < result.bestPrice100LL) {
        result.bestPrice100LL = airport.price100LL;
        result.bestLine = line;
      }
      const std::size_t index = list.Add(std::move(line));
      if (hooks.lineAdded) hooks.lineAdded(list[index], index);
    }
  }

  if (mode == EnrouteReportMode::Fuel && !result.bestLine.empty()) {
    result.selectedIndex = list.IndexOfExact(result.bestLine);
    if (result.selectedIndex >= 0 && hooks.selectLine)
      hooks.selectLine(static_cast<std::size_t>(result.selectedIndex));
  }
  return result;
}

}  // namespace kestro
