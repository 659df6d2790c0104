#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "common/format.h"
#include "data/extract_columns.h"
#include "dataset_model.h"

namespace kestro::bench {
namespace {

constexpr auto kUnicom = std::to_array<std::string_view>(
    {"122.700", "122.725", "122.800", "122.975", "123.000", "123.050", "123.075"});
constexpr auto kTower = std::to_array<std::string_view>(
    {"118.300", "118.500", "118.700", "119.100", "119.500", "119.900", "120.100", "120.500"});
constexpr auto kManagers = std::to_array<std::string_view>(
    {"JAMES HOLLOWAY", "MARY BRENNER", "ROBERT KESSLER", "LINDA OAKLEY", "DAVID MARSH",
     "SUSAN DUVALL", "JOHN PRUITT", "KAREN STANHOPE", "PAUL GARLAND", "DIANE TIPTON"});

// Seconds of arc with four decimals and the hemisphere letter, as columns 23 and 25 hold them.
std::string ArcSeconds(double degrees, char hemisphere) {
  return Format("%.4f%c", std::round(std::fabs(degrees) * 36000000.0) / 10000.0, hemisphere);
}

std::string DegreesMinutesSeconds(double degrees, int degreeDigits, char hemisphere) {
  const double total = std::round(std::fabs(degrees) * 36000000.0) / 10000.0;
  const int whole = static_cast<int>(total / 3600);
  const int minutes = static_cast<int>((total - whole * 3600.0) / 60);
  const double seconds = total - whole * 3600.0 - minutes * 60.0;
  return Format("%0*d-%02d-%07.4f%c", degreeDigits, whole, minutes, seconds, hemisphere);
}

// Sectional chart names over a regular grid, roughly as the charts are cut.
std::string_view ChartName(GeoPoint p) noexcept {
  static constexpr auto kNorth =
      std::to_array<std::string_view>({"SEATTLE", "GREAT FALLS", "BILLINGS", "TWIN CITIES",
                                       "GREEN BAY", "LAKE HURON", "MONTREAL", "HALIFAX"});
  static constexpr auto kMiddle =
      std::to_array<std::string_view>({"KLAMATH FALLS", "SALT LAKE CITY", "CHEYENNE", "OMAHA",
                                       "CHICAGO", "DETROIT", "NEW YORK", "NEW YORK"});
  static constexpr auto kSouthMiddle =
      std::to_array<std::string_view>({"SAN FRANCISCO", "LAS VEGAS", "DENVER", "WICHITA",
                                       "KANSAS CITY", "ST LOUIS", "CINCINNATI", "WASHINGTON"});
  static constexpr auto kSouth =
      std::to_array<std::string_view>({"LOS ANGELES", "PHOENIX", "ALBUQUERQUE", "DALLAS-FT WORTH",
                                       "MEMPHIS", "ATLANTA", "CHARLOTTE", "CHARLOTTE"});
  static constexpr auto kGulf =
      std::to_array<std::string_view>({"LOS ANGELES", "EL PASO", "EL PASO", "SAN ANTONIO",
                                       "HOUSTON", "NEW ORLEANS", "JACKSONVILLE", "MIAMI"});
  const int column = std::clamp(static_cast<int>((p.lonDeg + 125.0) / 7.3), 0, 7);
  const auto at = static_cast<size_t>(column);
  if (p.latDeg >= 44) return kNorth[at];
  if (p.latDeg >= 40) return kMiddle[at];
  if (p.latDeg >= 36) return kSouthMiddle[at];
  if (p.latDeg >= 32) return kSouth[at];
  return kGulf[at];
}

std::string Phone(const GeneratedAirport& airport, DatasetRandom& random) {
  return Format("%.*s-555-%04d", static_cast<int>(airport.state->areaCode.size()),
                airport.state->areaCode.data(), random.Between(100, 199));
}

std::string JoinTabs(const std::vector<std::string>& columns) {
  size_t size = columns.size();
  for (const std::string& column : columns) size += column.size();
  std::string line;
  line.reserve(size);
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) line += '\t';
    line += columns[i];
  }
  return line;
}

std::string_view TypeText(FacilityKind kind) noexcept {
  switch (kind) {
    case FacilityKind::kHeliport:
      return "HELIPORT";
    case FacilityKind::kSeaplaneBase:
      return "SEAPLANE BASE";
    case FacilityKind::kUltralight:
      return "ULTRALIGHT";
    case FacilityKind::kGliderport:
      return "GLIDERPORT";
    case FacilityKind::kAirport:
      break;
  }
  return "AIRPORT";
}

void FillRunwayEnd(std::vector<std::string>& columns, size_t first, const std::string& id,
                   double headingDeg, GeoPoint position, int elevationFeet, bool paved,
                   bool instrument, DatasetRandom& random) {
  const double elevation = elevationFeet + random.Uniform(-12, 12);
  columns[first + 0] = id;
  columns[first + 1] = id.empty() || id[0] == 'H'
                           ? ""
                           : Format("%d", static_cast<int>(std::lround(headingDeg)) % 360);
  columns[first + 2] = instrument ? "ILS" : "";
  columns[first + 3] = random.Chance(0.2) ? "Y" : "N";
  columns[first + 4] = !paved ? "" : instrument ? "PIR" : "NPI";
  columns[first + 5] = paved ? "G" : "";
  columns[first + 7] = DegreesMinutesSeconds(position.latDeg, 2, 'N');
  columns[first + 8] = ArcSeconds(position.latDeg, 'N');
  columns[first + 9] = DegreesMinutesSeconds(position.lonDeg, 3, 'W');
  columns[first + 10] = ArcSeconds(position.lonDeg, 'W');
  columns[first + 11] = Format("%.1f", elevation);
  if (paved) {
    columns[first + 12] = "50";
    columns[first + 13] = "3.00";
    columns[first + 20] = Format("%.1f", elevation);
    columns[first + 21] = instrument ? "P4L" : random.Chance(0.3) ? "P2L" : "";
    columns[first + 24] = instrument ? "MALSR" : "";
    columns[first + 25] = instrument ? "Y" : "N";
  }
  columns[first + 28] = random.Chance(0.5) ? "TREES" : "ROAD";
  columns[first + 30] = instrument ? "C" : "A(V)";
  columns[first + 31] = Format("%d", random.Between(15, 50));
  columns[first + 32] = Format("%d", random.Between(10, 80));
  columns[first + 33] = Format("%d", random.Between(300, 2500));
  columns[first + 34] = Format("%d%c", random.Between(0, 400), random.Chance(0.5) ? 'L' : 'R');
}

}  // namespace

std::string FacilityLine(const GeneratedAirport& airport, DatasetRandom& random) {
  const bool isPublic = airport.size != FacilitySize::kPrivate;
  const bool towered =
      airport.size == FacilitySize::kMedium || airport.size == FacilitySize::kLarge;
  const StateInfo& state = *airport.state;
  std::vector<std::string> c(kFacilitiesColumnCount);
  const std::string address = Format("%d AIRPORT RD", random.Between(100, 9999));
  const std::string csz =
      airport.city + ", " + std::string(state.code) + Format(" %05d", random.Between(10000, 99999));
  const std::string_view frequency = towered ? random.Pick(kTower) : random.Pick(kUnicom);
  c[0] = airport.siteNumber;
  c[1] = TypeText(airport.kind);
  c[2] = airport.identifier;
  c[3] = "11/26/2026";
  c[4] = state.region;
  c[5] = state.region;
  c[6] = state.code;
  c[7] = state.name;
  c[8] = airport.city;
  c[9] = state.code;
  c[10] = airport.city;
  c[11] = airport.name;
  c[12] = isPublic ? "PU" : "PR";
  c[13] = isPublic ? "PU" : "PR";
  c[14] = isPublic ? "CITY OF " + airport.city : std::string(random.Pick(kManagers));
  c[15] = address;
  c[16] = csz;
  c[17] = Phone(airport, random);
  c[18] = random.Pick(kManagers);
  c[19] = address;
  c[20] = csz;
  c[21] = Phone(airport, random);
  c[22] = DegreesMinutesSeconds(airport.position.latDeg, 2, 'N');
  c[23] = ArcSeconds(airport.position.latDeg, 'N');
  c[24] = DegreesMinutesSeconds(airport.position.lonDeg, 3, 'W');
  c[25] = ArcSeconds(airport.position.lonDeg, 'W');
  c[26] = towered ? "S" : "E";
  c[27] = Format("%d", airport.elevationFeet);
  c[28] = towered ? "S" : "E";
  const int variation = static_cast<int>(std::lround((-87.5 - airport.position.lonDeg) * 0.45));
  c[29] = Format("%02d%c", std::abs(variation), variation >= 0 ? 'E' : 'W');
  c[30] = "2025";
  c[31] = isPublic ? Format("%d", airport.elevationFeet + 1000) : "";
  c[32] = ChartName(airport.position);
  c[33] = Format("%d", random.Between(0, 12));
  c[34] =
      random.Pick(std::to_array<std::string_view>({"N", "NE", "E", "SE", "S", "SW", "W", "NW"}));
  c[35] = Format("%d", random.Between(2, 400));
  const bool west = airport.position.lonDeg < -100.0;
  const std::string_view centre =
      airport.position.latDeg > 40.0 ? (west ? "ZDV" : "ZOB") : (west ? "ZAB" : "ZTL");
  for (const size_t first : {size_t{36}, size_t{39}}) {
    c[first] = centre;
    c[first + 1] = centre;
    c[first + 2] = airport.position.latDeg > 40.0 ? (west ? "DENVER" : "CLEVELAND")
                                                  : (west ? "ALBUQUERQUE" : "ATLANTA");
  }
  c[42] = "N";
  c[43] = west ? "PRC" : "LAN";
  c[44] = west ? "PRESCOTT" : "LANSING";
  c[46] = "1-800-WX-BRIEF";
  c[50] = airport.identifier;
  c[51] = isPublic ? "Y" : "N";
  c[52] = Format("%02d/%d", random.Between(1, 12), random.Between(1930, 2024));
  c[53] = "O";
  c[54] = towered ? "I C 05/2005" : "";
  c[55] = isPublic ? "NGY" : "";
  c[56] = "NO OBJECTION";
  c[57] = "N";
  c[58] = "N";
  c[59] = "N";
  c[60] = "N";
  c[63] = isPublic ? "S" : "";
  c[64] = isPublic ? "S" : "";
  c[65] = Format("%02d/%02d/2025", random.Between(1, 12), random.Between(1, 28));
  c[66] = Format("%02d/%02d/2025", random.Between(1, 12), random.Between(1, 28));
  c[67] = airport.fuelTypes;
  c[68] = isPublic ? "MINOR" : "NONE";
  c[69] = isPublic ? "MINOR" : "NONE";
  c[72] = isPublic ? "SS-SR" : "";
  c[73] = towered ? "Y" : "N";
  c[74] = isPublic ? (towered ? "122.950" : std::string(frequency)) : "";
  c[75] = isPublic ? std::string(frequency) : "";
  c[76] = isPublic ? "Y" : "N";
  c[77] = isPublic ? "CG" : "";
  c[79] = Format("%d", random.Between(0, 250));
  c[80] = Format("%d", random.Between(0, 40));
  c[81] = Format("%d", towered ? random.Between(0, 60) : 0);
  c[82] = Format("%d", random.Between(0, 8));
  c[89] = Format("%d", random.Between(0, 40000));
  c[90] = Format("%d", random.Between(0, 40000));
  c[91] = Format("%d", random.Between(0, 500));
  c[92] = "12/31/2025";
  c[93] = towered ? "3RD PARTY SURVEY GRADIENT" : "OTHER";
  c[94] = Format("%02d/%02d/2019", random.Between(1, 12), random.Between(1, 28));
  c[95] = c[93];
  c[96] = c[94];
  c[97] = towered ? "Y" : "N";
  c[98] = isPublic ? "HGR,TIE" : "";
  c[99] = towered ? "AVNCS,CHTR,INSTR,RNTL,SALES" : "";
  c[100] = isPublic ? "Y-L" : "N";
  return JoinTabs(c);
}

std::string RunwayLine(const GeneratedAirport& airport, const GeneratedRunway& runway,
                       DatasetRandom& random) {
  const bool paved = runway.surface.starts_with("ASPH") || runway.surface.starts_with("CONC");
  const bool big = airport.size == FacilitySize::kMedium || airport.size == FacilitySize::kLarge;
  const bool instrument = big && runway.lengthFeet >= 5000 && &runway == &airport.runways.front();
  std::vector<std::string> c(kRunwaysColumnCount);
  c[0] = airport.siteNumber;
  c[1] = airport.state->code;
  c[2] = runway.recpEnd.empty() ? runway.baseEnd : runway.baseEnd + "/" + runway.recpEnd;
  c[3] = Format("%d", runway.lengthFeet);
  c[4] = Format("%d", runway.widthFeet);
  c[5] = runway.surface;
  c[6] = paved ? (airport.size == FacilitySize::kLarge ? "GRVD" : "NONE") : "";
  c[7] = big && paved ? Format("PCN %d /F/B/X/T", random.Between(30, 90)) : "";
  c[8] = paved ? Format("%d.0", random.Between(3, 8) * 10) : "";
  c[9] = big && paved ? Format("%d.0", random.Between(6, 16) * 10) : "";
  c[12] = paved ? (big ? "HIGH" : "MED") : "NONE";
  FillRunwayEnd(c, 13, runway.baseEnd, runway.trueHeadingDeg, runway.baseEndPosition,
                airport.elevationFeet, paved, instrument, random);
  if (!runway.recpEnd.empty()) {
    FillRunwayEnd(c, 48, runway.recpEnd, std::fmod(runway.trueHeadingDeg + 180, 360),
                  runway.recpEndPosition, airport.elevationFeet, paved, false, random);
  }
  const std::string survey = Format("%02d/%02d/%d", random.Between(1, 12), random.Between(1, 28),
                                    random.Between(2008, 2025));
  c[83] = big ? "3RD PARTY SURVEY" : "OTHER";
  c[84] = survey;
  for (const size_t first : {size_t{85}, size_t{101}}) {
    c[first] = Format("%.1f", random.Uniform(0, 0.8));
    c[first + 1] = random.Chance(0.5) ? "UP" : "DOWN";
    if (big && paved) {
      c[first + 2] = "FAA OE/AAA";
      c[first + 3] = survey;
      for (size_t i = 12; i < 16; ++i) c[first + i] = Format("%d", runway.lengthFeet);
    }
  }
  return JoinTabs(c);
}

}  // namespace kestro::bench
