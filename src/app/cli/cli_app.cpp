#include "app/cli/cli_app.h"

#include <algorithm>
#include <vector>

#include "app/cli/subcommand.h"

namespace kestro::cli {
namespace {

void ListSubcommands(std::ostream& out) {
  out << "Usage: kestro-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
  size_t width = 0;
  for (const Subcommand& command : Subcommands()) width = std::max(width, command.name.size());
  for (const Subcommand& command : Subcommands()) {
    out << "  " << command.name << std::string(width - command.name.size() + 2, ' ')
        << command.summary << "\n";
  }
  out << "\nRun 'kestro-cli COMMAND --help' for the arguments of a command.\n";
}

const Subcommand* FindSubcommand(std::string_view name) {
  const auto commands = Subcommands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [&](const Subcommand& command) { return command.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

}  // namespace

int RunCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  CliContext context{out, err};
  if (arguments.empty()) {
    ListSubcommands(err);
    return kExitUsage;
  }
  const std::string& first = arguments.front();
  if (first == "--help" || first == "-h" || (first == "help" && arguments.size() == 1)) {
    ListSubcommands(out);
    return kExitSuccess;
  }
  if (first == "help") {
    const Subcommand* command = FindSubcommand(arguments[1]);
    if (command == nullptr) {
      err << "kestro-cli: unknown command '" << arguments[1] << "'\n";
      return kExitUsage;
    }
    const std::vector<std::string> help{"--help"};
    return command->run(context, help);
  }
  const Subcommand* command = FindSubcommand(first);
  if (command == nullptr) {
    err << "kestro-cli: unknown command '" << first << "'. Run 'kestro-cli --help' for the list.\n";
    return kExitUsage;
  }
  return command->run(context, arguments.subspan(1));
}

}  // namespace kestro::cli
