#include "app/cli/report_commands.h"

#include "planning/enroute_report.h"

namespace kestro::cli {
namespace {

constexpr std::string_view kSynopsis = "FROM TO";

int RunReport(CliContext& context, std::string_view command, EnrouteReportMode mode,
              std::span<const std::string> arguments) {
  const ParseOutcome parsed = ParseOptions(arguments, kTripOptions);
  const std::string_view description = mode == EnrouteReportMode::Route
                                           ? "Prints the route report's lines in list order.\n"
                                           : "Prints the fuel report's lines in list order, then "
                                             "\"best: \" and the selected line.\n";
  if (auto done = HelpOrUsageError(context.out, context.err,
                                   {command, kSynopsis, description, kTripOptions}, parsed)) {
    return *done;
  }
  Trip trip(context.err);
  if (const int status = StartTrip(context, command, parsed.options, trip); status != 0) {
    return status;
  }
  ReportRun run;
  if (const int status = BuildReport(context, mode, trip, run); status != 0) return status;
  for (const auto& line : run.lines.lines()) context.out << line << "\n";
  if (mode == EnrouteReportMode::Fuel && run.result.selectedIndex >= 0) {
    context.out << "best: " << run.lines[static_cast<size_t>(run.result.selectedIndex)] << "\n";
  }
  return kExitSuccess;
}

}  // namespace

int BuildReport(CliContext& context, EnrouteReportMode mode, Trip& trip, ReportRun& run) {
  try {
    run.result = BuildEnrouteReport(trip.state.data, trip.state.leg,
                                    trip.state.settings.RouteSearchRange, mode, run.lines);
  } catch (const std::exception& failure) {
    context.err << "kestro-cli: " << failure.what() << "\n";
    return kExitFailed;
  }
  return kExitSuccess;
}

int RunRouteCommand(CliContext& context, std::span<const std::string> arguments) {
  return RunReport(context, "route", EnrouteReportMode::Route, arguments);
}

int RunFuelCommand(CliContext& context, std::span<const std::string> arguments) {
  return RunReport(context, "fuel", EnrouteReportMode::Fuel, arguments);
}

}  // namespace kestro::cli
