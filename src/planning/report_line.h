#pragma once

#include <optional>
#include <string_view>

namespace kestro {

// Fields of the report window's lines. Both report formats put the identifier between the first
// two " : " separators, so it is found by those and not by column: an age or a detour wider than
// its format shifts the columns but never the separators.

// The identifier of a route or fuel report line, trimmed; empty when the line has no " : ".
[[nodiscard]] std::string_view ReportLineIdentifier(std::string_view line) noexcept;

// The price text of a fuel report line: after the first "$" and its padding blanks, up to the
// next blank. Empty when the line has no "$".
[[nodiscard]] std::string_view ReportLinePrice(std::string_view line) noexcept;

// The 100LL price of a fuel report line, in single precision as the planner carries prices;
// nothing when the price text is not a number.
[[nodiscard]] std::optional<float> ReportLinePriceValue(std::string_view line) noexcept;

// The cost at the head of a planner result line ("$ 45.50 : ..."): the characters after the
// first one up to the first ":", trimmed, as a number.
[[nodiscard]] std::optional<double> ResultLineCost(std::string_view line) noexcept;

}  // namespace kestro
