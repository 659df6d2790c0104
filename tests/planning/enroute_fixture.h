#pragma once

// A tiny data folder for the enroute and nearest-airport tests: facilities and runways extract
// files (TAB columns, CR LF, positions in seconds of arc), the three index files and KSFBO.CSV,
// written into a fresh temporary folder and loaded into a DataStore.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/ascii_case.h"
#include "common/format.h"
#include "common/text_file.h"
#include "data/data_store.h"
#include "data/fbo_file.h"
#include "geo/geodesy.h"
#include "geo/units.h"
#include "support/temp_folder.h"

namespace kestro::route_fixture {

struct FixtureAirport {
  std::string identifier;
  std::string name;
  double lat = 0;
  double lon = 0;
  // The 100LL field of the airport's one FBO line ("$4.25", "N/A", ""), or no FBO line at all.
  std::optional<std::string> price100LL;
  std::string priceDate = "01/15/2024";
  std::string runwayLength = "5000";
};

// A point d NM from (lat, lon) on the given true course.
[[nodiscard]] inline GeoPoint Offset(GeoPoint from, double courseDeg, double nm) {
  return PointAtCourseDistance(from.lat, from.lon, courseDeg, nmToMeter(nm));
}

class FixtureFolder {
 public:
  [[nodiscard]] const std::filesystem::path& path() const { return temp_.path(); }

  // Writes the files for the airports and loads the indexes and the FBO lines into the store.
  void Write(const std::vector<FixtureAirport>& airports, DataStore& store) const {
    std::string facilities = Row(std::vector<std::string>(101, "Header"));
    std::string runways = Row(std::vector<std::string>(117, "Header"));
    std::vector<std::string> nameIndex;
    std::vector<std::pair<double, std::string>> lonIndex;
    std::vector<std::string> runwayIndex;
    std::vector<std::string> fboLines;

    for (size_t i = 0; i < airports.size(); ++i) {
      const FixtureAirport& a = airports[i];
      const std::string site = Format("%05zu.*A", i + 1);

      std::vector<std::string> columns(101);
      columns[0] = site;
      columns[1] = "AIRPORT";
      columns[2] = a.identifier;
      columns[11] = a.name;
      columns[23] = Format("%.4fN", a.lat * 3600.0);
      columns[25] = Format("%.4fW", -a.lon * 3600.0);
      columns[27] = "1200";
      nameIndex.push_back(a.identifier + "=" + std::to_string(facilities.size()));
      lonIndex.emplace_back(a.lon, Format("%.6f=%zu", a.lon, facilities.size()));
      facilities += Row(columns);

      std::vector<std::string> runway(117);
      runway[0] = site;
      runway[2] = "09/27";
      runway[3] = a.runwayLength;
      runway[5] = "ASPH";
      runwayIndex.push_back(site + "=" + std::to_string(runways.size()));
      runways += Row(runway);

      if (a.price100LL)
        fboLines.push_back(a.identifier + ",Fixture_FBO,,,FS," + *a.price100LL + ",,," +
                           a.priceDate);
    }
    // Easternmost first; airports on one meridian keep the order in which they were given.
    std::stable_sort(lonIndex.begin(), lonIndex.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    std::sort(runwayIndex.begin(), runwayIndex.end(),
              [](const auto& x, const auto& y) { return CompareTextFolded(x, y) < 0; });
    std::vector<std::string> lonLines;
    for (auto& entry : lonIndex) lonLines.push_back(std::move(entry.second));

    temp_.Write("NfdcFacilities.xls", facilities);
    temp_.Write("NfdcRunways.xls", runways);
    temp_.Write("NfdcFacilities.NameIndex.txt", JoinLinesCrLf(nameIndex));
    temp_.Write("NfdcFacilities.LonIndex.txt", JoinLinesCrLf(lonLines));
    temp_.Write("NfdcRunways.IDIndex.txt", JoinLinesCrLf(runwayIndex));
    temp_.Write("KSFBO.CSV", JoinLinesCrLf(fboLines));

    store.DataFolder = temp_.DataFolder();
    store.NameIndex = ReadTextLines(store.NameIndexFile()).value_or(std::vector<std::string>{});
    store.LonIndex = ReadTextLines(store.LonIndexFile()).value_or(std::vector<std::string>{});
    store.RunwayIndex = ReadTextLines(store.RunwayIndexFile()).value_or(std::vector<std::string>{});
    LoadFBOFile(store);
  }

 private:
  static std::string Row(const std::vector<std::string>& columns) {
    std::string row;
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) row += '\t';
      row += columns[i];
    }
    return row + "\r\n";
  }

  testing::TempFolder temp_;
};

}  // namespace kestro::route_fixture
