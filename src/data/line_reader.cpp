#include <algorithm>
#include <array>
#include <cstdio>

#include "data/airport_database.h"

namespace kestro {
namespace {

// The extract files are read one line at a time in blocks of this size, so that a lookup touches
// only a few kilobytes of a file of tens of megabytes.
constexpr size_t kBlockBytes = 1500;

}  // namespace

std::string ReadLineAt(std::FILE* file, std::int64_t offset) {
  std::string line;
  if (file == nullptr || offset < 0 || ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) {
    return line;
  }
  std::array<char, kBlockBytes> block{};
  while (line.size() < kMaxLineBytes) {
    const size_t got = std::fread(block.data(), 1, block.size(), file);
    const auto end = block.begin() + static_cast<std::ptrdiff_t>(got);
    const auto lineEnd =
        std::find_if(block.begin(), end, [](char c) { return c == '\r' || c == '\n'; });
    line.append(block.begin(), lineEnd);
    if (lineEnd != end || got < block.size()) break;
  }
  if (line.size() > kMaxLineBytes) line.resize(kMaxLineBytes);
  return line;
}

}  // namespace kestro
