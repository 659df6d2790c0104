#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <unordered_set>

#include "common/format.h"
#include "dataset_model.h"

namespace kestro::bench {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kFeetPerDegreeLat = 364000.0;

constexpr auto kTownStarts = std::to_array<std::string_view>(
    {"OAK",  "MAPLE", "CEDAR", "PINE",  "ELM",    "ASH",    "WILLOW", "STONE", "CLEAR", "SPRING",
     "FAIR", "GREEN", "RED",   "WHITE", "BLACK",  "SILVER", "RICH",   "GLEN",  "LAKE",  "RIVER",
     "HILL", "BROOK", "MILL",  "NEW",   "WEST",   "EAST",   "NORTH",  "SOUTH", "BEAR",  "FOX",
     "DEER", "HAWK",  "CROW",  "IRON",  "COPPER", "SALT",   "SAND",   "ROCK",  "WOLF",  "HOLLY"});
constexpr auto kTownEnds = std::to_array<std::string_view>(
    {"VILLE",    "TON",    "FIELD",  "DALE",      "WOOD",   "BURG",   "PORT",
     "FORD",     " CREEK", " VIEW",  "LAND",      "MONT",   " HAVEN", " CITY",
     " SPRINGS", " FALLS", " GROVE", " JUNCTION", " BLUFF", " PLAINS"});
constexpr auto kFamilyNames = std::to_array<std::string_view>(
    {"HOLLOWAY", "BRENNER",  "KESSLER", "OAKLEY",     "WHITFIELD", "MARSH",    "DUVALL",
     "PRUITT",   "STANHOPE", "GARLAND", "MCCANDLESS", "RIDDLE",    "ASHWORTH", "TIPTON",
     "LOCKHART", "BEASLEY",  "CROWDER", "FENWICK",    "HARLAN",    "JESSUP",   "KIMBRO",
     "LANKFORD", "NASH",     "OVERTON", "PEMBERTON",  "QUINLAN",   "ROYSTER",  "SWANSON",
     "THORNE",   "VOSS",     "WEXLER",  "YODER"});
constexpr auto kPrivateAirportNames = std::to_array<std::string_view>(
    {"%s FIELD", "%s FARM", "%s AIRSTRIP", "%s RANCH", "%s AG STRIP", "%s AIRPARK"});
constexpr auto kHeliportNames = std::to_array<std::string_view>(
    {"%s MEDICAL CENTER", "%s REGIONAL HOSPITAL", "%s POLICE DEPT", "%s FIRE STATION 1",
     "%s GENERAL HOSPITAL", "%s COUNTY SHERIFF"});
constexpr auto kPavedSurfaces =
    std::to_array<std::string_view>({"ASPH-G", "ASPH-G", "ASPH-F", "CONC-G", "ASPH-P"});
constexpr auto kSoftSurfaces =
    std::to_array<std::string_view>({"TURF-G", "TURF-F", "GRAVEL-G", "DIRT-G", "TURF-P"});

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";

struct Placement {
  GeoPoint position;
  const City* city = nullptr;  // the city the airport clusters around, if any
};

// Background airports thin out towards the mountain west, as the real ones do.
double BackgroundAcceptance(double lonDeg) noexcept {
  if (lonDeg > -98.0) return 1.0;
  if (lonDeg > -106.0) return 0.5;
  return 0.3;
}

Placement Place(DatasetRandom& random) {
  static const double totalWeight = [] {
    double sum = 0;
    for (const City& city : Cities()) sum += city.weight;
    return sum;
  }();
  if (random.Chance(0.55)) {
    double pick = random.Uniform(0, totalWeight);
    const City* city = &Cities().back();
    for (const City& candidate : Cities()) {
      if (pick < candidate.weight) {
        city = &candidate;
        break;
      }
      pick -= candidate.weight;
    }
    const double sigmaNM = random.Uniform(22, 48);
    for (;;) {
      const double northNM = random.Gaussian() * sigmaNM;
      const double eastNM = random.Gaussian() * sigmaNM;
      const GeoPoint point{
          city->centre.latDeg + northNM / 60.0,
          city->centre.lonDeg + eastNM / (60.0 * std::cos(city->centre.latDeg * kDegToRad))};
      if (InsideConus(point)) return {point, city};
    }
  }
  for (;;) {
    const GeoPoint point{random.Uniform(kConusSouthDeg, kConusNorthDeg),
                         random.Uniform(kConusWestDeg, kConusEastDeg)};
    if (InsideConus(point) && random.Chance(BackgroundAcceptance(point.lonDeg))) {
      return {point, nullptr};
    }
  }
}

// Coarse relief: coastal plain, Appalachians, rising plains, Rockies, basins, Pacific coast.
int ElevationFeet(DatasetRandom& random, GeoPoint point) {
  const double west = -point.lonDeg;
  double feet = 0;
  if (west < 78) {
    feet = 250;
  } else if (west < 95) {
    const double ridge = (west - 81.5) / 2.2;
    feet = 650 + 1500 * std::exp(-ridge * ridge) * (point.latDeg > 34 ? 1.0 : 0.4);
  } else if (west < 105) {
    feet = 650 + (west - 95) * 430;
  } else if (west < 112) {
    feet = 6200;
  } else if (west < 119) {
    feet = 4400;
  } else {
    feet = std::max(0.0, 3200 * (124.5 - west) / 5.5);
  }
  if (point.latDeg < 31 && west < 98) feet = 60;
  return std::max(5, static_cast<int>(feet * random.Uniform(0.8, 1.2)));
}

std::string TownName(DatasetRandom& random) {
  std::string name(random.Pick(kTownStarts));
  name += random.Pick(kTownEnds);
  return name;
}

std::string Fill(std::string_view pattern, const std::string& word) {
  std::string text(pattern);
  const size_t at = text.find("%s");
  return text.replace(at, 2, word);
}

char Letter(DatasetRandom& random) {
  return kLetters[static_cast<size_t>(random.Below(26))];
}
char Digit(DatasetRandom& random) {
  return kDigits[static_cast<size_t>(random.Below(10))];
}

// Public facilities get three characters, as FAA location identifiers do; private ones the
// four-character state-based form ("MO12", "12MO", "3IL5").
std::string CandidateIdentifier(DatasetRandom& random, bool isPublic, std::string_view state) {
  std::string id;
  if (isPublic) {
    switch (random.Below(4)) {
      case 0:
        id = {Letter(random), Letter(random), Letter(random)};
        break;
      case 1:
        id = {Letter(random), Digit(random), Digit(random)};
        break;
      case 2:
        id = {Digit(random), Letter(random), Digit(random)};
        break;
      default:
        id = {Digit(random), Digit(random), Letter(random)};
        break;
    }
    return id;
  }
  switch (random.Below(4)) {
    case 0:
      id = std::string(state) + Digit(random) + Digit(random);
      break;
    case 1:
      id = std::string{Digit(random), Digit(random)} + std::string(state);
      break;
    case 2:
      id = Digit(random) + std::string(state) + Digit(random);
      break;
    default:
      id = {Digit(random), Letter(random), Digit(random), Digit(random)};
      break;
  }
  return id;
}

std::string UniqueIdentifier(DatasetRandom& random, bool isPublic, std::string_view state,
                             std::unordered_set<std::string>& used) {
  for (int attempt = 0;; ++attempt) {
    // A crowded state runs out of its own patterns; the widest one always has room.
    std::string id =
        attempt < 20 ? CandidateIdentifier(random, isPublic, state)
                     : std::string{Digit(random), Letter(random), Letter(random), Digit(random)};
    if (used.insert(id).second) return id;
  }
}

std::string RunwayNumber(int number, char side) {
  std::string text = Format("%02d", number);
  if (side != ' ') text += side;
  return text;
}

char OppositeSide(char side) noexcept {
  return side == 'L' ? 'R' : side == 'R' ? 'L' : side;
}

GeoPoint Offset(GeoPoint from, double bearingDeg, double feet) noexcept {
  const double b = bearingDeg * kDegToRad;
  return {
      from.latDeg + feet * std::cos(b) / kFeetPerDegreeLat,
      from.lonDeg + feet * std::sin(b) / (kFeetPerDegreeLat * std::cos(from.latDeg * kDegToRad))};
}

GeneratedRunway MakeRunway(const GeneratedAirport& airport, int number, char side, int lengthFeet,
                           int widthFeet, std::string_view surface, double lateralFeet,
                           DatasetRandom& random) {
  GeneratedRunway runway;
  runway.lengthFeet = lengthFeet;
  runway.widthFeet = widthFeet;
  runway.surface = surface;
  runway.trueHeadingDeg = std::fmod(number * 10.0 + random.Uniform(-6, 6) + 360.0, 360.0);
  const GeoPoint centre = Offset(airport.position, runway.trueHeadingDeg + 90, lateralFeet);
  runway.baseEndPosition = Offset(centre, runway.trueHeadingDeg + 180, lengthFeet / 2.0);
  runway.recpEndPosition = Offset(centre, runway.trueHeadingDeg, lengthFeet / 2.0);
  runway.baseEnd = RunwayNumber(number, side);
  runway.recpEnd = RunwayNumber(number + 18, OppositeSide(side));
  if (airport.kind == FacilityKind::kSeaplaneBase) {
    runway.baseEnd += 'W';
    runway.recpEnd += 'W';
  }
  return runway;
}

void AddRunways(GeneratedAirport& airport, DatasetRandom& random) {
  const int main = random.Between(1, 18);
  const int cross = (main + random.Between(4, 12) - 1) % 18 + 1;
  switch (airport.kind) {
    case FacilityKind::kHeliport: {
      const int pads = random.Chance(0.08) ? 2 : 1;
      for (int pad = 1; pad <= pads; ++pad) {
        const int size = random.Between(4, 10) * 10;
        GeneratedRunway helipad;
        helipad.baseEnd = Format("H%d", pad);
        helipad.lengthFeet = size;
        helipad.widthFeet = size;
        helipad.surface = random.Chance(0.7) ? "CONC" : "ASPH";
        helipad.baseEndPosition = Offset(airport.position, 90, (pad - 1) * 120.0);
        helipad.recpEndPosition = helipad.baseEndPosition;
        airport.runways.push_back(std::move(helipad));
      }
      return;
    }
    case FacilityKind::kSeaplaneBase:
      airport.runways.push_back(MakeRunway(airport, main, ' ', random.Between(25, 60) * 100,
                                           random.Between(2, 10) * 50, "WATER", 0, random));
      if (random.Chance(0.3)) {
        airport.runways.push_back(
            MakeRunway(airport, cross, ' ', random.Between(20, 45) * 100, 200, "WATER", 0, random));
      }
      return;
    case FacilityKind::kUltralight:
    case FacilityKind::kGliderport:
      airport.runways.push_back(MakeRunway(airport, main, ' ', random.Between(10, 35) * 100,
                                           random.Between(5, 20) * 10, random.Pick(kSoftSurfaces),
                                           0, random));
      return;
    case FacilityKind::kAirport:
      break;
  }
  switch (airport.size) {
    case FacilitySize::kPrivate:
      airport.runways.push_back(
          MakeRunway(airport, main, ' ', random.Between(15, 40) * 100, random.Between(3, 12) * 10,
                     random.Chance(0.6) ? random.Pick(kSoftSurfaces) : random.Pick(kPavedSurfaces),
                     0, random));
      if (random.Chance(0.12)) {
        airport.runways.push_back(MakeRunway(airport, cross, ' ', random.Between(12, 25) * 100, 60,
                                             random.Pick(kSoftSurfaces), 300, random));
      }
      return;
    case FacilitySize::kSmall:
      airport.runways.push_back(MakeRunway(airport, main, ' ', random.Between(28, 56) * 100,
                                           random.Pick(std::to_array({50, 60, 75, 100})),
                                           random.Pick(kPavedSurfaces), 0, random));
      if (random.Chance(0.3)) {
        airport.runways.push_back(MakeRunway(airport, cross, ' ', random.Between(18, 33) * 100,
                                             random.Pick(std::to_array({100, 120, 150})),
                                             random.Pick(kSoftSurfaces), 400, random));
      }
      return;
    case FacilitySize::kMedium:
      airport.runways.push_back(MakeRunway(airport, main, ' ', random.Between(55, 85) * 100,
                                           random.Chance(0.5) ? 150 : 100, "ASPH-G", 0, random));
      airport.runways.push_back(MakeRunway(airport, cross, ' ', random.Between(40, 65) * 100, 100,
                                           "ASPH-G", 600, random));
      if (random.Chance(0.3)) {
        airport.runways.push_back(MakeRunway(airport, (cross + 5) % 18 + 1, ' ',
                                             random.Between(30, 45) * 100, 75, "ASPH-F", -800,
                                             random));
      }
      return;
    case FacilitySize::kLarge:
      airport.runways.push_back(MakeRunway(airport, main, 'L', random.Between(90, 130) * 100,
                                           random.Chance(0.5) ? 200 : 150, "CONC-G", -2000,
                                           random));
      airport.runways.push_back(MakeRunway(airport, main, 'R', random.Between(80, 110) * 100, 150,
                                           "CONC-G", 2000, random));
      airport.runways.push_back(MakeRunway(airport, cross, ' ', random.Between(70, 95) * 100, 150,
                                           "ASPH-CONC-G", 0, random));
      if (random.Chance(0.4)) {
        airport.runways.push_back(MakeRunway(airport, (cross + 3) % 18 + 1, ' ',
                                             random.Between(50, 75) * 100, 100, "ASPH-G", 1200,
                                             random));
      }
      return;
  }
}

FacilityKind PickKind(DatasetRandom& random, bool nearCity) {
  const double roll = random.Uniform();
  const double heliports = nearCity ? 0.34 : 0.12;
  if (roll < heliports) return FacilityKind::kHeliport;
  if (roll < heliports + 0.03) return FacilityKind::kSeaplaneBase;
  if (roll < heliports + 0.04) return FacilityKind::kUltralight;
  if (roll < heliports + 0.05) return FacilityKind::kGliderport;
  return FacilityKind::kAirport;
}

FacilitySize PickSize(DatasetRandom& random, FacilityKind kind, bool nearCity) {
  if (kind != FacilityKind::kAirport) {
    return random.Chance(0.06) ? FacilitySize::kSmall : FacilitySize::kPrivate;
  }
  if (!random.Chance(nearCity ? 0.27 : 0.34)) return FacilitySize::kPrivate;
  const double roll = random.Uniform();
  if (roll < (nearCity ? 0.04 : 0.004)) return FacilitySize::kLarge;
  if (roll < 0.14) return FacilitySize::kMedium;
  return FacilitySize::kSmall;
}

std::string FacilityName(DatasetRandom& random, const GeneratedAirport& airport) {
  const std::string& town = airport.city;
  switch (airport.kind) {
    case FacilityKind::kHeliport:
      return random.Chance(0.7) ? Fill(random.Pick(kHeliportNames), town)
                                : std::string(random.Pick(kFamilyNames)) + " HELIPORT";
    case FacilityKind::kSeaplaneBase:
      return Fill("%s LAKE SEAPLANE BASE", std::string(random.Pick(kTownStarts)));
    case FacilityKind::kUltralight:
      return Fill("%s ULTRALIGHT FLIGHTPARK", std::string(random.Pick(kFamilyNames)));
    case FacilityKind::kGliderport:
      return town + " GLIDERPORT";
    case FacilityKind::kAirport:
      break;
  }
  switch (airport.size) {
    case FacilitySize::kPrivate:
      return Fill(random.Pick(kPrivateAirportNames), std::string(random.Pick(kFamilyNames)));
    case FacilitySize::kSmall:
      return random.Chance(0.6)   ? town + " MUNI"
             : random.Chance(0.5) ? std::string(random.Pick(kFamilyNames)) + " FIELD"
                                  : town + " AIRPARK";
    case FacilitySize::kMedium:
      return town + " RGNL";
    case FacilitySize::kLarge:
      return town + " INTL";
  }
  return town;
}

std::string FuelTypes(DatasetRandom& random, const GeneratedAirport& airport) {
  if (airport.kind != FacilityKind::kAirport) return "";
  switch (airport.size) {
    case FacilitySize::kPrivate:
      return random.Chance(0.1) ? "100LL" : "";
    case FacilitySize::kSmall: {
      const double roll = random.Uniform();
      if (roll < 0.45) return "100LL";
      if (roll < 0.70) return "100LL,A";
      if (roll < 0.76) return "100LL,MOGAS";
      if (roll < 0.80) return "A";
      return "";
    }
    case FacilitySize::kMedium:
    case FacilitySize::kLarge:
      return "100LL,A";
  }
  return "";
}

char SiteLetter(FacilityKind kind) noexcept {
  switch (kind) {
    case FacilityKind::kHeliport:
      return 'H';
    case FacilityKind::kSeaplaneBase:
      return 'C';
    case FacilityKind::kUltralight:
      return 'U';
    case FacilityKind::kGliderport:
      return 'G';
    case FacilityKind::kAirport:
      break;
  }
  return 'A';
}

}  // namespace

std::vector<GeneratedAirport> GenerateAirports(DatasetRandom& random, size_t count) {
  std::vector<GeneratedAirport> airports;
  airports.reserve(count);
  std::unordered_set<std::string> identifiers;
  for (size_t i = 0; i < count; ++i) {
    const Placement placement = Place(random);
    GeneratedAirport airport;
    airport.position = placement.position;
    airport.state = &StateAt(placement.position);
    const bool nearCity = placement.city != nullptr;
    airport.city =
        nearCity && random.Chance(0.5) ? std::string(placement.city->name) : TownName(random);
    airport.kind = PickKind(random, nearCity);
    airport.size = PickSize(random, airport.kind, nearCity);
    airport.identifier = UniqueIdentifier(random, airport.size != FacilitySize::kPrivate,
                                          airport.state->code, identifiers);
    airport.name = FacilityName(random, airport);
    airport.elevationFeet = ElevationFeet(random, airport.position);
    airport.fuelTypes = FuelTypes(random, airport);
    AddRunways(airport, random);
    airports.push_back(std::move(airport));
  }
  // File order: by state, then by town, as the site numbers run.
  std::sort(airports.begin(), airports.end(), [](const auto& a, const auto& b) {
    if (a.state->code != b.state->code) return a.state->code < b.state->code;
    if (a.city != b.city) return a.city < b.city;
    return a.identifier < b.identifier;
  });
  int number = 0;
  for (GeneratedAirport& airport : airports) {
    number += random.Between(1, 4);
    airport.siteNumber =
        Format("%05d.%s*%c", number, random.Chance(0.1) ? "1" : "", SiteLetter(airport.kind));
  }
  return airports;
}

}  // namespace kestro::bench
