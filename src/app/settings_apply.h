#pragma once

#include <optional>
#include <string>

#include "app/shared_state.h"

namespace kestro {

class UserMessages;

// The texts of the options window's controls that the applied settings come from.
struct OptionsTexts {
  std::string DataPath;
  std::string Speed;
  std::string GPH;
  std::string FOB;
  std::string StopCost;
  std::string RouteRange;
  std::string GPSComPort;
  std::string GPSBaudRate;
};

// The texts the options window holds before any settings file is read (DataPath excepted: it
// starts as the program's folder).
[[nodiscard]] OptionsTexts DefaultOptionsTexts();

class ProfileFile;
// Settings count as saved when the file's Options section holds more than two keys; anything
// less is a first run, which writes the defaults.
[[nodiscard]] bool HoldsSavedOptions(const ProfileFile& settings);

// The data folder as the settings name it: the path as typed (a case-sensitive file system keeps
// its case) with a trailing "/" added when missing.
[[nodiscard]] std::string NormaliseDataFolder(const std::string& typed);

// Copies the settings into the shared state and loads the data folder's index files, FBO file and
// GPS log. A folder that does not exist gives the warning "Data Path does not exist." and the
// program goes on with it. dataOverride, when set, names the data folder of this run in place of
// the DataPath text. Returns the DataPath text to show in the window (normalised).
std::string ApplySettings(SharedState& state, const OptionsTexts& texts, UserMessages* messages,
                          const std::optional<std::string>& dataOverride = std::nullopt);

}  // namespace kestro
