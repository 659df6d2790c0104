#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/data_store.h"
#include "support/temp_folder.h"

namespace kestro::test {

using TempFolder = kestro::testing::TempFolder;

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One extract line: `columns` TAB-separated fields, all empty but the ones given.
inline std::string ExtractLine(size_t columns,
                               const std::vector<std::pair<size_t, std::string>>& set) {
  std::vector<std::string> fields(columns);
  for (const auto& [column, text] : set) fields.at(column) = text;
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line;
}

inline std::string HeaderLine(size_t columns) {
  std::vector<std::pair<size_t, std::string>> names;
  for (size_t i = 0; i < columns; ++i) names.emplace_back(i, "Column " + std::to_string(i));
  return ExtractLine(columns, names);
}

// A facilities line (101 columns) with the columns the box query copies.
inline std::string FacilityLine(const std::string& site, const std::string& id,
                                const std::string& latSeconds, const std::string& lonSeconds,
                                std::vector<std::pair<size_t, std::string>> more = {}) {
  more.insert(more.begin(), {{0, site},
                             {1, "AIRPORT"},
                             {2, id},
                             {11, id + " FIELD"},
                             {23, latSeconds},
                             {25, lonSeconds}});
  return ExtractLine(101, more);
}

// A runways line (117 columns).
inline std::string RunwayLine(const std::string& site, const std::string& id,
                              const std::string& lengthFeet, const std::string& surface) {
  return ExtractLine(117, {{0, site}, {2, id}, {3, lengthFeet}, {5, surface}});
}

// Writes the lines, each followed by lineEnd, and returns the byte offset of each line.
inline std::vector<std::int64_t> WriteLines(const std::filesystem::path& path,
                                            const std::vector<std::string>& lines,
                                            std::string_view lineEnd = "\r\n") {
  std::string bytes;
  std::vector<std::int64_t> offsets;
  for (const auto& line : lines) {
    offsets.push_back(static_cast<std::int64_t>(bytes.size()));
    bytes += line;
    bytes += lineEnd;
  }
  WriteBytes(path, bytes);
  return offsets;
}

}  // namespace kestro::test
