#include "planning/report_line.h"

#include <cmath>
#include <limits>

#include "common/ascii_case.h"
#include "common/number_parse.h"

namespace kestro {
namespace {

constexpr std::string_view kFieldSeparator = " : ";

[[nodiscard]] bool IsBlank(char c) noexcept {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string_view ReportLineIdentifier(std::string_view line) noexcept {
  const size_t first = line.find(kFieldSeparator);
  if (first == std::string_view::npos) return {};
  std::string_view rest = line.substr(first + kFieldSeparator.size());
  const size_t second = rest.find(kFieldSeparator);
  if (second != std::string_view::npos) rest = rest.substr(0, second);
  return Trim(rest);
}

std::string_view ReportLinePrice(std::string_view line) noexcept {
  const size_t dollar = line.find('$');
  if (dollar == std::string_view::npos) return {};
  size_t begin = dollar + 1;
  while (begin < line.size() && IsBlank(line[begin])) ++begin;
  size_t end = begin;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return line.substr(begin, end - begin);
}

std::optional<float> ReportLinePriceValue(std::string_view line) noexcept {
  const auto price = ParseDouble(ReportLinePrice(line));
  // A value beyond the float range cannot be converted; it is no price either.
  if (!price || std::fabs(*price) > static_cast<double>(std::numeric_limits<float>::max())) {
    return std::nullopt;
  }
  return static_cast<float>(*price);
}

std::optional<double> ResultLineCost(std::string_view line) noexcept {
  if (line.empty()) return std::nullopt;
  std::string_view cost = line.substr(1);
  const size_t colon = cost.find(':');
  if (colon != std::string_view::npos) cost = cost.substr(0, colon);
  return ParseDouble(cost);
}

}  // namespace kestro
