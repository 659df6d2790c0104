#include "common/ascii_case.h"

#include <algorithm>

namespace kestro {

std::string ToUpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

int CompareTextFolded(std::string_view a, std::string_view b) noexcept {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameTextFolded(std::string_view a, std::string_view b) noexcept {
  return a.size() == b.size() && CompareTextFolded(a, b) == 0;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix) noexcept {
  return text.size() >= prefix.size() && SameTextFolded(text.substr(0, prefix.size()), prefix);
}

std::string_view Trim(std::string_view text) noexcept {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

}  // namespace kestro
