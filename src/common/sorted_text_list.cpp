#include "common/sorted_text_list.h"

#include <algorithm>

#include "common/ascii_case.h"

namespace kestro {

bool TextListLess(std::string_view a, std::string_view b) noexcept {
  const int folded = CompareTextFolded(a, b);
  if (folded != 0) return folded < 0;
  return a < b;
}

size_t SortedTextList::Add(std::string line) {
  const auto at = std::upper_bound(
      lines_.begin(), lines_.end(), line,
      [](const std::string& a, const std::string& b) { return TextListLess(a, b); });
  const auto index = static_cast<size_t>(at - lines_.begin());
  lines_.insert(at, std::move(line));
  return index;
}

long SortedTextList::IndexOfExact(std::string_view line) const noexcept {
  const auto at =
      std::lower_bound(lines_.begin(), lines_.end(), line,
                       [](const std::string& a, std::string_view b) { return TextListLess(a, b); });
  if (at != lines_.end() && *at == line) return static_cast<long>(at - lines_.begin());
  return -1;
}

bool SortedTextList::ContainsExact(std::string_view line) const noexcept {
  return IndexOfExact(line) >= 0;
}

void SortedTextList::RemoveAt(size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<long>(index));
}

}  // namespace kestro
