#pragma once

#include <span>
#include <string>

namespace kestro::bench {

// The header lines at the top of the two extract files: the column names joined by TABs. The
// program never reads them (lines are reached through the indexes), but the index builder must
// skip them, so the data set carries them like the real files do.
[[nodiscard]] std::string FacilitiesHeaderLine();
[[nodiscard]] std::string RunwaysHeaderLine();

}  // namespace kestro::bench
