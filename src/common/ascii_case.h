#pragma once

#include <string>
#include <string_view>

namespace kestro {

// "Without regard to letter case" everywhere in Kestro means: ASCII letters folded to upper case,
// then character codes compared as unsigned bytes. Bytes above 127 (Windows-1252 text) are
// compared as they are, so the order never depends on the user's locale.

[[nodiscard]] constexpr char AsciiUpper(char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

[[nodiscard]] std::string ToUpperAscii(std::string_view text);

// <0, 0 or >0 as a folds before, equal to, or after b.
[[nodiscard]] int CompareTextFolded(std::string_view a, std::string_view b) noexcept;

[[nodiscard]] bool SameTextFolded(std::string_view a, std::string_view b) noexcept;

// True when text begins with prefix, without regard to case.
[[nodiscard]] bool StartsWithFolded(std::string_view text, std::string_view prefix) noexcept;

// Text with blanks and control characters (codes up to 32) removed at both ends.
[[nodiscard]] std::string_view Trim(std::string_view text) noexcept;

}  // namespace kestro
