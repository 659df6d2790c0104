#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/event_pump.h"
#include "data/airport_record.h"

namespace kestro {

class UserMessages;

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

  // Shared scratch lists, overwritten by every lookup.
  std::vector<std::string> AirportFields;
  std::vector<std::string> RunwayFields;
  std::vector<std::string> FBOFields;

  std::vector<std::string> FBOLines;  // KSFBO.CSV, sorted

  TAirportArray AirportTable;  // airports of the chart on show
  int AirportCount = 0;

  // Hooks to the world outside the engine.
  EventPump pumpEvents;                        // let pending window messages run
  UserMessages* messages = nullptr;            // message boxes; may be null in batch use
  std::function<DateTime()> clock = NowLocal;  // "now" for price ages

  [[nodiscard]] std::filesystem::path FacilitiesFile() const;
  [[nodiscard]] std::filesystem::path RunwaysFile() const;
  [[nodiscard]] std::filesystem::path NameIndexFile() const;
  [[nodiscard]] std::filesystem::path LonIndexFile() const;
  [[nodiscard]] std::filesystem::path RunwayIndexFile() const;
  [[nodiscard]] std::filesystem::path FboFile() const;
  [[nodiscard]] std::filesystem::path GpsLogFile() const;
};

}  // namespace kestro
