// The local time as listings show it; the same on every system.
#include <charconv>
#include <cstdint>
#include <ctime>
#include <utility>

#include "platform/file_system.h"

namespace veldor {
namespace {

// The date text of a time the system cannot convert: as wide as a date, so that columns
// stay in place and pages still render.
constexpr std::string_view kUnknownDate = "----/--/-- --:--:--";

struct LocalTime {
  std::tm tm;
  long long year;  // tm's own year may not reach
};

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
  if (::localtime_s(&local.tm, &moved) != 0) return false;
  local.year = static_cast<long long>(local.tm.tm_year) + 1900 + years;
  return true;
}
#else
bool ToLocalTime(std::time_t time, LocalTime& local) {
  if (::localtime_r(&time, &local.tm) == nullptr) return false;
  local.year = static_cast<long long>(local.tm.tm_year) + 1900;
  return true;
}
#endif

}  // namespace

std::string FormatLocalTime(std::time_t time) {
  LocalTime local{};
  if (!ToLocalTime(time, local)) return std::string(kUnknownDate);
  // What strftime's "%Y/%m/%d %H:%M:%S" gives (the year unpadded), without its locale
  // machinery: this runs twice for every listed file.
  char buffer[48];
  char* end = std::to_chars(buffer, buffer + 24, local.year).ptr;
  for (const auto& [separator, value] : {std::pair{'/', local.tm.tm_mon + 1},
                                         {'/', local.tm.tm_mday},
                                         {' ', local.tm.tm_hour},
                                         {':', local.tm.tm_min},
                                         {':', local.tm.tm_sec}}) {
    *end++ = separator;
    *end++ = static_cast<char>('0' + value / 10);
    *end++ = static_cast<char>('0' + value % 10);
  }
  return std::string(buffer, end);
}

}  // namespace veldor
