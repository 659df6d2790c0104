#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "data/data_store.h"

namespace kestro {

// Builds the three index files of a data folder from its two extract files. The header line at the
// top of each extract file is skipped, and so are empty lines; every other line must have all the
// columns of its file (101 or 117), and a facility its position as numbers.

// A longitude as written to the longitude index: the shortest decimal text (never an exponent)
// that reads back as exactly the same double.
[[nodiscard]] std::string LongitudeIndexText(double degrees);

struct FacilityIndexes {
  std::vector<std::string> nameIndex;  // "ID=offset", in file order
  std::vector<std::string> lonIndex;   // "longitude=offset", easternmost first
};

// Throw DataError naming the file and line for malformed input, or when the file cannot be read.
[[nodiscard]] FacilityIndexes BuildFacilityIndexes(const std::filesystem::path& facilitiesFile);
// "site number=offset", ascending without regard to case.
[[nodiscard]] std::vector<std::string> BuildRunwayIndex(const std::filesystem::path& runwaysFile);

enum class IndexBuildStatus {
  kBuilt,
  kMissingInput,  // the data folder or an extract file does not exist
  kBadInput,      // an extract file is malformed or cannot be read
  kWriteFailed,
};

struct IndexBuildResult {
  IndexBuildStatus status = IndexBuildStatus::kBuilt;
  std::string message;  // what went wrong; empty when built
  std::filesystem::path facilitiesFile;
  std::filesystem::path runwaysFile;
  size_t airportCount = 0;
  size_t runwayCount = 0;
  // The index files written, in the order written, with their number of lines.
  struct WrittenIndex {
    std::filesystem::path path;
    size_t lineCount = 0;
  };
  std::vector<WrittenIndex> written;
};

// Reads the extract files of store.DataFolder (names as DataStore builds them) and replaces the
// three index files there, each atomically. Nothing is written unless both extract files read
// cleanly.
[[nodiscard]] IndexBuildResult BuildIndexFiles(const DataStore& store);

}  // namespace kestro
