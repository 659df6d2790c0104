#pragma once

#include <ostream>
#include <span>
#include <string>

namespace kestro::cli {

// Runs kestro-cli with the arguments after the program name and returns its exit status.
// "kestro-cli --help" (or "help") lists the subcommands; "kestro-cli help COMMAND" and
// "kestro-cli COMMAND --help" show one subcommand's usage.
[[nodiscard]] int RunCli(std::span<const std::string> arguments, std::ostream& out,
                         std::ostream& err);

}  // namespace kestro::cli
