#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kestro {

// Replaces a file atomically: the contents go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target. A crash or a full disk leaves either the old
// file or the new one, never a half-written file. Returns an empty text on success, otherwise a
// message naming the file and the system's reason.
[[nodiscard]] std::string WriteFileAtomic(const std::filesystem::path& path,
                                          std::string_view contents);

}  // namespace kestro
