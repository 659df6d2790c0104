#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/data_store.h"

namespace kestro::bench {

// A full-size synthetic national data set for benchmarks: about 20,000 airports, heliports and
// seaplane bases with 24,000 runways over the continental United States, denser in the east and
// around the cities, in the exact layout of the extract files, with an FBO file of a few thousand
// lines and the three index files built by the program's own index builder. Identifiers, names
// and positions are made up; the same seed always gives the same files.

struct KnownAirport {
  std::string identifier;
  std::string siteNumber;
  double latitudeDeg = 0;
  double longitudeDeg = 0;  // east positive
};

struct KnownLeg {
  KnownAirport from;
  KnownAirport to;
  double distanceNM = 0;  // great circle on a sphere; within a few tenths of a percent of WGS-84
};

struct NationalDataset {
  std::filesystem::path folder;
  std::string dataFolder;  // the folder as DataStore::DataFolder wants it, ending in "/"
  size_t airportCount = 0;
  size_t runwayCount = 0;
  size_t fboLineCount = 0;

  // Centre of the 40 NM square that holds the most airports, and the public airport nearest it.
  double densestLatitudeDeg = 0;
  double densestLongitudeDeg = 0;
  KnownAirport densestAirport;

  // Public airports about 300 NM apart with the densest area between them, and legs of about
  // 600 and 1000 NM that start at densestAirport.
  KnownLeg leg300NM;
  KnownLeg leg600NM;
  KnownLeg leg1000NM;

  // Identifiers at the start, the middle and the end of the identifier index (a lookup scans it
  // from the start), and one that is in no index.
  std::string firstIdentifier;
  std::string middleIdentifier;
  std::string lastIdentifier;
  std::string missingIdentifier;
};

inline constexpr std::uint64_t kNationalDatasetSeed = 20260611;

// Writes the data set into folder (created when missing) and builds its index files. Throws
// std::runtime_error when a file cannot be written or the index builder rejects the files.
NationalDataset WriteNationalDataset(const std::filesystem::path& folder,
                                     std::uint64_t seed = kNationalDatasetSeed);

// The process's one copy, written on first use into a new folder under the system's temporary
// folder and removed again when the process ends.
const NationalDataset& GetNationalDataset();

// Points store at the data set and loads the three index lists and the FBO lines, as applying
// the settings does for a real data folder.
void LoadNationalDataStore(const NationalDataset& dataset, DataStore& store);

}  // namespace kestro::bench
