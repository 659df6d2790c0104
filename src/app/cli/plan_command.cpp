#include <array>

#include "app/cli/report_commands.h"
#include "common/number_parse.h"
#include "planning/fuel_planner.h"

namespace kestro::cli {
namespace {

constexpr std::string_view kCommand = "plan";
constexpr std::string_view kSynopsis = "FROM TO";
constexpr std::string_view kDescription =
    "Builds the fuel report, then searches the five cheapest fuel-stop plans and prints the\n"
    "results list as the report window holds it (\"No Solution\" when none is found).\n";

constexpr OptionSpec kCapacityOption{"--capacity", "GAL", "total fuel capacity (setting FOB)"};
constexpr OptionSpec kStopCostOption{"--stop-cost", "USD", "cost to stop (setting StopCost)"};
constexpr OptionSpec kStartFuelOption{"--start-fuel", "GAL", "starting fuel (default 10)"};
constexpr OptionSpec kEndFuelOption{"--end-fuel", "GAL", "ending fuel (default 25)"};
constexpr OptionSpec kLandFuelOption{"--land-fuel", "GAL",
                                     "minimum landing fuel (default the GPH setting's text)"};
constexpr OptionSpec kWindOption{"--wind", "KT", "headwind (-) or tailwind (+), default 0"};

constexpr std::array kPlanOptions{kSettingsOption, kDataOption,     kSpeedOption,
                                  kGphOption,      kRangeOption,    kNowOption,
                                  kCapacityOption, kStopCostOption, kStartFuelOption,
                                  kEndFuelOption,  kLandFuelOption, kWindOption};

}  // namespace

int RunPlanCommand(CliContext& context, std::span<const std::string> arguments) {
  const ParseOutcome parsed = ParseOptions(arguments, kPlanOptions);
  if (auto done = HelpOrUsageError(context.out, context.err,
                                   {kCommand, kSynopsis, kDescription, kPlanOptions}, parsed)) {
    return *done;
  }
  const ParsedOptions& options = parsed.options;
  Trip trip(context.err);
  if (const int status = StartTrip(context, kCommand, options, trip); status != 0) {
    return status;
  }
  AppliedSettings& settings = trip.state.settings;
  if (auto capacity = options.Value(kCapacityOption.name)) {
    const auto value = ParseDouble(*capacity);
    if (!value) return UsageError(context, kCommand, "--capacity needs a number");
    settings.FuelCapacity = *value;
  }
  if (auto cost = options.Value(kStopCostOption.name)) {
    const auto value = ParseDouble(*cost);
    if (!value) return UsageError(context, kCommand, "--stop-cost needs a number");
    settings.StopCostDollars = *value;
  }

  FuelPlanFields fields;
  fields.startFuel = options.Value(kStartFuelOption.name).value_or(fields.startFuel);
  fields.endFuel = options.Value(kEndFuelOption.name).value_or(fields.endFuel);
  fields.landFuel = options.Value(kLandFuelOption.name).value_or(trip.texts.GPH);
  fields.wind = options.Value(kWindOption.name).value_or(fields.wind);

  ReportRun run;
  if (const int status = BuildReport(context, EnrouteReportMode::Fuel, trip, run); status != 0) {
    return status;
  }
  FuelPlanner planner;
  const FuelPlanSettings planSettings{settings.CruiseSpeed, settings.FuelBurnGPH,
                                      settings.FuelCapacity, settings.StopCostDollars};
  const FuelSearchEnd end = planner.Start(trip.state.data, fields, planSettings, trip.state.leg,
                                          options.Positional()[1], run.lines.lines(), {});
  if (end == FuelSearchEnd::Refused) return kExitUsage;
  if (end == FuelSearchEnd::Failed) return kExitFailed;
  for (const auto& line : planner.Results()) context.out << line << "\n";
  return kExitSuccess;
}

}  // namespace kestro::cli
