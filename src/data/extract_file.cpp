#include "data/extract_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "common/data_error.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

[[nodiscard]] FileStamp StampOf(const struct stat& status) noexcept {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::int64_t>(status.st_size),
          static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

}  // namespace

bool DataFileExists(const std::filesystem::path& path) noexcept {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<FileStamp> RegularFileStamp(const std::filesystem::path& path) noexcept {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return StampOf(status);
}

ExtractFile::ExtractFile(std::filesystem::path path) : path_(std::move(path)) {
  descriptor_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0) {
    throw DataError("Cannot open file " + path_.string() + ". " + std::strerror(errno));
  }
  struct stat status {};
  if (::fstat(descriptor_, &status) == 0) {
    stamp_ = StampOf(status);
    if (status.st_size > 0) sizeBytes_ = status.st_size;
  }
}

ExtractFile::~ExtractFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

std::string ExtractFile::ReadIndexedLine(std::int64_t offset, const IndexLineRef& where) {
  if (offset >= sizeBytes_) {
    throw DataError("Error in " + where.Name() + ": offset " + std::to_string(offset) +
                    " lies beyond the end of " + path_.string() + " (" +
                    std::to_string(sizeBytes_) + " bytes).");
  }
  std::string line = ReadLineAt(descriptor_, offset);
  if (line.size() >= kMaxLineBytes) {
    throw DataError("Error in " + where.Name() + ": the line of " + path_.string() + " at offset " +
                    std::to_string(offset) + " is longer than " + std::to_string(kMaxLineBytes) +
                    " bytes.");
  }
  return line;
}

}  // namespace kestro
