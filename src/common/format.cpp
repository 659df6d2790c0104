#include "common/format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace kestro {

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  char small[256];
  const int needed = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string result;
  if (needed < 0) {
    va_end(copy);
    return result;
  }
  if (static_cast<size_t>(needed) < sizeof small) {
    result.assign(small, static_cast<size_t>(needed));
  } else {
    std::vector<char> big(static_cast<size_t>(needed) + 1);
    std::vsnprintf(big.data(), big.size(), format, copy);
    result.assign(big.data(), static_cast<size_t>(needed));
  }
  va_end(copy);
  return result;
}

}  // namespace kestro
