#include "common/number_parse.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/ascii_case.h"

namespace kestro {
namespace {

// from_chars does not take a leading '+'; strip one sign of that kind.
std::string_view PrepareNumber(std::string_view text) noexcept {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return {};
  }
  return text;
}

}  // namespace

std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept {
  text = PrepareNumber(text);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseInt(std::string_view text) noexcept {
  const auto value = ParseInt64(text);
  if (!value || *value < std::numeric_limits<int>::min() ||
      *value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

std::optional<double> ParseDouble(std::string_view text) noexcept {
  text = PrepareNumber(text);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace kestro
