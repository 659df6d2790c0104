#include "data/airport_database.h"

#include <cmath>
#include <utility>

#include "common/ascii_case.h"
#include "common/data_error.h"
#include "common/event_pump.h"
#include "common/number_parse.h"
#include "common/rounding.h"
#include "data/extract_columns.h"
#include "data/extract_file.h"
#include "data/fbo_file.h"
#include "data/index_line.h"

namespace kestro {
namespace {

constexpr double kSecondsPerDegree = 3600.0;

// A record copies columns up to the CTAF frequency, so a shorter line cannot be an airport.
constexpr size_t kRecordColumnCount = kFacCtafFrequency + 1;

[[nodiscard]] constexpr bool IsAsciiLetter(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

[[nodiscard]] IndexLineRef LonIndexLine(const DataStore& store, size_t position) {
  return {&store, &DataStore::LonIndexFile, position};
}

// Longitude of a LonIndex line. The list is looked up afresh each time: the window messages that a
// query lets run may apply the settings and so replace it.
[[nodiscard]] double LongitudeAt(const DataStore& store, size_t position) {
  return IndexLongitude(store.LonIndex[position], LonIndexLine(store, position));
}

[[nodiscard]] Airports RecordFromFields(const std::vector<std::string>& fields,
                                        const AirportPosition& position) {
  Airports record;
  record.siteNumber = fields[kFacSiteNumber];
  record.type = fields[kFacType];
  record.identifier = fields[kFacLocationId];
  record.facilityName = fields[kFacFacilityName];
  record.latitude = position.lat;
  record.longitude = position.lon;
  record.elevationFeet = ParseInt(fields[kFacElevation]).value_or(0);
  record.chartName = fields[kFacChartName];
  record.ctafFrequency = fields[kFacCtafFrequency];
  record.unicomFrequencies = fields[kFacUnicomFrequencies];
  record.managerPhone = fields[kFacManagerPhone];
  record.fuelTypes = fields[kFacFuelTypes];
  return record;
}

void AttachLongestRunway(DataStore& store, RunwaysFile& runways, Airports& record) {
  (void)SummarizeRunways(store, record.siteNumber, runways);
  const std::vector<std::string>& runway = store.RunwayFields;
  record.longestRunwayId = runway[kRwyId];
  record.longestRunwayLengthFeet = ParseInt(runway[kRwyLength]).value_or(0);
  record.longestRunwaySurface = runway[kRwySurface];
}

// One query's use of store.airportQueries. The cache is emptied first when it was filled from
// other files; the query stops using it as soon as the window messages it lets run empty it or
// point the store elsewhere, because the query goes on reading the files it opened.
class CandidateMemory {
 public:
  CandidateMemory(DataStore& store, const ExtractFile& facilities, RunwaysFile& runways)
      : store_(store), cache_(store.airportQueries) {
    AirportQueryCache::Sources sources;
    sources.dataFolder = store.DataFolder;
    sources.facilitiesFile = facilities.path();
    sources.facilities = facilities.stamp();
    sources.runwaysFile = runways.Path();
    sources.runwaysExist = runways.Exists();
    sources.runways = runways.Stamp();
    sources.lonIndexLines = store.LonIndex.size();
    if (!(cache_.sources == sources)) {
      cache_.Clear();
      cache_.sources = std::move(sources);
      cache_.candidates.resize(store.LonIndex.size());
    }
    generation_ = cache_.generation;
  }

  void CheckAfterMessages() noexcept {
    inUse_ = inUse_ && cache_.generation == generation_ &&
             store_.DataFolder == cache_.sources.dataFolder &&
             store_.LonIndex.size() == cache_.sources.lonIndexLines;
  }

  // What was read for the LonIndex line at the position when it pointed at the same offset.
  [[nodiscard]] AirportQueryCache::Candidate* Known(size_t position, std::int64_t offset) noexcept {
    AirportQueryCache::Candidate* candidate = At(position);
    return candidate != nullptr && candidate->offset == offset ? candidate : nullptr;
  }

  [[nodiscard]] AirportQueryCache::Airport& AirportOf(const AirportQueryCache::Candidate& known) {
    return cache_.airports.at(static_cast<size_t>(known.airport));
  }

  void RememberLatitude(size_t position, std::int64_t offset, double latitudeDeg) noexcept {
    AirportQueryCache::Candidate* candidate = At(position);
    if (candidate == nullptr) return;
    candidate->offset = offset;
    candidate->latitudeDeg = latitudeDeg;
    candidate->hasAirport = false;
  }

  // The record as filled from the extract files, before its FBO fields are attached.
  void RememberAirport(size_t position, const Airports& record,
                       AirportQueryCache::RunwayLines runwayLines) {
    AirportQueryCache::Candidate* candidate = At(position);
    if (candidate == nullptr) return;
    if (candidate->airport < 0) {
      candidate->airport = static_cast<std::int32_t>(cache_.airports.size());
      cache_.airports.emplace_back();
    }
    AirportQueryCache::Airport& airport = AirportOf(*candidate);
    airport.record = record;
    airport.runways = std::move(runwayLines);
    candidate->hasAirport = true;
  }

 private:
  [[nodiscard]] AirportQueryCache::Candidate* At(size_t position) noexcept {
    if (!inUse_ || position >= cache_.candidates.size()) return nullptr;
    return &cache_.candidates[position];
  }

  DataStore& store_;
  AirportQueryCache& cache_;
  std::uint64_t generation_ = 0;
  bool inUse_ = true;
};

// Appends the record of the candidate of one LonIndex line when its latitude lies in the box.
// A candidate read before at the same offset is served from memory; otherwise its line is read
// into AirportFields.
void AddCandidate(DataStore& store, ExtractFile& facilities, RunwaysFile& runways,
                  CandidateMemory& memory, TAirportArray& airports, size_t position, double north,
                  double south) {
  const IndexLineRef where = LonIndexLine(store, position);
  const std::int64_t offset = IndexOffset(store.LonIndex[position], where);
  if (const AirportQueryCache::Candidate* known = memory.Known(position, offset)) {
    if (known->latitudeDeg < south || known->latitudeDeg > north) return;
    if (known->hasAirport) {
      AirportQueryCache::Airport& cached = memory.AirportOf(*known);
      airports.push_back(cached.record);
      if (!SameRunwayLines(store, cached.record.siteNumber, runways, cached.runways)) {
        AttachLongestRunway(store, runways, airports.back());
        cached.record = airports.back();
        cached.runways = RunwayLinesOfSite(store, cached.record.siteNumber, runways);
      }
      AttachFBOSummary(store, airports, airports.size() - 1);
      return;
    }
  }

  SplitTabs(facilities.ReadIndexedLine(offset, where), store.AirportFields);
  const std::vector<std::string>& fields = store.AirportFields;
  if (fields.size() < kRecordColumnCount) {
    throw DataError("Error in " + where.Name() + ": the line of " + facilities.path().string() +
                    " at offset " + std::to_string(offset) + " has " +
                    std::to_string(fields.size()) + " columns, at least " +
                    std::to_string(kRecordColumnCount) + " are needed.");
  }
  const auto position2d = ParsePosition(fields);
  if (!position2d) {
    throw DataError("Error in " + where.Name() + ": the line of " + facilities.path().string() +
                    " at offset " + std::to_string(offset) + " has no valid position (" +
                    QuotedExcerpt(fields[kFacLatitudeSeconds]) + ", " +
                    QuotedExcerpt(fields[kFacLongitudeSeconds]) + ").");
  }
  memory.RememberLatitude(position, offset, position2d->lat);
  if (position2d->lat < south || position2d->lat > north) return;
  airports.push_back(RecordFromFields(fields, *position2d));
  Airports& record = airports.back();
  AttachLongestRunway(store, runways, record);
  memory.RememberAirport(position, record, RunwayLinesOfSite(store, record.siteNumber, runways));
  AttachFBOSummary(store, airports, airports.size() - 1);
}

}  // namespace

std::optional<double> ParseSecondsOfArc(std::string_view text) noexcept {
  text = Trim(text);
  if (!text.empty() && IsAsciiLetter(text.back())) text.remove_suffix(1);
  return ParseDouble(text);
}

std::optional<AirportPosition> ParsePosition(const std::vector<std::string>& fields) {
  if (fields.size() <= kFacLongitudeSeconds) return std::nullopt;
  const auto latSeconds = ParseSecondsOfArc(fields[kFacLatitudeSeconds]);
  const auto lonSeconds = ParseSecondsOfArc(fields[kFacLongitudeSeconds]);
  if (!latSeconds || !lonSeconds) return std::nullopt;
  return AirportPosition{*latSeconds / kSecondsPerDegree, -*lonSeconds / kSecondsPerDegree};
}

AirportPosition PositionFromFields(const std::vector<std::string>& fields) {
  return ParsePosition(fields).value_or(AirportPosition{});
}

bool LookupAirport(DataStore& store, std::string_view identifier) {
  if (store.NameIndex.empty()) return false;
  const std::filesystem::path facilitiesFile = store.FacilitiesFile();
  if (!DataFileExists(facilitiesFile)) return false;

  std::string line;
  bool found = false;
  for (size_t position = 0; position < store.NameIndex.size(); ++position) {
    if (!SameTextFolded(IndexKey(store.NameIndex[position]), identifier)) continue;
    const IndexLineRef where{&store, &DataStore::NameIndexFile, position};
    const std::int64_t offset = IndexOffset(store.NameIndex[position], where);
    ExtractFile facilities(facilitiesFile);
    line = facilities.ReadIndexedLine(offset, where);
    found = true;
    break;
  }
  // The comma keeps the historical field contents: the last column, or field 0 of an airport that
  // was not found, ends in ",".
  line += ',';
  SplitTabs(line, store.AirportFields);
  if (store.AirportFields.size() < kFacilitiesColumnCount) {
    store.AirportFields.resize(kFacilitiesColumnCount);
  }
  return found;
}

int QueryAirportsInRect(DataStore& store, TAirportArray& airports, double west, double east,
                        double north, double south) {
  airports.clear();
  if (store.NameIndex.empty() || store.LonIndex.empty()) return 0;
  if (west == 0 || east == 0 || north == 0 || south == 0) return 0;
  // A bound that is not a number compares false with everything and would never end the search.
  if (std::isnan(west) || std::isnan(east) || std::isnan(north) || std::isnan(south)) return 0;
  const std::filesystem::path facilitiesFile = store.FacilitiesFile();
  if (!DataFileExists(facilitiesFile)) return 0;

  // Binary search of the descending longitudes for the west bound. Every step keeps
  // low < position < high, so it ends; it stops at the last line east of the bound, or at a line
  // exactly on it.
  const auto count = static_cast<std::int64_t>(store.LonIndex.size());
  std::int64_t low = 0;
  std::int64_t high = count;
  std::int64_t position = RoundHalfEven(static_cast<double>(high - low) / 2.0);
  while (high > low + 1) {
    const double v = LongitudeAt(store, static_cast<size_t>(position));
    if (west < v) {
      low = position;
    } else if (west > v) {
      high = position;
    } else {
      break;
    }
    position = low + RoundHalfEven(static_cast<double>(high - low) / 2.0);
  }

  ExtractFile facilities(facilitiesFile);
  double v = LongitudeAt(store, static_cast<size_t>(position));
  // Only the first line can lie west of the bound (the search never tested it): then the whole box
  // lies east of every airport, and walking from it would return an airport outside the box.
  if (v < west) return 0;

  RunwaysFile runways(store);
  CandidateMemory memory(store, facilities, runways);
  while (v < east && position >= 0) {
    AddCandidate(store, facilities, runways, memory, airports, static_cast<size_t>(position), north,
                 south);
    PumpEvents(store.pumpEvents);
    memory.CheckAfterMessages();
    --position;
    if (position < 0 || static_cast<size_t>(position) >= store.LonIndex.size()) break;
    v = LongitudeAt(store, static_cast<size_t>(position));
  }
  return static_cast<int>(airports.size());
}

}  // namespace kestro
