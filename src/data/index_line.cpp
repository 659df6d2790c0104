#include "data/index_line.h"

#include "common/data_error.h"
#include "common/number_parse.h"

namespace kestro {
namespace {

constexpr size_t kExcerptBytes = 40;

}  // namespace

IndexLineParts SplitIndexLine(std::string_view line) noexcept {
  const size_t separator = line.rfind('=');
  if (separator == std::string_view::npos) return {line, {}, false};
  return {line.substr(0, separator), line.substr(separator + 1), true};
}

std::string IndexLineRef::Name() const {
  const std::string file =
      store != nullptr && indexFile != nullptr ? (store->*indexFile)().string() : "index";
  return "line " + std::to_string(position + 1) + " of " + file;
}

std::string QuotedExcerpt(std::string_view text) {
  if (text.size() <= kExcerptBytes) return "'" + std::string(text) + "'";
  return "'" + std::string(text.substr(0, kExcerptBytes)) + "...'";
}

std::int64_t IndexOffset(std::string_view line, const IndexLineRef& where) {
  const IndexLineParts parts = SplitIndexLine(line);
  const auto offset = parts.hasSeparator ? ParseInt64(parts.value) : std::nullopt;
  if (!offset || *offset < 0) {
    throw DataError("Error in " + where.Name() + ": " + QuotedExcerpt(line) +
                    " has no valid byte offset after \"=\".");
  }
  return *offset;
}

double IndexLongitude(std::string_view line, const IndexLineRef& where) {
  const IndexLineParts parts = SplitIndexLine(line);
  const auto longitude = parts.hasSeparator ? ParseDouble(parts.key) : std::nullopt;
  if (!longitude) {
    throw DataError("Error in " + where.Name() + ": " + QuotedExcerpt(line) +
                    " has no valid longitude before \"=\".");
  }
  return *longitude;
}

}  // namespace kestro
