#include "app/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace kestro {

std::filesystem::path UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg == '/') return std::filesystem::path(xdg) / "Kestro";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "Kestro";
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder,
                                       const std::optional<std::filesystem::path>& explicitFile) {
  if (explicitFile) return *explicitFile;
  if (::access(programFolder.c_str(), W_OK) == 0) return programFolder / "Kestro.ini";
  const std::filesystem::path folder = UserConfigFolder();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return folder / "Kestro.ini";
}

}  // namespace kestro
