#include "common/format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace kestro {

std::string Format(const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  const int needed = vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return {small, static_cast<size_t>(needed)};
  // Long results (facility names are free text) are formatted again into a buffer that fits.
  std::vector<char> big(static_cast<size_t>(needed) + 1);
  va_start(args, format);
  vsnprintf(big.data(), big.size(), format, args);
  va_end(args);
  return {big.data(), static_cast<size_t>(needed)};
}

}  // namespace kestro
