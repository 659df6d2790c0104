#include "common/date_time.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "common/ascii_case.h"
#include "common/format.h"
#include "common/number_parse.h"

namespace kestro {
namespace {

constexpr std::chrono::sys_days kEpoch{std::chrono::year{1899} / 12 / 30};

std::optional<int> DigitsAt(std::string_view text, size_t pos, size_t count) noexcept {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool IsValidDate(int year, int month, int day) noexcept {
  // std::chrono::day keeps only a byte, so a day such as 257 would wrap to 1 and pass ok().
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return ymd.ok();
}

DateTime EncodeDate(int year, int month, int day) noexcept {
  const std::chrono::sys_days date{std::chrono::year{year} /
                                   std::chrono::month{static_cast<unsigned>(month)} /
                                   std::chrono::day{static_cast<unsigned>(day)}};
  return static_cast<double>((date - kEpoch).count());
}

DateTime EncodeDateTime(const CivilDateTime& value) noexcept {
  const double seconds = value.hour * 3600.0 + value.minute * 60.0 + value.second;
  return EncodeDate(value.year, value.month, value.day) + seconds / 86400.0;
}

CivilDateTime DecodeDateTime(DateTime value) noexcept {
  const double dayPart = std::floor(value);
  const std::chrono::sys_days date = kEpoch + std::chrono::days{static_cast<long>(dayPart)};
  const std::chrono::year_month_day ymd{date};
  CivilDateTime result;
  result.year = static_cast<int>(ymd.year());
  result.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  result.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  auto seconds = static_cast<long>(std::lround((value - dayPart) * 86400.0));
  if (seconds >= 86400) seconds = 86399;
  result.hour = static_cast<int>(seconds / 3600);
  result.minute = static_cast<int>(seconds / 60 % 60);
  result.second = static_cast<int>(seconds % 60);
  return result;
}

DateTime NowLocal() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  CivilDateTime value;
  value.year = local.tm_year + 1900;
  value.month = local.tm_mon + 1;
  value.day = local.tm_mday;
  value.hour = local.tm_hour;
  value.minute = local.tm_min;
  value.second = local.tm_sec;
  return EncodeDateTime(value);
}

std::optional<DateTime> ParseMonthDayYear(std::string_view text) noexcept {
  text = Trim(text);
  const size_t slash1 = text.find('/');
  if (slash1 == std::string_view::npos) return std::nullopt;
  const size_t slash2 = text.find('/', slash1 + 1);
  if (slash2 == std::string_view::npos) return std::nullopt;
  const std::string_view monthText = text.substr(0, slash1);
  const std::string_view dayText = text.substr(slash1 + 1, slash2 - slash1 - 1);
  const std::string_view yearText = text.substr(slash2 + 1);
  if (monthText.empty() || monthText.size() > 2 || dayText.empty() || dayText.size() > 2 ||
      yearText.size() != 4) {
    return std::nullopt;
  }
  const auto month = DigitsAt(monthText, 0, monthText.size());
  const auto day = DigitsAt(dayText, 0, dayText.size());
  const auto year = DigitsAt(yearText, 0, 4);
  if (!month || !day || !year || !IsValidDate(*year, *month, *day)) return std::nullopt;
  return EncodeDate(*year, *month, *day);
}

std::string FormatMonthDayYear(DateTime value) {
  const CivilDateTime civil = DecodeDateTime(value);
  return Format("%02d/%02d/%04d", civil.month, civil.day, civil.year);
}

std::optional<DateTime> ParseIsoDateTime(std::string_view text) noexcept {
  text = Trim(text);
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  CivilDateTime value;
  const auto year = DigitsAt(text, 0, 4);
  const auto month = DigitsAt(text, 5, 2);
  const auto day = DigitsAt(text, 8, 2);
  if (!year || !month || !day || !IsValidDate(*year, *month, *day)) return std::nullopt;
  value.year = *year;
  value.month = *month;
  value.day = *day;
  if (text.size() > 10) {
    if ((text[10] != 'T' && text[10] != ' ') || (text.size() != 16 && text.size() != 19)) {
      return std::nullopt;
    }
    const auto hour = DigitsAt(text, 11, 2);
    const auto minute = DigitsAt(text, 14, 2);
    if (text[13] != ':' || !hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    value.hour = *hour;
    value.minute = *minute;
    if (text.size() == 19) {
      const auto second = DigitsAt(text, 17, 2);
      if (text[16] != ':' || !second || *second > 59) return std::nullopt;
      value.second = *second;
    }
  }
  return EncodeDateTime(value);
}

}  // namespace kestro
