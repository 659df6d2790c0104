#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_time.h"
#include "data/airport_record.h"
#include "data/data_store.h"

namespace kestro {

// The FBO fuel-price file KSFBO.CSV and the FBO summary of each airport record.
// The field syntax of a line is in data/fbo_fields.h. Every operation that reads a line leaves
// its fields in store.FBOFields (at least nine entries); callers copy what they need at once.

// Fills FBOLines from the file (comments and empty lines dropped, sorted); creates an empty file
// when there is none.
void LoadFBOFile(DataStore& store);

// Sorts the lines without regard to case; lines equal when folded keep their order.
void SortFBOLines(std::vector<std::string>& lines);

// Index of the airport's first line in FBOLines, or -1.
[[nodiscard]] long FindFirstFBO(const DataStore& store, std::string_view identifier);

struct AirportFBOs {
  int count = 0;
  long first = -1;
  long best = -1;
};
// Leaves the best FBO line's fields ("$" removed) in FBOFields.
AirportFBOs GetAirportFBOs(DataStore& store, std::string_view identifier);

// Sets the FBO fields (24-30) of table[index]. Throws DataError on a Date that is not a date.
void AttachFBOSummary(DataStore& store, TAirportArray& table, size_t index);

// AttachFBOSummary for the first AirportCount records of AirportTable. A DataError stops it at
// that airport; the records before it keep their new summaries.
void RefreshFBOSummaries(DataStore& store);

// A price field as the summary holds it: 0 when empty, the number, or -2.0 for other text.
[[nodiscard]] double FBOPriceFromField(std::string_view field) noexcept;

// Whole days from the price date to now, truncated toward zero.
[[nodiscard]] int FBOAgeDays(DateTime now, DateTime priceDate) noexcept;
[[nodiscard]] int FBOAgeDays(const DataStore& store, DateTime priceDate);

// Asks for confirmation, then removes the airport's lines from FBOLines (not from the file).
void RemoveAirportFBOs(DataStore& store, std::string_view identifier);

// Index of the first line whose Location and Name equal the given texts exactly, or -1. Leaves
// that line's fields ("$" kept) in FBOFields, or nine empty fields when there is none.
[[nodiscard]] long FindFBORecord(DataStore& store, std::string_view location,
                                 std::string_view name);

// What one captured FBO row supplies. Contact and Comment come only from an airport's own page;
// when absent, an existing record keeps its own.
struct CapturedFBO {
  std::string service;  // kept from an existing record
  std::string price100LL;
  std::string priceJetA;
  std::string priceMogas;
  std::string date;
  std::optional<std::string> contact;
  std::optional<std::string> comment;
};

// Replaces the record with this Location and Name (exact match), or adds a new one; the line
// goes to the end of FBOLines until the next save sorts it.
void MergeFBORecord(DataStore& store, std::string_view location, std::string_view name,
                    const CapturedFBO& captured);

// Sorts FBOLines, replaces KSFBO.CSV with it, then refreshes the summaries of the chart's
// airports. A failed write is reported and returns false without the refresh; FBOLines keeps the
// merged records either way. A Date that is not a date throws DataError from the refresh.
bool SaveFBOFile(DataStore& store);

}  // namespace kestro
