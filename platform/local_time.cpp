// The local time as listings show it; the same on every system.
#include <charconv>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <utility>

#include "platform/file_system.h"

namespace veldor {
namespace {

// The date text of a time the system cannot convert: as wide as a date, so that columns
// stay in place and pages still render.
constexpr std::string_view kUnknownDate = "----/--/-- --:--:--";

struct LocalTime {
  long long year;
  int month, day, hour, minute, second;
};

// `tm` as a LocalTime, its year moved by `years`.
LocalTime FromTm(const std::tm& tm, long long years) {
  return {static_cast<long long>(tm.tm_year) + 1900 + years,
          tm.tm_mon + 1,
          tm.tm_mday,
          tm.tm_hour,
          tm.tm_min,
          tm.tm_sec};
}

#ifdef _WIN32
// The C library's localtime_s knows only 1970 to 3000. The calendar repeats every 400
// years, so a time outside that range is moved into it by whole 400-year periods and its
// year moved back: every time NTFS can hold (1601 to 30827) gets its date, in the zone the
// C library reads (TZ included), as the Linux build gives it.
bool ToLocalTime(std::time_t time, LocalTime& local) {
  constexpr std::int64_t kDay = 86400;
  constexpr std::int64_t kPeriod = 146097 * kDay;         // 400 years
  constexpr std::int64_t kFirst = -11644473600;           // 1601-01-01
  constexpr std::int64_t kEnd = 910670515200;             // 30828-01-01
  constexpr std::int64_t kSafeHigh = 32503680000 - kDay;  // before 3000-01-01
  auto shifted = static_cast<std::int64_t>(time);
  if (shifted < kFirst || shifted >= kEnd) return false;
  long long years = 0;
  // Two days of margin at either end, for the zone's offset.
  while (shifted < 2 * kDay) {
    shifted += kPeriod;
    years -= 400;
  }
  while (shifted > kSafeHigh) {
    shifted -= kPeriod;
    years += 400;
  }
  const auto moved = static_cast<std::time_t>(shifted);
  std::tm tm{};
  if (::localtime_s(&tm, &moved) != 0) return false;
  local = FromTm(tm, years);
  return true;
}
#else
bool ToLocalTime(std::time_t time, LocalTime& local) {
  std::tm tm{};
  if (::localtime_r(&time, &tm) == nullptr) return false;
  local = FromTm(tm, 0);
  return true;
}
#endif

// Days from 1970-01-01 to the date, in the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

// The date and time of `seconds` since 1970-01-01 00:00:00, as if that were local time.
LocalTime CivilFromSeconds(long long seconds) {
  constexpr long long kDay = 86400;
  long long days = seconds / kDay;
  long long rest = seconds % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long day_of_era = days - era * 146097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long shifted_month = (5 * day_of_year + 2) / 153;
  const auto day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const auto month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  const long long year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return {year,
          month,
          day,
          static_cast<int>(rest / 3600),
          static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60)};
}

void AppendTwoDigits(std::string& out, long long value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

std::optional<std::string> FormatRfc3339LocalTime(std::time_t time) {
  LocalTime local{};
  if (!ToLocalTime(time, local)) return std::nullopt;
  const long long as_utc = DaysFromCivil(local.year, local.month, local.day) * 86400 +
                           local.hour * 3600LL + local.minute * 60LL + local.second;
  long long offset = as_utc - static_cast<long long>(time);
  // An offset holds whole minutes; a zone's old offset in seconds (local mean time) is cut
  // to the minute below, and the time of day moved with it, so the instant stays the same.
  offset -= ((offset % 60) + 60) % 60;
  const LocalTime shown = CivilFromSeconds(static_cast<long long>(time) + offset);
  if (shown.year < 0 || shown.year > 9999) return std::nullopt;
  std::string out;
  AppendTwoDigits(out, shown.year / 100);
  AppendTwoDigits(out, shown.year % 100);
  for (const auto& [separator, value] : {std::pair{'-', shown.month},
                                         {'-', shown.day},
                                         {'T', shown.hour},
                                         {':', shown.minute},
                                         {':', shown.second}}) {
    out += separator;
    AppendTwoDigits(out, value);
  }
  out += offset < 0 ? '-' : '+';
  const long long minutes = (offset < 0 ? -offset : offset) / 60;
  AppendTwoDigits(out, minutes / 60);
  out += ':';
  AppendTwoDigits(out, minutes % 60);
  return out;
}

std::string FormatLocalTime(std::time_t time) {
  LocalTime local{};
  if (!ToLocalTime(time, local)) return std::string(kUnknownDate);
  // What strftime's "%Y/%m/%d %H:%M:%S" gives (the year unpadded), without its locale
  // machinery: this runs twice for every listed file.
  char buffer[48];
  char* end = std::to_chars(buffer, buffer + 24, local.year).ptr;
  for (const auto& [separator, value] : {std::pair{'/', local.month},
                                         {'/', local.day},
                                         {' ', local.hour},
                                         {':', local.minute},
                                         {':', local.second}}) {
    *end++ = separator;
    *end++ = static_cast<char>('0' + value / 10);
    *end++ = static_cast<char>('0' + value % 10);
  }
  return std::string(buffer, end);
}

}  // namespace veldor
