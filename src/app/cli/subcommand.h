#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kestro::cli {

// Exit status of kestro-cli and of every subcommand.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitNotFound = 1,  // a file, folder or airport that was asked for does not exist
  kExitUsage = 2,     // the command line was not understood
  kExitFailed = 3,    // malformed data, or a file that could not be read or written
};

// Where a subcommand writes: results to out, messages (errors, progress) to err.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
};

// The arguments after the subcommand's name.
using SubcommandFunction = int (*)(CliContext& context, std::span<const std::string> arguments);

struct Subcommand {
  std::string_view name;
  std::string_view summary;  // one line for "kestro-cli --help"
  SubcommandFunction run;
};

// Every subcommand, in the order "kestro-cli --help" lists them.
[[nodiscard]] std::span<const Subcommand> Subcommands() noexcept;

// Writes "kestro-cli COMMAND: MESSAGE" and a pointer to the subcommand's help to err; returns
// kExitUsage.
int UsageError(CliContext& context, std::string_view command, std::string_view message);

// One function per subcommand, each in its own *_command.cpp file.
int RunIndexCommand(CliContext& context, std::span<const std::string> arguments);
int RunLegCommand(CliContext& context, std::span<const std::string> arguments);
int RunRouteCommand(CliContext& context, std::span<const std::string> arguments);
int RunFuelCommand(CliContext& context, std::span<const std::string> arguments);
int RunPlanCommand(CliContext& context, std::span<const std::string> arguments);

}  // namespace kestro::cli
