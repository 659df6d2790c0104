#include "app/cli/trip_setup.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "app/profile_file.h"
#include "app/settings_location.h"
#include "common/date_time.h"
#include "common/number_parse.h"
#include "planning/leg.h"

namespace kestro::cli {
namespace {

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : self.parent_path();
}

// The texts the options window would hold after loading the file: its defaults on a first run,
// "Entry" for an edit whose key is missing once settings exist, as the window does.
OptionsTexts ReadOptionsTexts(const std::filesystem::path& file) {
  OptionsTexts t = DefaultOptionsTexts();
  t.DataPath = ProgramFolder().string() + "/";
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return t;
  const ProfileFile profile(file);
  if (!HoldsSavedOptions(profile)) {
    t.DataPath = profile.ReadString("Options", "DataPath", t.DataPath);
    return t;
  }
  auto read = [&](const char* key) { return profile.ReadString("Options", key, "Entry"); };
  t.DataPath = read("DataPath");
  t.Speed = read("Speed");
  t.GPH = read("GPH");
  t.FOB = read("FOB");
  t.StopCost = read("StopCost");
  t.RouteRange = read("RouteRange");
  t.GPSComPort = read("GPSComPort");
  t.GPSBaudRate = read("GPSBaudRate");
  return t;
}

}  // namespace

int PrepareTrip(CliContext& context, std::string_view command, const ParsedOptions& options,
                Trip& trip) {
  std::optional<std::filesystem::path> explicitFile;
  if (auto file = options.Value(kSettingsOption.name)) explicitFile = *file;
  const std::filesystem::path settingsFile = SettingsFilePath(ProgramFolder(), explicitFile);
  if (explicitFile && !std::filesystem::exists(*explicitFile)) {
    return UsageError(context, command, "settings file " + explicitFile->string() + " not found");
  }
  trip.texts = ReadOptionsTexts(settingsFile);

  if (auto speed = options.Value(kSpeedOption.name)) {
    if (!ParseDouble(*speed)) return UsageError(context, command, "--speed needs a number");
    trip.texts.Speed = *speed;
  }
  if (auto gph = options.Value(kGphOption.name)) {
    if (!ParseDouble(*gph)) return UsageError(context, command, "--gph needs a number");
    trip.texts.GPH = *gph;
  }
  if (auto range = options.Value(kRangeOption.name)) {
    if (!ParseInt(*range)) return UsageError(context, command, "--range needs a whole number");
    trip.texts.RouteRange = *range;
  }
  if (auto now = options.Value(kNowOption.name)) {
    const auto clock = ParseIsoDateTime(*now);
    if (!clock) return UsageError(context, command, "--now needs YYYY-MM-DD[Thh:mm:ss]");
    trip.state.data.clock = [value = *clock] { return value; };
  }
  std::optional<std::string> dataFolder;
  if (auto data = options.Value(kDataOption.name)) {
    dataFolder = std::filesystem::absolute(*data).string();
  }
  trip.state.data.messages = &trip.messages;
  ApplySettings(trip.state, trip.texts, &trip.messages, dataFolder);
  return kExitSuccess;
}

int ResolveTrip(CliContext& context, std::string_view command, const std::string& from,
                const std::string& to, Trip& trip) {
  DataStore& data = trip.state.data;
  LegState& leg = trip.state.leg;
  const bool fromFound = ResolveEndpoint(data, leg, LegEnd::From, from);
  const bool toFound = ResolveEndpoint(data, leg, LegEnd::To, to);
  if (!fromFound || !toFound) {
    context.err << "kestro-cli " << command << ": airport " << (fromFound ? to : from)
                << " not found\n";
    return kExitNotFound;
  }
  if (leg.IsValid()) {
    trip.readouts = ComputeLeg(leg, leg.FromLat, leg.FromLon, leg.ToLat, leg.ToLon,
                               trip.state.settings.CruiseSpeed, trip.state.settings.FuelBurnGPH);
  }
  return kExitSuccess;
}

int StartTrip(CliContext& context, std::string_view command, const ParsedOptions& options,
              Trip& trip) {
  const auto& ends = options.Positional();
  if (ends.size() != 2) return UsageError(context, command, "give FROM and TO");
  if (const int status = PrepareTrip(context, command, options, trip); status != kExitSuccess) {
    return status;
  }
  return ResolveTrip(context, command, ends[0], ends[1], trip);
}

}  // namespace kestro::cli
