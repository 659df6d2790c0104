#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/sorted_text_list.h"
#include "data/data_store.h"
#include "planning/leg_state.h"

namespace kestro {

// The airports along the leg, one line each, for the report window and the command line.

enum class EnrouteReportMode {
  Route,  // every airport near the route
  Fuel,   // only airports with a 100LL price, with the price and its age
};

// The report window tells the modes apart by its caption: "Route Report" is the route report,
// any other caption the fuel report.
inline constexpr std::string_view RouteReportCaption = "Route Report";
inline constexpr std::string_view FuelReportCaption = "Fuel Report";
[[nodiscard]] EnrouteReportMode ReportModeForCaption(std::string_view caption) noexcept;

// One report line. Distances and the detour are in nautical miles; the distance is rounded half
// to even and zero-padded so that the sorted list orders the lines by distance from departure.
[[nodiscard]] std::string FormatRouteLine(double distanceNM, double detourNM,
                                          const std::string& identifier,
                                          const std::string& facilityName);
[[nodiscard]] std::string FormatFuelLine(double distanceNM, double price100LL, int ageDays,
                                         double detourNM, const std::string& identifier,
                                         const std::string& facilityName);

// What the report window does while the report runs. Every hook may be left empty; none may
// throw (finished also runs while a data error unwinds).
struct EnrouteReportHooks {
  // The list has been cleared: disable FuelBtn and RouteBtn.
  std::function<void()> started;
  // Set the progress bar's maximum, show the progress panel and the report window, hide the
  // best-fuel list and the fuel panel.
  std::function<void(int maximum)> showProgress;
  // The progress bar's position: the distance of the sample point in NM.
  std::function<void(int position)> progress;
  // A line was accepted and inserted into the list at index, so a list box can mirror the list
  // while the report runs.
  std::function<void(const std::string& line, std::size_t index)> lineAdded;
  // Fuel report only: select the line with the cheapest 100LL price.
  std::function<void(std::size_t index)> selectLine;
  // Enable FuelBtn and RouteBtn, hide the progress panel, show the fuel panel exactly in the
  // fuel report. Called also when a data error ends the report early.
  std::function<void(EnrouteReportMode mode)> finished;
};

struct EnrouteReportResult {
  long selectedIndex = -1;  // fuel report: list index of the best line; -1 otherwise or when empty
  std::string bestLine;     // the line of the cheapest 100LL price met, empty when none
  double bestPrice100LL = 10000.0;
  int samplePoints = 0;
  int boxQueries = 0;
  long boxAirports = 0;  // airports returned by the box queries, repeats included
};

// Clears the list and fills it with the airports around the leg, sampled every 5 NM from 1 NM
// while the distance is below leg.LegDistanceNM. The age of a price is taken against
// store.clock(), read once per report. The leg and the range are copied because window messages run
// during the box queries and may change the program's leg state. A DataError from the data files
// ends the report: the lines accepted so far stay in the list, hooks.finished runs, and the error
// propagates for the caller to report.
EnrouteReportResult BuildEnrouteReport(DataStore& store, LegState leg, int routeSearchRangeNM,
                                       EnrouteReportMode mode, SortedTextList& list,
                                       const EnrouteReportHooks& hooks = {});

}  // namespace kestro
