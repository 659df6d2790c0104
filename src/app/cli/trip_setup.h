#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "app/cli/cli_options.h"
#include "app/cli/stream_messages.h"
#include "app/cli/subcommand.h"
#include "app/settings_apply.h"
#include "app/shared_state.h"
#include "planning/leg.h"

namespace kestro::cli {

// The leg, report and plan commands start like the program does: the settings file's options
// applied to the data folder, then the two ends of the leg resolved.
inline constexpr OptionSpec kSpeedOption{"--speed", "KT", "cruise speed in knots (setting Speed)"};
inline constexpr OptionSpec kGphOption{"--gph", "GPH", "fuel burn in gallons per hour (GPH)"};
inline constexpr OptionSpec kRangeOption{"--range", "NM", "route search range (RouteRange)"};
inline constexpr OptionSpec kNowOption{"--now", "YYYY-MM-DD[Thh:mm:ss]",
                                       "local clock that price ages count from (default: now)"};

inline constexpr std::array kTripOptions{kSettingsOption, kDataOption,  kSpeedOption,
                                         kGphOption,      kRangeOption, kNowOption};

struct Trip {
  explicit Trip(std::ostream& err) : messages(err) {}
  SharedState state;
  StreamMessages messages;
  OptionsTexts texts;
  LegReadouts readouts;  // the main window's read-outs for the resolved leg
};

// Reads the settings (the file named by --settings, or Kestro.ini where the program keeps it),
// applies the overrides and loads the data folder. The settings file may also supply
// StopCost and FOB. Returns kExitSuccess or the exit status of a usage error.
[[nodiscard]] int PrepareTrip(CliContext& context, std::string_view command,
                              const ParsedOptions& options, Trip& trip);

// The whole start of a trip command: exactly two positional arguments FROM and TO, the settings
// prepared, both ends resolved. Returns kExitSuccess or the exit status to end with.
[[nodiscard]] int StartTrip(CliContext& context, std::string_view command,
                            const ParsedOptions& options, Trip& trip);

// Resolves FROM and TO as the main window's fields do and computes the leg and its read-outs.
// Returns kExitSuccess, or kExitNotFound with a message naming the identifier that was not found.
[[nodiscard]] int ResolveTrip(CliContext& context, std::string_view command,
                              const std::string& from, const std::string& to, Trip& trip);

}  // namespace kestro::cli
