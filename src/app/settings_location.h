#pragma once

#include <filesystem>
#include <optional>

namespace kestro {

// Where Kestro.ini lives: the program's own folder when it is writable (a portable install),
// otherwise $XDG_CONFIG_HOME/Kestro/ (falling back to ~/.config/Kestro/), created when needed.
// An explicit file named on the command line wins.
[[nodiscard]] std::filesystem::path SettingsFilePath(
    const std::filesystem::path& programFolder,
    const std::optional<std::filesystem::path>& explicitFile = std::nullopt);

// The user's configuration folder for Kestro, without creating it.
[[nodiscard]] std::filesystem::path UserConfigFolder();

}  // namespace kestro
