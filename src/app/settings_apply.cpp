#include "app/settings_apply.h"

#include <filesystem>
#include <system_error>

#include "app/profile_file.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "common/user_messages.h"
#include "data/fbo_file.h"

namespace kestro {
namespace {

// An index file that is missing leaves its list as it was.
void LoadIndexIfPresent(const std::filesystem::path& file, std::vector<std::string>& list) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  if (auto lines = ReadTextLines(file)) list = std::move(*lines);
}

}  // namespace

OptionsTexts DefaultOptionsTexts() {
  return {"", "115", "10", "50", "20", "30", "3", "4800"};
}

bool HoldsSavedOptions(const ProfileFile& settings) {
  return settings.KeyCount("Options") > 2;
}

std::string NormaliseDataFolder(const std::string& typed) {
  std::string folder = typed;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ApplySettings(SharedState& state, const OptionsTexts& texts, UserMessages* messages,
                          const std::optional<std::string>& dataOverride) {
  std::string shown = NormaliseDataFolder(texts.DataPath);
  DataStore& data = state.data;
  data.DataFolder = dataOverride ? NormaliseDataFolder(*dataOverride) : shown;

  std::error_code error;
  if (!std::filesystem::is_directory(data.DataFolder, error) && messages != nullptr) {
    messages->Warning("Data Path does not exist.");
  }

  LoadIndexIfPresent(data.NameIndexFile(), data.NameIndex);
  LoadIndexIfPresent(data.LonIndexFile(), data.LonIndex);
  LoadIndexIfPresent(data.RunwayIndexFile(), data.RunwayIndex);
  // Records remembered from the old indexes or folder must not be served for the new ones.
  data.InvalidateCaches();
  LoadFBOFile(data);

  auto log = ReadTextLines(data.GpsLogFile());
  state.GPSLogLines = log ? std::move(*log) : std::vector<std::string>{};

  AppliedSettings& s = state.settings;
  s.CruiseSpeed = ParseDouble(texts.Speed).value_or(0);
  s.FuelBurnGPH = ParseDouble(texts.GPH).value_or(0);
  s.FuelCapacity = ParseDouble(texts.FOB).value_or(0);
  s.StopCostDollars = ParseDouble(texts.StopCost).value_or(0);
  s.RouteSearchRange = ParseInt(texts.RouteRange).value_or(15);
  s.GPSPortNumber = ParseInt(texts.GPSComPort).value_or(3);
  s.GPSBaud = ParseInt(texts.GPSBaudRate).value_or(4800);
  return shown;
}

}  // namespace kestro
