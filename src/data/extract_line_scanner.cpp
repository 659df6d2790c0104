#include "data/extract_line_scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/data_error.h"
#include "data/airport_database.h"

namespace kestro {
namespace {

constexpr size_t kChunkBytes = size_t{64} * 1024;

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

}  // namespace

void ScanExtractLines(const std::filesystem::path& path, const ExtractLineVisitor& visit) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw DataError("Cannot open file " + path.string() + ". " + std::strerror(errno));

  std::string pending;             // bytes of lines not yet handed out
  std::int64_t pendingOffset = 0;  // file offset of pending[0]
  std::int64_t lineNumber = 0;
  std::vector<char> chunk(kChunkBytes);
  bool atEnd = false;
  while (!atEnd) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
    if (got < chunk.size()) {
      if (std::ferror(file.get()) != 0) {
        throw DataError("Cannot read file " + path.string() + ". " + std::strerror(errno));
      }
      atEnd = true;
    }
    pending.append(chunk.data(), got);

    size_t start = 0;
    while (start < pending.size()) {
      size_t end = start;
      while (end < pending.size() && pending[end] != '\r' && pending[end] != '\n') ++end;
      if (end == pending.size() && !atEnd) break;  // the line goes on in the next chunk
      // A CR at the end of the chunk may be the first half of CR LF.
      if (end + 1 == pending.size() && pending[end] == '\r' && !atEnd) break;
      if (end - start >= kMaxLineBytes) {
        throw DataError("Line " + std::to_string(lineNumber + 1) + " of " + path.string() +
                        " is longer than " + std::to_string(kMaxLineBytes) + " bytes.");
      }
      ++lineNumber;
      visit(pendingOffset + static_cast<std::int64_t>(start), lineNumber,
            std::string_view(pending).substr(start, end - start));
      size_t next = end + 1;
      if (end < pending.size() && pending[end] == '\r' && next < pending.size() &&
          pending[next] == '\n') {
        ++next;
      }
      start = next;
    }
    start = std::min(start, pending.size());
    if (pending.size() - start >= kMaxLineBytes) {
      throw DataError("Line " + std::to_string(lineNumber + 1) + " of " + path.string() +
                      " is longer than " + std::to_string(kMaxLineBytes) + " bytes.");
    }
    pending.erase(0, start);
    pendingOffset += static_cast<std::int64_t>(start);
  }
}

}  // namespace kestro
