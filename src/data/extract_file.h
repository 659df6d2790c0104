#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "data/index_line.h"

namespace kestro {

// True when the path names an existing regular file (a folder of that name does not count).
[[nodiscard]] bool DataFileExists(const std::filesystem::path& path) noexcept;

// The stamp of the regular file the path names; nothing when DataFileExists would be false.
[[nodiscard]] std::optional<FileStamp> RegularFileStamp(const std::filesystem::path& path) noexcept;

// An extract file opened for one operation and closed again when the object goes, also when a
// DataError ends the operation.
class ExtractFile {
 public:
  // Throws DataError when the file cannot be opened.
  explicit ExtractFile(std::filesystem::path path);
  ~ExtractFile();
  ExtractFile(const ExtractFile&) = delete;
  ExtractFile& operator=(const ExtractFile&) = delete;

  // The line at the offset given by an index line. An offset at or beyond the end of the file means
  // the index belongs to another extract; that, and a line longer than ReadLineAt returns, throw
  // DataError naming the index line and this file.
  [[nodiscard]] std::string ReadIndexedLine(std::int64_t offset, const IndexLineRef& where);

  [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }
  // The version of the file that was opened.
  [[nodiscard]] const FileStamp& stamp() const noexcept { return stamp_; }

 private:
  std::filesystem::path path_;
  int descriptor_ = -1;
  std::int64_t sizeBytes_ = 0;
  FileStamp stamp_;
};

}  // namespace kestro
