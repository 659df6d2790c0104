// The reference ellipsoids and the datums that name them. Both tables are constant data placed in
// read-only storage at compile time, so they need no start-up code and no release at exit, and
// any other module may look them up during its own static initialisation.
#include "geo/geodesy.h"

namespace kestro {

namespace {

constexpr EllipseStruct kEllipsoids[EllipsoidCount] = {
    {6377563.396, 6356256.909, "Airy"},                   // 1
    {6377340.189, 6356034.448, "Airy Modified"},          // 2
    {6378160.0, 6356774.719, "Australian National"},      // 3
    {6377397.155, 6356078.963, "Bessel 1841"},            // 4
    {6378206.4, 6356583.8, "Clark 1866"},                 // 5
    {6378249.145, 6356514.87, "Clarke 1880"},             // 6
    {6377276.345, 6356075.413, "Everest"},                // 7
    {6377304.063, 6356103.039, "Everest Modified"},       // 8
    {6378166.0, 6356784.284, "Fischer 1960"},             // 9
    {6378155.0, 6356773.32, "Fischer 1960 Modified"},     // 10
    {6378150.0, 6356768.337, "Fischer 1968"},             // 11
    {6378160.0, 6356774.516, "Geodetic Reference 1967"},  // 12
    {6378137.0, 6356752.314, "Geodetic Reference 1980"},  // 13
    {6378200.0, 6356818.17, "Helmert"},                   // 14
    {6378270.0, 6356794.343, "Hough"},                    // 15
    {6378388.0, 6356911.946, "International"},            // 16
    {6378245.0, 6356863.019, "Krassovsky"},               // 17
    {6378160.0, 6356774.719, "South American 1969"},      // 18
    {6378165.0, 6356783.287, "WGS-60"},                   // 19
    {6378145.0, 6356759.769, "WGS-66"},                   // 20
    {6378135.0, 6356750.52, "WGS-72"},                    // 21
    {6378137.0, 6356752.314, "WGS-84"},                   // 22
};

constexpr DatumStruct kDatums[DatumCount] = {
    {6, "Adindan"},                       // 1
    {17, "Afgooye"},                      // 2
    {16, "Ain El Abd 1970"},              // 3
    {3, "Anna 1 Astro"},                  // 4
    {6, "ARC 1950"},                      // 5
    {6, "ARC 1960"},                      // 6
    {16, "Ascension Island 1958"},        // 7
    {16, "Astro B4 Sorol Atoll"},         // 8
    {16, "Astro Beacon E"},               // 9
    {16, "Astro Dos 71/4"},               // 10
    {16, "Astronomic Station 1952"},      // 11
    {3, "Australian Geodetic 1966"},      // 12
    {3, "Australian Geodetic 1984"},      // 13
    {16, "Bellevue IGN"},                 // 14
    {5, "Bermuda 1957"},                  // 15
    {16, "Bogota Observatory"},           // 16
    {16, "Campo Inchauspe"},              // 17
    {16, "Canto Astro 1966"},             // 18
    {6, "Cape South Africa"},             // 19
    {6, "Cape Canaveral"},                // 20
    {5, "Carthage"},                      // 21
    {16, "Chatham 1971"},                 // 22
    {16, "Chua Astro"},                   // 23
    {16, "Corrego Alegre"},               // 24
    {4, "Djakarta"},                      // 25
    {16, "Dos 1968"},                     // 26
    {16, "Easter Island 1967"},           // 27
    {16, "European 1950"},                // 28
    {16, "European 1979"},                // 29
    {16, "*Finland Hayford"},             // 30
    {16, "Gandajika Base"},               // 31
    {16, "Geodetic Datum 1949"},          // 32
    {5, "Guam 1963"},                     // 33
    {16, "Gux 1 Astro"},                  // 34
    {16, "Hjorsey 1955"},                 // 35
    {16, "Hong Kong 1963"},               // 36
    {7, "Indian"},                        // 37
    {16, "*Indian Thailand"},             // 38
    {2, "Ireland 1965"},                  // 39
    {16, "ISTS 073 Astro 1969"},          // 40
    {16, "Johnson Island 1961"},          // 41
    {7, "Kandawala"},                     // 42
    {16, "Kergulen Island"},              // 43
    {8, "Kertau 1948"},                   // 44
    {5, "L. C. 5 Astro"},                 // 45
    {6, "Liberia 1964"},                  // 46
    {5, "*Luzon Mindanao"},               // 47
    {5, "Luzon Phillipines"},             // 48
    {6, "Mahe 1971"},                     // 49
    {16, "Marco Astro"},                  // 50
    {4, "Massawa"},                       // 51
    {6, "Merchich"},                      // 52
    {16, "Midway Astro 1961"},            // 53
    {6, "Minna"},                         // 54
    {5, "NAD27 Alaska"},                  // 55
    {5, "NAD27 Bahamas"},                 // 56
    {5, "NAD27 Canada"},                  // 57
    {5, "NAD27 Canal Zone"},              // 58
    {5, "NAD27 Caribbean"},               // 59
    {5, "NAD27 Central America"},         // 60
    {5, "NAD27 Conus"},                   // 61
    {5, "NAD27 Cuba"},                    // 62
    {5, "NAD27 Greenland"},               // 63
    {5, "NAD27 Mexico"},                  // 64
    {5, "NAD27 San Salvador"},            // 65
    {13, "NAD83"},                        // 66
    {6, "*Nahrwn Masirah Island"},        // 67
    {6, "*Nahrwn Saudi Arabia"},          // 68
    {6, "*Nahrwn United Arab Emirates"},  // 69
    {6, "*Naparima BWI"},                 // 70
    {16, "Observatorio 1966"},            // 71
    {14, "Old Egyptian"},                 // 72
    {5, "Old Hawaiian"},                  // 73
    {6, "Oman"},                          // 74
    {1, "Ord Survey G. Britian 1936"},    // 75
    {16, "Pico De Las Nieves"},           // 76
    {16, "Pitcairn Astro 1967"},          // 77
    {16, "Prov. So. America 1956"},       // 78
    {16, "Prov. So. Chilean 1963"},       // 79
    {5, "Puerto Rico"},                   // 80
    {16, "Qatar National"},               // 81
    {16, "Qornoq"},                       // 82
    {16, "Reunion"},                      // 83
    {16, "Rome 1940"},                    // 84
    {16, "*RT 90 Sweden"},                // 85
    {16, "Santo (DOS)"},                  // 86
    {16, "Sao Braz"},                     // 87
    {16, "Sapper Hill 1943"},             // 88
    {4, "Schwarzeck"},                    // 89
    {18, "South American 1969"},          // 90
    {10, "South Asia"},                   // 91
    {16, "Southeast Base - Maderia"},     // 92
    {16, "Southwest Base - Azores"},      // 93
    {7, "Timbalai 1948"},                 // 94
    {4, "Tokyo"},                         // 95
    {16, "Tristan Astro 1968"},           // 96
    {6, "Viti Levu 1916"},                // 97
    {15, "Wake-Eniwetok 1960"},           // 98
    {19, "WGS 1960"},                     // 99
    {20, "WGS 1966"},                     // 100
    {21, "WGS 1972"},                     // 101
    {22, "WGS 1984"},                     // 102
    {16, "Zanderij"},                     // 103
};

}  // namespace

const EllipseStruct* FindEllipsoid(int number) noexcept {
  if (number < 1 || number > EllipsoidCount) return nullptr;
  return &kEllipsoids[number - 1];
}

const DatumStruct* FindDatum(int number) noexcept {
  if (number < 1 || number > DatumCount) return nullptr;
  return &kDatums[number - 1];
}

}  // namespace kestro
