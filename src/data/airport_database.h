#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/airport_record.h"
#include "data/data_store.h"

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

// Position of the runway's index line, or -1; leaves that runway in RunwayFields.
long FindRunway(DataStore& store, std::string_view siteNumber, std::string_view runwayId);

}  // namespace kestro
