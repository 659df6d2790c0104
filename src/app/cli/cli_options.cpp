#include "app/cli/cli_options.h"

#include <algorithm>

namespace kestro::cli {

struct OptionParser {
  static ParseOutcome Parse(std::span<const std::string> arguments,
                            std::span<const OptionSpec> specs) {
    ParseOutcome outcome;
    ParsedOptions& options = outcome.options;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
      const std::string& argument = arguments[i];
      if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
        options.positional_.push_back(argument);
        continue;
      }
      if (argument == "--") {
        optionsEnded = true;
        continue;
      }
      if (argument == "--help" || argument == "-h") {
        options.help_ = true;
        continue;
      }
      const size_t equals = argument.find('=');
      const std::string name = argument.substr(0, equals);
      const auto spec = std::find_if(specs.begin(), specs.end(),
                                     [&](const OptionSpec& s) { return s.name == name; });
      if (spec == specs.end()) {
        outcome.error = "unknown option " + name;
        return outcome;
      }
      if (options.Has(name)) {
        outcome.error = "option " + name + " given twice";
        return outcome;
      }
      std::string value;
      if (spec->valueName.empty()) {
        if (equals != std::string::npos) {
          outcome.error = "option " + name + " takes no value";
          return outcome;
        }
      } else if (equals != std::string::npos) {
        value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        outcome.error = "option " + name + " needs a value " + std::string(spec->valueName);
        return outcome;
      }
      options.values_.emplace_back(name, std::move(value));
    }
    return outcome;
  }
};

bool ParsedOptions::Has(std::string_view name) const noexcept {
  return std::any_of(values_.begin(), values_.end(),
                     [&](const auto& entry) { return entry.first == name; });
}

std::optional<std::string> ParsedOptions::Value(std::string_view name) const {
  for (const auto& [key, value] : values_) {
    if (key == name) return value;
  }
  return std::nullopt;
}

ParseOutcome ParseOptions(std::span<const std::string> arguments,
                          std::span<const OptionSpec> specs) {
  return OptionParser::Parse(arguments, specs);
}

std::string FormatUsage(std::string_view command, std::string_view synopsis,
                        std::span<const OptionSpec> specs) {
  std::string usage = "Usage: kestro-cli " + std::string(command);
  if (!synopsis.empty()) usage += " " + std::string(synopsis);
  usage += "\n\nOptions:\n";
  std::vector<std::pair<std::string, std::string_view>> rows;
  for (const OptionSpec& spec : specs) {
    std::string head(spec.name);
    if (!spec.valueName.empty()) head += " " + std::string(spec.valueName);
    rows.emplace_back(std::move(head), spec.help);
  }
  rows.emplace_back("--help", "show this help");
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  for (const auto& [head, help] : rows) {
    usage += "  " + head + std::string(width - head.size() + 2, ' ') + std::string(help) + "\n";
  }
  return usage;
}

}  // namespace kestro::cli

namespace kestro::cli {

std::optional<int> HelpOrUsageError(std::ostream& out, std::ostream& err,
                                    const CommandInfo& command, const ParseOutcome& parsed) {
  if (!parsed.error.empty()) {
    err << "kestro-cli " << command.name << ": " << parsed.error << "\n"
        << "Try 'kestro-cli " << command.name << " --help'.\n";
    return 2;
  }
  if (parsed.options.HelpRequested()) {
    out << FormatUsage(command.name, command.synopsis, command.options) << "\n"
        << command.description;
    return 0;
  }
  return std::nullopt;
}

}  // namespace kestro::cli
