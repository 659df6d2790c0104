#include <array>

#include "app/cli/cli_options.h"
#include "app/cli/subcommand.h"

namespace kestro::cli {
namespace {

// A new subcommand is one *_command.cpp file, its function in subcommand.h and one line here.
constexpr std::array kSubcommands{
    Subcommand{"index", "build the three index files of a data folder from its extract files",
               RunIndexCommand},
    Subcommand{"leg", "print the leg's bearing, distance, time and fuel", RunLegCommand},
    Subcommand{"route", "print the route report: every airport along the leg", RunRouteCommand},
    Subcommand{"fuel", "print the fuel report: the airports along the leg that sell 100LL",
               RunFuelCommand},
    Subcommand{"plan", "print the five cheapest fuel-stop plans for the leg", RunPlanCommand},
};

}  // namespace

std::span<const Subcommand> Subcommands() noexcept {
  return kSubcommands;
}

int UsageError(CliContext& context, std::string_view command, std::string_view message) {
  ParseOutcome failed;
  failed.error = std::string(message);
  return *HelpOrUsageError(context.out, context.err, CommandInfo{command, {}, {}, {}}, failed);
}

}  // namespace kestro::cli
