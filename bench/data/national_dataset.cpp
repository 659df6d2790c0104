#include "national_dataset.h"

#include <stdlib.h>  // mkdtemp

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "data/fbo_file.h"
#include "data/index_builder.h"
#include "dataset_geography.h"
#include "dataset_model.h"
#include "extract_header.h"

namespace kestro::bench {
namespace {

constexpr size_t kAirportCount = 20000;
constexpr double kBoxSideNM = 40.0;
constexpr double kDegToRad = 0.017453292519943295;

void WriteOrThrow(const std::filesystem::path& path, const std::string& contents) {
  const std::string error = WriteFileAtomic(path, contents);
  if (!error.empty()) throw std::runtime_error(error);
}

KnownAirport Known(const GeneratedAirport& airport) {
  return {airport.identifier, airport.siteNumber, airport.position.latDeg, airport.position.lonDeg};
}

KnownLeg Leg(const GeneratedAirport& from, const GeneratedAirport& to) {
  return {Known(from), Known(to), DistanceNM(from.position, to.position)};
}

const GeneratedAirport& NearestPublicAirport(const std::vector<GeneratedAirport>& airports,
                                             GeoPoint point) {
  const GeneratedAirport* best = &airports.front();
  double bestNM = std::numeric_limits<double>::max();
  for (const GeneratedAirport& airport : airports) {
    if (!airport.IsPublicAirport()) continue;
    const double nm = DistanceNM(point, airport.position);
    if (nm < bestNM) {
      bestNM = nm;
      best = &airport;
    }
  }
  return *best;
}

// The 40 NM square (on a grid of such squares) with the most facilities; the centre returned is
// the mean position of those facilities, so a box around it catches the cluster itself.
GeoPoint DensestArea(const std::vector<GeneratedAirport>& airports) {
  const double rowDeg = kBoxSideNM / 60.0;
  std::map<std::pair<int, int>, std::vector<const GeneratedAirport*>> cells;
  for (const GeneratedAirport& airport : airports) {
    const int row = static_cast<int>(std::floor(airport.position.latDeg / rowDeg));
    const double rowCentreDeg = (row + 0.5) * rowDeg;
    const double colDeg = kBoxSideNM / (60.0 * std::cos(rowCentreDeg * kDegToRad));
    const int col = static_cast<int>(std::floor(airport.position.lonDeg / colDeg));
    cells[{row, col}].push_back(&airport);
  }
  const std::vector<const GeneratedAirport*>* densest = &cells.begin()->second;
  for (const auto& [cell, members] : cells) {
    if (members.size() > densest->size()) densest = &members;
  }
  GeoPoint centre;
  for (const GeneratedAirport* airport : *densest) {
    centre.latDeg += airport->position.latDeg;
    centre.lonDeg += airport->position.lonDeg;
  }
  centre.latDeg /= static_cast<double>(densest->size());
  centre.lonDeg /= static_cast<double>(densest->size());
  return centre;
}

// A leg from the airport towards the first bearing whose end still lies over land.
KnownLeg LegFrom(const std::vector<GeneratedAirport>& airports, const GeneratedAirport& from,
                 double distanceNM) {
  for (const double bearing : {250.0, 270.0, 230.0, 290.0, 210.0, 310.0, 190.0, 330.0, 170.0}) {
    const GeoPoint target = PointAtBearing(from.position, bearing, distanceNM);
    if (InsideConus(target)) return Leg(from, NearestPublicAirport(airports, target));
  }
  throw std::runtime_error("no leg of the wanted length fits the country");
}

// A leg whose middle is the centre, along the first bearing with both ends over land.
KnownLeg LegAcross(const std::vector<GeneratedAirport>& airports, GeoPoint centre,
                   double distanceNM) {
  for (const double bearing : {60.0, 90.0, 30.0, 120.0, 0.0, 150.0}) {
    const GeoPoint from = PointAtBearing(centre, bearing + 180.0, distanceNM / 2);
    const GeoPoint to = PointAtBearing(centre, bearing, distanceNM / 2);
    if (InsideConus(from) && InsideConus(to)) {
      return Leg(NearestPublicAirport(airports, from), NearestPublicAirport(airports, to));
    }
  }
  throw std::runtime_error("no leg across the densest area fits the country");
}

std::string MissingIdentifier(const std::vector<GeneratedAirport>& airports) {
  // Letter-letter-digit-letter is a form the generator never makes.
  std::string id = "QX0Q";
  for (char c = 'Q'; c <= 'Z'; ++c) {
    id[3] = c;
    bool used = false;
    for (const GeneratedAirport& airport : airports) used = used || airport.identifier == id;
    if (!used) return id;
  }
  throw std::runtime_error("no free identifier");
}

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "kestro-national-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "cannot create " + pattern);
  }
  return pattern;
}

class TemporaryDataset {
 public:
  TemporaryDataset() {
    const std::filesystem::path folder = MakeTemporaryFolder();
    try {
      dataset_ = WriteNationalDataset(folder);
    } catch (...) {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
      throw;
    }
  }
  ~TemporaryDataset() {
    std::error_code ignored;
    std::filesystem::remove_all(dataset_.folder, ignored);
  }
  TemporaryDataset(const TemporaryDataset&) = delete;
  TemporaryDataset& operator=(const TemporaryDataset&) = delete;

  [[nodiscard]] const NationalDataset& dataset() const noexcept { return dataset_; }

 private:
  NationalDataset dataset_;
};

}  // namespace

NationalDataset WriteNationalDataset(const std::filesystem::path& folder, std::uint64_t seed) {
  std::filesystem::create_directories(folder);
  DatasetRandom random(seed);
  const std::vector<GeneratedAirport> airports = GenerateAirports(random, kAirportCount);

  NationalDataset dataset;
  dataset.folder = folder;
  dataset.dataFolder = folder.string();
  if (dataset.dataFolder.back() != '/') dataset.dataFolder += '/';
  DataStore store;
  store.DataFolder = dataset.dataFolder;

  std::string facilities = FacilitiesHeaderLine() + "\r\n";
  std::string runways = RunwaysHeaderLine() + "\r\n";
  facilities.reserve(airports.size() * 700);
  runways.reserve(airports.size() * 1000);
  for (const GeneratedAirport& airport : airports) {
    facilities += FacilityLine(airport, random);
    facilities += "\r\n";
    for (const GeneratedRunway& runway : airport.runways) {
      runways += RunwayLine(airport, runway, random);
      runways += "\r\n";
      ++dataset.runwayCount;
    }
  }
  const std::vector<std::string> fboLines = GenerateFboLines(random, airports);
  WriteOrThrow(store.FacilitiesFile(), facilities);
  WriteOrThrow(store.RunwaysFile(), runways);
  WriteOrThrow(store.FboFile(), JoinLinesCrLf(fboLines));

  const IndexBuildResult built = BuildIndexFiles(store);
  if (built.status != IndexBuildStatus::kBuilt) {
    throw std::runtime_error("index build failed: " + built.message);
  }
  if (built.airportCount != airports.size() || built.runwayCount != dataset.runwayCount) {
    throw std::runtime_error("the index builder counted other lines than were written");
  }

  dataset.airportCount = airports.size();
  dataset.fboLineCount = fboLines.size();
  const GeoPoint densest = DensestArea(airports);
  dataset.densestLatitudeDeg = densest.latDeg;
  dataset.densestLongitudeDeg = densest.lonDeg;
  const GeneratedAirport& hub = NearestPublicAirport(airports, densest);
  dataset.densestAirport = Known(hub);
  dataset.leg300NM = LegAcross(airports, densest, 300);
  dataset.leg600NM = LegFrom(airports, hub, 600);
  dataset.leg1000NM = LegFrom(airports, hub, 1000);
  dataset.firstIdentifier = airports.front().identifier;
  dataset.middleIdentifier = airports[airports.size() / 2].identifier;
  dataset.lastIdentifier = airports.back().identifier;
  dataset.missingIdentifier = MissingIdentifier(airports);
  return dataset;
}

const NationalDataset& GetNationalDataset() {
  static const TemporaryDataset holder;
  return holder.dataset();
}

void LoadNationalDataStore(const NationalDataset& dataset, DataStore& store) {
  store.DataFolder = dataset.dataFolder;
  const auto load = [](const std::filesystem::path& path) {
    auto lines = ReadTextLines(path);
    if (!lines) throw std::runtime_error("cannot read " + path.string());
    return std::move(*lines);
  };
  store.NameIndex = load(store.NameIndexFile());
  store.LonIndex = load(store.LonIndexFile());
  store.RunwayIndex = load(store.RunwayIndexFile());
  store.InvalidateCaches();
  LoadFBOFile(store);
}

}  // namespace kestro::bench
