#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dataset_geography.h"
#include "dataset_random.h"

namespace kestro::bench {

// The national data set in memory, before it is written out as extract-file lines.

enum class FacilityKind { kAirport, kHeliport, kSeaplaneBase, kUltralight, kGliderport };

// Public airports come in three sizes; everything private is kPrivate.
enum class FacilitySize { kPrivate, kSmall, kMedium, kLarge };

struct GeneratedRunway {
  std::string baseEnd;  // "08L", "H1", "18W"
  std::string recpEnd;  // "26R"; empty for a helipad
  int lengthFeet = 0;
  int widthFeet = 0;
  std::string surface;
  double trueHeadingDeg = 0;
  GeoPoint baseEndPosition;
  GeoPoint recpEndPosition;
};

struct GeneratedAirport {
  std::string siteNumber;
  std::string identifier;
  std::string name;
  std::string city;
  const StateInfo* state = nullptr;
  FacilityKind kind = FacilityKind::kAirport;
  FacilitySize size = FacilitySize::kPrivate;
  GeoPoint position;
  int elevationFeet = 0;
  std::string fuelTypes;  // "100LL,A", "100LL", "" ...
  std::vector<GeneratedRunway> runways;

  [[nodiscard]] bool IsPublicAirport() const noexcept {
    return kind == FacilityKind::kAirport && size != FacilitySize::kPrivate;
  }
};

// The airports in file order (by state, then site number), with their runways. Identifiers and
// site numbers are unique.
[[nodiscard]] std::vector<GeneratedAirport> GenerateAirports(DatasetRandom& random, size_t count);

// KSFBO.CSV lines for a share of the public airports that sell 100LL, sorted as the program
// writes the file.
[[nodiscard]] std::vector<std::string> GenerateFboLines(
    DatasetRandom& random, const std::vector<GeneratedAirport>& airports);

// The extract-file lines of one airport and one runway (101 and 117 TAB-separated columns).
[[nodiscard]] std::string FacilityLine(const GeneratedAirport& airport, DatasetRandom& random);
[[nodiscard]] std::string RunwayLine(const GeneratedAirport& airport, const GeneratedRunway& runway,
                                     DatasetRandom& random);

}  // namespace kestro::bench
