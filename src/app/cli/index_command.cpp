#include <array>

#include "app/cli/cli_options.h"
#include "app/cli/subcommand.h"
#include "app/settings_apply.h"
#include "data/data_store.h"
#include "data/index_builder.h"

namespace kestro::cli {
namespace {

constexpr std::string_view kCommand = "index";
constexpr std::string_view kSynopsis = "DATAFOLDER  (or --data DIR)";
constexpr std::array kOptions{kDataOption};

constexpr std::string_view kDescription =
    "Reads NfdcFacilities.xls and NfdcRunways.xls in the data folder and writes\n"
    "NfdcFacilities.NameIndex.txt, NfdcFacilities.LonIndex.txt and NfdcRunways.IDIndex.txt\n"
    "next to them. Nothing is written when an extract file is malformed.\n";

}  // namespace

int RunIndexCommand(CliContext& context, std::span<const std::string> arguments) {
  const ParseOutcome parsed = ParseOptions(arguments, kOptions);
  if (auto done = HelpOrUsageError(context.out, context.err,
                                   {kCommand, kSynopsis, kDescription, kOptions}, parsed)) {
    return *done;
  }
  const ParsedOptions& options = parsed.options;

  std::vector<std::string> folders = options.Positional();
  if (const auto data = options.Value(kDataOption.name)) folders.push_back(*data);
  if (folders.empty()) return UsageError(context, kCommand, "no data folder given");
  if (folders.size() > 1) return UsageError(context, kCommand, "give one data folder only");
  if (folders.front().empty()) return UsageError(context, kCommand, "the data folder is empty");

  DataStore store;
  store.DataFolder = NormaliseDataFolder(folders.front());

  const IndexBuildResult result = BuildIndexFiles(store);
  if (result.status == IndexBuildStatus::kMissingInput) {
    context.err << "kestro-cli index: " << result.message << "\n";
    return kExitNotFound;
  }
  if (result.status == IndexBuildStatus::kBadInput) {
    context.err << "kestro-cli index: " << result.message << "\nNo index file was written.\n";
    return kExitFailed;
  }
  context.out << "Read " << result.airportCount << " airports from "
              << result.facilitiesFile.string() << "\n"
              << "Read " << result.runwayCount << " runways from " << result.runwaysFile.string()
              << "\n";
  for (const auto& written : result.written) {
    context.out << "Wrote " << written.path.string() << " (" << written.lineCount << " lines)\n";
  }
  if (result.status == IndexBuildStatus::kWriteFailed) {
    context.err << "kestro-cli index: " << result.message << "\n";
    return kExitFailed;
  }
  return kExitSuccess;
}

}  // namespace kestro::cli
