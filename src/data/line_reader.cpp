#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>

#include "data/airport_database.h"

namespace kestro {
namespace {

// The extract files are read one line at a time in blocks of this size, so that a lookup touches
// only a few kilobytes of a file of tens of megabytes.
constexpr size_t kBlockBytes = 1500;

// Appends blocks to the line until one holds a CR or LF or the file ends. readBlock fills the
// block with the next bytes of the line and returns how many it read, 0 at the end of the file.
template <typename ReadBlock>
std::string ReadLineInBlocks(ReadBlock&& readBlock) {
  std::string line;
  std::array<char, kBlockBytes> block{};
  while (line.size() < kMaxLineBytes) {
    const size_t got = readBlock(block.data(), block.size());
    const auto end = block.begin() + static_cast<std::ptrdiff_t>(got);
    const auto lineEnd =
        std::find_if(block.begin(), end, [](char c) { return c == '\r' || c == '\n'; });
    line.append(block.begin(), lineEnd);
    if (lineEnd != end || got < block.size()) break;
  }
  if (line.size() > kMaxLineBytes) line.resize(kMaxLineBytes);
  return line;
}

}  // namespace

std::string ReadLineAt(std::FILE* file, std::int64_t offset) {
  if (file == nullptr || offset < 0 || ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) {
    return {};
  }
  return ReadLineInBlocks(
      [file](char* block, size_t size) { return std::fread(block, 1, size, file); });
}

std::string ReadLineAt(int fileDescriptor, std::int64_t offset) {
  if (fileDescriptor < 0 || offset < 0) return {};
  std::int64_t position = offset;
  // One pread per block: it needs no seek and no stdio buffer. A short read is completed, as fread
  // completes one, so that only the end of the file or an error ends the line early.
  return ReadLineInBlocks([fileDescriptor, &position](char* block, size_t size) {
    size_t got = 0;
    while (got < size) {
      const ssize_t n =
          ::pread(fileDescriptor, block + got, size - got, static_cast<off_t>(position));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
      position += n;
    }
    return got;
  });
}

}  // namespace kestro
