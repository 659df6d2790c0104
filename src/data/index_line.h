#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/data_store.h"

namespace kestro {

// One line of an index file: a key, "=", and a value (the key is an identifier, a site number or
// a longitude; the value a byte offset). Offsets never hold "=", so the line is split at its last
// one and a key that happens to hold "=" still reads back whole.
struct IndexLineParts {
  std::string_view key;
  std::string_view value;
  bool hasSeparator = false;
};
[[nodiscard]] IndexLineParts SplitIndexLine(std::string_view line) noexcept;

[[nodiscard]] inline std::string_view IndexKey(std::string_view line) noexcept {
  return SplitIndexLine(line).key;
}

// Names an index line in error messages. The file name is resolved only when a message needs it,
// because resolving it may mean scanning the data folder.
struct IndexLineRef {
  const DataStore* store = nullptr;
  std::filesystem::path (DataStore::*indexFile)() const = nullptr;
  size_t position = 0;  // from 0; messages count lines from 1

  // "line N of FILE".
  [[nodiscard]] std::string Name() const;
};

// The text between single quotes, cut short when it is long, for error messages.
[[nodiscard]] std::string QuotedExcerpt(std::string_view text);

// Index lines come from files the user copies around, so every value is checked before use.

// The byte offset after "=". Throws DataError when it is not a decimal integer of 0 or more.
[[nodiscard]] std::int64_t IndexOffset(std::string_view line, const IndexLineRef& where);

// The longitude before "=". Throws DataError when it is not a number.
[[nodiscard]] double IndexLongitude(std::string_view line, const IndexLineRef& where);

}  // namespace kestro
