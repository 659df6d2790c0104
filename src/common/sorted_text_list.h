#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// The order of Kestro's sorted lists: texts compared without regard to case, and texts that are
// equal when folded ordered by their exact bytes, so the order is total and repeatable.
[[nodiscard]] bool TextListLess(std::string_view a, std::string_view b) noexcept;

// A list of lines that keeps itself sorted, like the report window's list boxes. Duplicates are
// rejected only by the callers that ask for it (ContainsExact, then Add).
class SortedTextList {
 public:
  // Inserts the line at its sorted place and returns that place.
  size_t Add(std::string line);
  [[nodiscard]] bool ContainsExact(std::string_view line) const noexcept;
  [[nodiscard]] long IndexOfExact(std::string_view line) const noexcept;
  void RemoveAt(size_t index);
  void Clear() noexcept { lines_.clear(); }
  [[nodiscard]] size_t size() const noexcept { return lines_.size(); }
  [[nodiscard]] bool empty() const noexcept { return lines_.empty(); }
  [[nodiscard]] const std::string& operator[](size_t index) const { return lines_[index]; }
  [[nodiscard]] const std::vector<std::string>& lines() const noexcept { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace kestro
