#pragma once

#include <string>

namespace kestro {

// printf-style formatting through the C library's vsnprintf. The read-outs and report lines
// depend on its rounding of halves ("%5.1f", "%.2f"), which Qt's own formatter does differently.
[[nodiscard]] std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kestro
