#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestro::cli {

// One option a subcommand accepts: "--name VALUE" (also "--name=VALUE") when valueName is set,
// otherwise a flag.
struct OptionSpec {
  std::string_view name;       // with the leading "--"
  std::string_view valueName;  // "FILE", "DIR", ...; empty for a flag
  std::string_view help;       // one line
};

// Options that several subcommands share; a subcommand lists the ones it takes.
inline constexpr OptionSpec kSettingsOption{"--settings", "FILE",
                                            "settings file (Kestro.ini) to use"};
inline constexpr OptionSpec kDataOption{"--data", "DIR", "data folder to use"};

class ParsedOptions {
 public:
  [[nodiscard]] bool Has(std::string_view name) const noexcept;
  // The value of a value option, nothing when it was not given.
  [[nodiscard]] std::optional<std::string> Value(std::string_view name) const;
  [[nodiscard]] const std::vector<std::string>& Positional() const noexcept { return positional_; }
  [[nodiscard]] bool HelpRequested() const noexcept { return help_; }

 private:
  friend struct OptionParser;
  std::vector<std::pair<std::string, std::string>> values_;  // flags have an empty value
  std::vector<std::string> positional_;
  bool help_ = false;
};

struct ParseOutcome {
  ParsedOptions options;
  std::string error;  // empty when the arguments were understood
};

// Reads a subcommand's arguments. "--help" and "-h" are always accepted; "--" ends the options, so
// later arguments are positional even when they start with "-". An unknown option, a value option
// without its value, a value given to a flag and an option given twice are errors.
[[nodiscard]] ParseOutcome ParseOptions(std::span<const std::string> arguments,
                                        std::span<const OptionSpec> specs);

// What a subcommand tells about itself in its help.
struct CommandInfo {
  std::string_view name;
  std::string_view synopsis;
  std::string_view description;
  std::span<const OptionSpec> options;
};

// After ParseOptions: prints the help when it was asked for (exit status 0) or reports a usage
// error (status 2). Nothing when the command should go on.
[[nodiscard]] std::optional<int> HelpOrUsageError(std::ostream& out, std::ostream& err,
                                                  const CommandInfo& command,
                                                  const ParseOutcome& parsed);

// "Usage: kestro-cli COMMAND SYNOPSIS" followed by one line per option.
[[nodiscard]] std::string FormatUsage(std::string_view command, std::string_view synopsis,
                                      std::span<const OptionSpec> specs);

}  // namespace kestro::cli
