#include <algorithm>

#include "common/ascii_case.h"
#include "common/data_error.h"
#include "common/number_parse.h"
#include "common/rounding.h"
#include "data/fbo_fields.h"
#include "data/fbo_file.h"

namespace kestro {
namespace {

constexpr double kPriceNotANumber = -2.0;

}  // namespace

double FBOPriceFromField(std::string_view field) noexcept {
  if (Trim(field).empty()) return 0;
  return ParseDouble(field).value_or(kPriceNotANumber);
}

int FBOAgeDays(DateTime now, DateTime priceDate) noexcept {
  return static_cast<int>(TruncateToInt(now - priceDate));
}

int FBOAgeDays(const DataStore& store, DateTime priceDate) {
  return FBOAgeDays(store.clock ? store.clock() : NowLocal(), priceDate);
}

void AttachFBOSummary(DataStore& store, TAirportArray& table, size_t index) {
  if (index >= table.size()) return;
  Airports& airport = table[index];
  const AirportFBOs fbos = GetAirportFBOs(store, airport.identifier);
  if (fbos.count == 0) {
    airport.fboName.clear();
    airport.fboContact.clear();
    airport.fboService.clear();
    airport.price100LL = 0;
    airport.priceJetA = 0;
    airport.priceMogas = 0;
    airport.priceDate = 0;
    return;
  }
  const auto& fields = store.FBOFields;
  // The date is read first so that a bad one leaves the record as it was.
  DateTime priceDate = 0;
  const std::string_view dateText = Trim(fields[kFBODate]);
  if (!dateText.empty()) {
    const auto parsed = ParseMonthDayYear(dateText);
    if (!parsed) {
      throw DataError("'" + std::string(dateText) + "' is not a valid date (FBO file, airport " +
                      airport.identifier + ")");
    }
    priceDate = *parsed;
  }
  airport.fboName = fields[kFBOName];
  airport.fboContact = fields[kFBOContact];
  airport.fboService = fields[kFBOService];
  airport.price100LL = FBOPriceFromField(fields[kFBO100LL]);
  airport.priceJetA = FBOPriceFromField(fields[kFBOJetA]);
  airport.priceMogas = FBOPriceFromField(fields[kFBOMogas]);
  airport.priceDate = priceDate;
}

void RefreshFBOSummaries(DataStore& store) {
  const size_t count =
      std::min(static_cast<size_t>(std::max(store.AirportCount, 0)), store.AirportTable.size());
  for (size_t i = 0; i < count; ++i) AttachFBOSummary(store, store.AirportTable, i);
}

}  // namespace kestro
