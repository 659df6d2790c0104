#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/event_pump.h"
#include "data/airport_record.h"

namespace kestro {

class UserMessages;

// One version of a file on disk: replacing or rewriting the file gives another stamp, except a
// rewrite within the same clock tick that keeps the size.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t sizeBytes = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// What the box query remembers of the LonIndex candidates it has read, so that the overlapping
// boxes of an enroute report read each airport once. Only QueryAirportsInRect uses it. It is
// emptied when the data folder, either extract file or the length of LonIndex changes, and each
// entry is used only while its index line still gives the same offset and the runway index still
// gives the airport the same runway lines.
struct AirportQueryCache {
  // What every entry was read from.
  struct Sources {
    std::string dataFolder;
    std::filesystem::path facilitiesFile;
    FileStamp facilities;
    std::filesystem::path runwaysFile;
    bool runwaysExist = false;
    FileStamp runways;
    size_t lonIndexLines = 0;
    bool operator==(const Sources&) const = default;
  };
  // The RunwayIndex lines a runway summary walked, and the position of the first (-1: none).
  struct RunwayLines {
    long first = -1;
    std::vector<std::string> lines;
  };
  struct Airport {
    Airports record;  // FBO fields empty: they are attached afresh by every query
    RunwayLines runways;
  };
  struct Candidate {
    std::int64_t offset = -1;  // the facilities offset it was read at; -1 when nothing is known
    double latitudeDeg = 0;
    std::int32_t airport = -1;  // its slot in airports, kept for reuse once given
    bool hasAirport = false;    // the slot holds this candidate's record
  };

  Sources sources;
  std::vector<Candidate> candidates;  // one per LonIndex line
  std::vector<Airport> airports;
  std::uint64_t generation = 0;  // counts the emptyings, so a query can tell one happened

  void Clear() noexcept;
};

// The aviation data the program shares: the data folder, the three index lists, the shared
// scratch field lists, the FBO lines and the airports of the chart on show. One instance lives in
// the program-wide state; tests build their own.
struct DataStore {
  // File names, set once at start.
  std::string facilitiesBaseName = "NfdcFacilities";
  std::string facilitiesExtension = "xls";
  std::string runwaysBaseName = "NfdcRunways";
  std::string runwaysExtension = "xls";
  std::string fboBaseName = "KSFBO";
  std::string chartConfigFileName = "MapConfig.ini";
  std::string gpsLogFileName = "GPSLOG.TXT";

  // Always ends in "/" once the settings are applied; empty before.
  std::string DataFolder;

  std::vector<std::string> NameIndex;    // "ID=offset"
  std::vector<std::string> LonIndex;     // "longitude=offset", easternmost first
  std::vector<std::string> RunwayIndex;  // "site number=offset", ascending

  // Shared scratch lists, overwritten by every lookup. A box query that serves candidates from
  // airportQueries reads no line for them, so afterwards these hold what the last line it did
  // read left there, not necessarily the last candidate's.
  std::vector<std::string> AirportFields;
  std::vector<std::string> RunwayFields;
  std::vector<std::string> FBOFields;

  std::vector<std::string> FBOLines;  // KSFBO.CSV, sorted

  TAirportArray AirportTable;  // airports of the chart on show
  int AirportCount = 0;

  AirportQueryCache airportQueries;

  // Hooks to the world outside the engine.
  EventPump pumpEvents;                        // let pending window messages run
  UserMessages* messages = nullptr;            // message boxes; may be null in batch use
  std::function<DateTime()> clock = NowLocal;  // "now" for price ages

  // Forgets what was read from the data folder. Call it whenever the index lists are replaced or
  // the data folder changes; the caches also check what they can themselves, but a file rewritten
  // in place within one clock tick, keeping its size, is noticed only through this call.
  void InvalidateCaches() noexcept;

  [[nodiscard]] std::filesystem::path FacilitiesFile() const;
  [[nodiscard]] std::filesystem::path RunwaysFile() const;
  [[nodiscard]] std::filesystem::path NameIndexFile() const;
  [[nodiscard]] std::filesystem::path LonIndexFile() const;
  [[nodiscard]] std::filesystem::path RunwayIndexFile() const;
  [[nodiscard]] std::filesystem::path FboFile() const;
  [[nodiscard]] std::filesystem::path GpsLogFile() const;
};

}  // namespace kestro
