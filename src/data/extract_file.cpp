#include "data/extract_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "common/data_error.h"
#include "data/airport_database.h"

namespace kestro {

bool DataFileExists(const std::filesystem::path& path) noexcept {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

ExtractFile::ExtractFile(std::filesystem::path path) : path_(std::move(path)) {
  file_ = std::fopen(path_.c_str(), "rb");
  if (file_ == nullptr) {
    throw DataError("Cannot open file " + path_.string() + ". " + std::strerror(errno));
  }
  if (::fseeko(file_, 0, SEEK_END) == 0) sizeBytes_ = ::ftello(file_);
  if (sizeBytes_ < 0) sizeBytes_ = 0;
}

ExtractFile::~ExtractFile() {
  if (file_ != nullptr) std::fclose(file_);
}

std::string ExtractFile::ReadIndexedLine(std::int64_t offset, const IndexLineRef& where) {
  if (offset >= sizeBytes_) {
    throw DataError("Error in " + where.Name() + ": offset " + std::to_string(offset) +
                    " lies beyond the end of " + path_.string() + " (" +
                    std::to_string(sizeBytes_) + " bytes).");
  }
  std::string line = ReadLineAt(file_, offset);
  if (line.size() >= kMaxLineBytes) {
    throw DataError("Error in " + where.Name() + ": the line of " + path_.string() + " at offset " +
                    std::to_string(offset) + " is longer than " + std::to_string(kMaxLineBytes) +
                    " bytes.");
  }
  return line;
}

}  // namespace kestro
