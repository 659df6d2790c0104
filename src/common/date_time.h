#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestro {

// A date-time value: days since 30 December 1899 (local time), the fraction being the time of day.
using DateTime = double;

struct CivilDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

[[nodiscard]] bool IsValidDate(int year, int month, int day) noexcept;

// Days from 30 December 1899 to the given civil date; the date must be valid.
[[nodiscard]] DateTime EncodeDate(int year, int month, int day) noexcept;
[[nodiscard]] DateTime EncodeDateTime(const CivilDateTime& value) noexcept;
[[nodiscard]] CivilDateTime DecodeDateTime(DateTime value) noexcept;

// The computer's local clock as a date-time value.
[[nodiscard]] DateTime NowLocal();

// "mm/dd/yyyy" (one or two digits for month and day, four digits for the year; blanks around it
// allowed). Fails on anything else, and on dates that do not exist such as 02/30/2024.
[[nodiscard]] std::optional<DateTime> ParseMonthDayYear(std::string_view text) noexcept;

// The date part as "mm/dd/yyyy".
[[nodiscard]] std::string FormatMonthDayYear(DateTime value);

// "YYYY-MM-DD" or "YYYY-MM-DDThh:mm[:ss]", used by command-line options.
[[nodiscard]] std::optional<DateTime> ParseIsoDateTime(std::string_view text) noexcept;

}  // namespace kestro
