#include "app/cli/trip_setup.h"
#include "planning/leg.h"

namespace kestro::cli {
namespace {

constexpr std::string_view kCommand = "leg";
constexpr std::string_view kSynopsis = "FROM TO";
constexpr std::string_view kDescription =
    "Prints the leg's four read-outs as the main window shows them, one per line:\n"
    "caption, TAB, text (Bearing, Distance, Time, Fuel).\n";

}  // namespace

int RunLegCommand(CliContext& context, std::span<const std::string> arguments) {
  const ParseOutcome parsed = ParseOptions(arguments, kTripOptions);
  if (auto done = HelpOrUsageError(context.out, context.err,
                                   {kCommand, kSynopsis, kDescription, kTripOptions}, parsed)) {
    return *done;
  }
  Trip trip(context.err);
  if (const int status = StartTrip(context, kCommand, parsed.options, trip); status != 0) {
    return status;
  }
  const LegReadouts& readouts = trip.readouts;
  context.out << "Bearing\t" << readouts.bearing << "\n"
              << "Distance\t" << readouts.distance << "\n"
              << "Time\t" << readouts.time << "\n"
              << "Fuel\t" << readouts.fuel << "\n";
  return kExitSuccess;
}

}  // namespace kestro::cli
