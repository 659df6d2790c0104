#pragma once

#include <string>
#include <vector>

#include "app/nav_point.h"
#include "common/date_time.h"
#include "data/data_store.h"
#include "geo/units.h"
#include "planning/leg_state.h"
#include "planning/nearest_airports.h"

namespace kestro {

// Settings as applied from the options window: what the rest of the program computes with.
struct AppliedSettings {
  double CruiseSpeed = 0;      // knots
  double FuelBurnGPH = 0;      // gallons per hour
  double FuelCapacity = 0;     // gallons
  double StopCostDollars = 0;  // dollars per stop
  int RouteSearchRange = 15;   // nautical miles
  int GPSPortNumber = 3;
  int GPSBaud = 4800;
};

// The current GPS or simulated fix, shared by the GPS link, the simulator and the navigation
// window.
struct FixState {
  DateTime GPSTime = 0;
  double GPSLat = 0;
  double GPSLon = 0;
  double GPSCOG = 0;  // course over ground, degrees true
  double GPSSOG = 0;  // speed over ground, knots
  double GPSAlt = 0;  // feet
  double GPSVSI = 0;  // feet per minute
  DateTime LastFixTime = 0;
  bool processingFix = false;  // re-entry guard of the fix distribution
};

// Times of the track and flight logs (date-time spans).
struct LogTimes {
  DateTime trackLogInterval = 60.0 / 86400.0;  // "00:01:00"
  DateTime lastTrackLogEntry = 0;
  DateTime flightLogMoving = 60.0 / 86400.0;   // "00:01:00"
  DateTime flightLogStopped = 10.0 / 86400.0;  // "00:00:10"
};

// Colours of the navigation drawing, as 0xRRGGBB; the background follows the system button face
// until a night scheme replaces it.
struct NavColours {
  bool backgroundIsButtonFace = true;
  unsigned background = 0xF0F0F0;
  unsigned ink = 0x000000;
  unsigned markers[5] = {0x00FF00, 0xFF0000, 0x0000FF, 0xFFFFFF, 0xC0C0C0};
  int symbolSizeA = 5;
  int symbolSizeB = 5;
};

// Everything the program shares between its windows. The main window owns one instance for the
// whole run; tests build their own.
struct SharedState {
  DataStore data;
  AppliedSettings settings;
  LegState leg;
  FixState fix;
  NavPoint navPoint;
  LogTimes logTimes;
  NavColours navColours;
  std::vector<std::string> GPSLogLines;
  // The last nearest-airport search, for the navigation window and the flight log.
  NearestAirports nearest;
  TAirportArray nearestAirports;

  double RecentreDistanceNM = 5.0;
  bool NightModeOn = false;
  bool ChartMenuUnlocked = false;

  static constexpr double MetresPerNM = kestro::MetresPerNM;
};

}  // namespace kestro
