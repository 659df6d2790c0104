#include "data/index_builder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "common/ascii_case.h"
#include "common/atomic_file.h"
#include "common/data_error.h"
#include "common/text_file.h"
#include "data/airport_database.h"
#include "data/extract_columns.h"
#include "data/extract_line_scanner.h"
#include "data/index_line.h"

namespace kestro {
namespace {

struct LongitudeEntry {
  double degrees = 0;
  std::string line;
};

std::string LineName(std::int64_t lineNumber, const std::filesystem::path& file) {
  return "line " + std::to_string(lineNumber) + " of " + file.string();
}

void RequireColumns(const std::vector<std::string>& fields, size_t columns, std::int64_t lineNumber,
                    const std::filesystem::path& file) {
  if (fields.size() < columns) {
    throw DataError("Error in " + LineName(lineNumber, file) + ": " +
                    std::to_string(fields.size()) + " columns, " + std::to_string(columns) +
                    " are needed.");
  }
}

std::string IndexLine(std::string_view key, std::int64_t offset) {
  std::string line(key);
  line += '=';
  line += std::to_string(offset);
  return line;
}

}  // namespace

std::string LongitudeIndexText(double degrees) {
  // The shortest fixed text of any finite double is well under 400 characters (309 digits before
  // the point for the largest, some 340 after it for the smallest).
  std::array<char, 512> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), degrees, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  return {text.data(), end};
}

FacilityIndexes BuildFacilityIndexes(const std::filesystem::path& facilitiesFile) {
  FacilityIndexes indexes;
  std::vector<LongitudeEntry> longitudes;
  std::vector<std::string> fields;
  ScanExtractLines(
      facilitiesFile, [&](std::int64_t offset, std::int64_t lineNumber, std::string_view line) {
        if (lineNumber == 1 || line.empty()) return;  // the header, and blank lines
        SplitTabs(line, fields);
        RequireColumns(fields, kFacilitiesColumnCount, lineNumber, facilitiesFile);
        const auto position = ParsePosition(fields);
        if (!position) {
          throw DataError("Error in " + LineName(lineNumber, facilitiesFile) + ": the position " +
                          QuotedExcerpt(fields[kFacLatitudeSeconds]) + ", " +
                          QuotedExcerpt(fields[kFacLongitudeSeconds]) + " is not a number.");
        }
        indexes.nameIndex.push_back(IndexLine(fields[kFacLocationId], offset));
        longitudes.push_back({position->lon, IndexLine(LongitudeIndexText(position->lon), offset)});
      });
  std::stable_sort(
      longitudes.begin(), longitudes.end(),
      [](const LongitudeEntry& a, const LongitudeEntry& b) { return a.degrees > b.degrees; });
  indexes.lonIndex.reserve(longitudes.size());
  for (LongitudeEntry& entry : longitudes) indexes.lonIndex.push_back(std::move(entry.line));
  return indexes;
}

std::vector<std::string> BuildRunwayIndex(const std::filesystem::path& runwaysFile) {
  std::vector<std::string> index;
  std::vector<std::string> fields;
  ScanExtractLines(runwaysFile,
                   [&](std::int64_t offset, std::int64_t lineNumber, std::string_view line) {
                     if (lineNumber == 1 || line.empty()) return;
                     SplitTabs(line, fields);
                     RequireColumns(fields, kRunwaysColumnCount, lineNumber, runwaysFile);
                     index.push_back(IndexLine(fields[kRwySiteNumber], offset));
                   });
  std::stable_sort(index.begin(), index.end(), [](const std::string& a, const std::string& b) {
    return CompareTextFolded(IndexKey(a), IndexKey(b)) < 0;
  });
  return index;
}

IndexBuildResult BuildIndexFiles(const DataStore& store) {
  IndexBuildResult result;
  const std::filesystem::path folder = store.DataFolder.empty() ? "." : store.DataFolder;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    result.status = IndexBuildStatus::kMissingInput;
    result.message = "Data folder " + folder.string() + " does not exist.";
    return result;
  }
  result.facilitiesFile = store.FacilitiesFile();
  result.runwaysFile = store.RunwaysFile();
  for (const auto& file : {result.facilitiesFile, result.runwaysFile}) {
    if (!std::filesystem::is_regular_file(file, error)) {
      result.status = IndexBuildStatus::kMissingInput;
      result.message = "File " + file.string() + " does not exist.";
      return result;
    }
  }

  FacilityIndexes facilities;
  std::vector<std::string> runways;
  try {
    facilities = BuildFacilityIndexes(result.facilitiesFile);
    runways = BuildRunwayIndex(result.runwaysFile);
  } catch (const DataError& failure) {
    result.status = IndexBuildStatus::kBadInput;
    result.message = failure.what();
    return result;
  }
  result.airportCount = facilities.nameIndex.size();
  result.runwayCount = runways.size();

  const std::array<std::pair<std::filesystem::path, const std::vector<std::string>*>, 3> outputs{{
      {store.NameIndexFile(), &facilities.nameIndex},
      {store.LonIndexFile(), &facilities.lonIndex},
      {store.RunwayIndexFile(), &runways},
  }};
  for (const auto& [path, lines] : outputs) {
    std::string failure = WriteFileAtomic(path, JoinLinesCrLf(*lines));
    if (!failure.empty()) {
      result.status = IndexBuildStatus::kWriteFailed;
      result.message = std::move(failure);
      return result;
    }
    result.written.push_back({path, lines->size()});
  }
  return result;
}

}  // namespace kestro
