#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestro {

// Numbers in data files, settings and entry fields always use "." as the decimal point, whatever
// the user's locale. Blanks around the number are allowed; anything else makes it "not a number".

// A whole number with an optional sign ("42", "-7", " +3 "). Fails on "", "4.0", "12abc" and on
// values outside 32 bits.
[[nodiscard]] std::optional<int> ParseInt(std::string_view text) noexcept;
[[nodiscard]] std::optional<std::int64_t> ParseInt64(std::string_view text) noexcept;

// A decimal number ("4.25", "-90.5", "1e3", "+2"). Fails on "", "N/A", "1,5", "inf", "nan".
[[nodiscard]] std::optional<double> ParseDouble(std::string_view text) noexcept;

}  // namespace kestro
