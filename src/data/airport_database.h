#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/airport_record.h"
#include "data/data_store.h"
#include "data/extract_file.h"

namespace kestro {

// Lookups in the airport and runway extract files through the three index lists. Every
// operation opens the file it needs and closes it again; the extract files are never loaded whole.
// Conversion errors (an offset that is not an integer, a runway length that is not an integer
// while walking runways, a facilities line with too few columns) throw DataError naming the file
// and the index line.

// Longest line ReadLineAt returns; a file without line ends is never read further than this.
inline constexpr size_t kMaxLineBytes = size_t{1} << 20;

// The characters from the offset up to, not including, the first CR or LF (or the end of file),
// read in blocks of 1500 bytes. An offset beyond the end of the file, a negative one or a file
// that cannot be positioned reads an empty line; a longer line is cut at kMaxLineBytes.
[[nodiscard]] std::string ReadLineAt(std::FILE* file, std::int64_t offset);
// The same from an open file descriptor, without moving its file position.
[[nodiscard]] std::string ReadLineAt(int fileDescriptor, std::int64_t offset);

// Clears fields and appends one entry per TAB-separated field; an empty text yields no field.
void SplitTabs(std::string_view text, std::vector<std::string>& fields);

// Position of an airport from its facilities fields (columns 23 and 25, seconds of arc with a
// hemisphere letter that is dropped): latitude north, longitude west. Both are 0 when either text
// is not a number.
struct AirportPosition {
  double lat = 0;
  double lon = 0;
};
[[nodiscard]] AirportPosition PositionFromFields(const std::vector<std::string>& fields);

// Seconds of arc as the extract files write them ("146234.5600N"): a decimal number, then one
// hemisphere letter that is dropped. Nothing when the rest is not a number.
[[nodiscard]] std::optional<double> ParseSecondsOfArc(std::string_view text) noexcept;

// The position from columns 23 and 25; nothing when a column is missing or not a number.
[[nodiscard]] std::optional<AirportPosition> ParsePosition(const std::vector<std::string>& fields);

// Fills AirportFields (101 fields); false when the identifier is not in NameIndex.
bool LookupAirport(DataStore& store, std::string_view identifier);

// Fills the array with the airports of the box; returns their number.
int QueryAirportsInRect(DataStore& store, TAirportArray& airports, double west, double east,
                        double north, double south);

// Position in RunwayIndex of the site's first line, or -1.
[[nodiscard]] long FindRunwayIndex(const DataStore& store, std::string_view siteNumber);

struct RunwaySummary {
  int count = 0;
  long first = -1;
  long longest = -1;
};
// Leaves the longest runway in RunwayFields.
RunwaySummary SummarizeRunways(DataStore& store, std::string_view siteNumber);

// The runways file of one operation that summarises many airports (a box query summarises every
// airport it returns): its name is resolved and checked once, and it is opened on first need and
// kept open, instead of once per airport. When the data folder changes while window messages run,
// the file of the new folder is used from then on, as a fresh summary would.
class RunwaysFile {
 public:
  explicit RunwaysFile(const DataStore& store) noexcept : store_(&store) {}

  // False when the data folder holds no runways file.
  [[nodiscard]] bool Exists();
  // Its path and, when it exists, its stamp, as resolved for the current data folder.
  [[nodiscard]] const std::filesystem::path& Path();
  [[nodiscard]] FileStamp Stamp();
  // The open file. Throws DataError when it cannot be opened.
  [[nodiscard]] ExtractFile& Open();

 private:
  void FollowDataFolder();

  const DataStore* store_;
  bool resolved_ = false;
  std::string folder_;  // the data folder the name was resolved in
  std::filesystem::path path_;
  std::optional<FileStamp> stamp_;  // nothing when the file does not exist
  std::optional<ExtractFile> file_;
};

// SummarizeRunways through a runways file kept open by the caller.
RunwaySummary SummarizeRunways(DataStore& store, std::string_view siteNumber, RunwaysFile& runways);

// The RunwayIndex lines that SummarizeRunways walks for the site, and whether it would still
// walk exactly the lines given.
[[nodiscard]] AirportQueryCache::RunwayLines RunwayLinesOfSite(const DataStore& store,
                                                               std::string_view siteNumber,
                                                               RunwaysFile& runways);
[[nodiscard]] bool SameRunwayLines(const DataStore& store, std::string_view siteNumber,
                                   RunwaysFile& runways,
                                   const AirportQueryCache::RunwayLines& known);

// Position of the runway's index line, or -1; leaves that runway in RunwayFields.
long FindRunway(DataStore& store, std::string_view siteNumber, std::string_view runwayId);

}  // namespace kestro
