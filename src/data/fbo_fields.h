#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// The comma-delimited syntax of one KSFBO.CSV line. Hand-edited files must read the same way the
// program has always read them, so an unquoted field ends at the first blank or control
// character, not only at a comma.

// Every line holds at least this many fields once read; missing trailing fields are empty.
inline constexpr size_t kFBOFieldCount = 9;

// Field positions in a line.
enum FBOField : size_t {
  kFBOLocation = 0,
  kFBOName = 1,
  kFBOContact = 2,
  kFBOComment = 3,
  kFBOService = 4,
  kFBO100LL = 5,
  kFBOJetA = 6,
  kFBOMogas = 7,
  kFBODate = 8,
};

// The field as written: inside double quotes, with inner quotes doubled, when it holds a blank,
// another character with a code of 32 or less, a double quote or a comma; otherwise unchanged.
[[nodiscard]] std::string QuoteFBOField(std::string_view field);

// The fields joined with "," and no blanks.
[[nodiscard]] std::string JoinFBOFields(const std::vector<std::string>& fields);

// Clears fields and reads the line into it, then pads it with empty fields to kFBOFieldCount.
// Two commas in a row give an empty field, a comma at the very end adds none.
void SplitFBOLine(std::string_view line, std::vector<std::string>& fields);

// The line with every "$" removed, as the price readers see it.
[[nodiscard]] std::string WithoutDollarSigns(std::string_view line);

}  // namespace kestro
