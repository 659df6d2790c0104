#pragma once

#include "app/cli/trip_setup.h"
#include "common/sorted_text_list.h"
#include "planning/enroute_report.h"
#include "planning/leg.h"

namespace kestro::cli {

// A report built for a resolved trip, shared by the fuel and plan commands.
struct ReportRun {
  SortedTextList lines;
  EnrouteReportResult result;
};

// Builds the report for the resolved leg in the given mode; kExitFailed on a data error.
[[nodiscard]] int BuildReport(CliContext& context, EnrouteReportMode mode, Trip& trip,
                              ReportRun& run);

}  // namespace kestro::cli
