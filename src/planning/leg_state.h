#pragma once

#include <string>

namespace kestro {

// The leg the main window shows: its two ends as resolved and the last computed course and
// distance. A leg is valid when all four coordinates are non-zero.
struct LegState {
  double FromLat = 0;
  double FromLon = 0;
  double ToLat = 0;
  double ToLon = 0;
  std::string FromId;
  std::string ToId;
  std::string FromName;
  std::string ToName;
  double LegCourse = 0;      // degrees, 0 <= x < 360
  double LegDistanceNM = 0;  // nautical miles

  [[nodiscard]] bool IsValid() const noexcept {
    return FromLat != 0 && FromLon != 0 && ToLat != 0 && ToLon != 0;
  }
};

}  // namespace kestro
