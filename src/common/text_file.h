#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// Text files are single-byte (Windows-1252) and travel between Windows and Linux, so every reader
// accepts CR LF, LF and a lone CR as line ends. A final line end adds no empty line.
[[nodiscard]] std::vector<std::string> SplitTextLines(std::string_view contents);

// The whole file as bytes, or nothing when it cannot be opened.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The file's lines, or nothing when it cannot be opened.
[[nodiscard]] std::optional<std::vector<std::string>> ReadTextLines(
    const std::filesystem::path& path);

// Lines joined with CR LF after every line, as the files written for Windows expect.
[[nodiscard]] std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Data folders are copied from Windows machines: a fixed file name is looked up by its exact name
// first and, when that is missing, by a name that differs only in ASCII letter case.
[[nodiscard]] std::filesystem::path ResolveFileName(const std::filesystem::path& folder,
                                                    std::string_view fileName);

}  // namespace kestro
