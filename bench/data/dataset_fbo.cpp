#include <array>
#include <string_view>
#include <vector>

#include "common/format.h"
#include "data/fbo_fields.h"
#include "data/fbo_file.h"
#include "dataset_model.h"

namespace kestro::bench {
namespace {

constexpr auto kFboWords = std::to_array<std::string_view>(
    {"Gateway",  "Prairie",    "River City", "Ozark",     "Heartland",  "Bluff",
     "Cardinal", "Lakeside",   "Meridian",   "Frontier",  "Valley",     "Skyline",
     "Redbird",  "Timberline", "Limestone",  "Bluegrass", "Cumberland", "Delta",
     "Magnolia", "Sycamore",   "Westwind",   "Kestrel",   "Northstar",  "Sandhill",
     "Oxbow",    "Cottonwood", "Hickory",    "Tailwind",  "Blue Sky",   "Harvest"});
constexpr auto kFboKinds = std::to_array<std::string_view>(
    {"Aviation", "Air Center", "Flight Services", "Aero", "Jet Center", "Air Service"});
constexpr auto kComments = std::to_array<std::string_view>(
    {"", "", "", "Self serve 24 hours", "Courtesy car", "After hours call-out fee",
     "Pilot lounge, WiFi", "Cash discount"});
constexpr auto kServices = std::to_array<std::string_view>({"FS", "FS", "SS", "SS", "AS", "PS"});

std::string Price(DatasetRandom& random, double low, double high) {
  // Posted prices end in 9 cents.
  const int tenths = random.Between(static_cast<int>(low * 10), static_cast<int>(high * 10));
  return Format("$%.2f", tenths / 10.0 - 0.01);
}

// Price dates spread over June to early December 2026.
std::string PriceDate(DatasetRandom& random) {
  static constexpr auto kMonthDays = std::to_array({30, 31, 31, 30, 31, 8});
  const int month = random.Below(static_cast<int>(kMonthDays.size()));
  const int day = random.Between(1, kMonthDays[static_cast<size_t>(month)]);
  return Format("%02d/%02d/2026", month + 6, day);
}

}  // namespace

std::vector<std::string> GenerateFboLines(DatasetRandom& random,
                                          const std::vector<GeneratedAirport>& airports) {
  std::vector<std::string> lines;
  for (const GeneratedAirport& airport : airports) {
    if (!airport.IsPublicAirport() || !airport.fuelTypes.starts_with("100LL")) continue;
    if (!random.Chance(0.7)) continue;
    const bool big = airport.size != FacilitySize::kSmall;
    const int count = big && random.Chance(0.5) ? 2 : 1;
    for (int n = 0; n < count; ++n) {
      const std::string name =
          std::string(random.Pick(kFboWords)) + " " + std::string(random.Pick(kFboKinds));
      const std::string web = Format("www.fbo%s.example", airport.identifier.c_str());
      const std::string contact = Format(
          "%.*s-555-%04d, %d Airport Rd %s %.*s, %s",
          static_cast<int>(airport.state->areaCode.size()), airport.state->areaCode.data(),
          random.Between(100, 199), random.Between(100, 9999), airport.city.c_str(),
          static_cast<int>(airport.state->code.size()), airport.state->code.data(), web.c_str());
      const std::string_view service = big ? "FS" : random.Pick(kServices);
      const double low = airport.size == FacilitySize::kLarge ? 7.1 : big ? 6.2 : 5.3;
      const bool hasJet = airport.fuelTypes.find(",A") != std::string::npos;
      const bool hasMogas = airport.fuelTypes.find("MOGAS") != std::string::npos;
      lines.push_back(JoinFBOFields({
          airport.identifier,
          name,
          contact,
          std::string(random.Pick(kComments)),
          std::string(service),
          Price(random, low, low + 1.6),
          hasJet ? Price(random, low - 0.4, low + 1.2) : "",
          hasMogas ? Price(random, 4.3, 5.2) : "",
          PriceDate(random),
      }));
    }
  }
  SortFBOLines(lines);
  return lines;
}

}  // namespace kestro::bench
