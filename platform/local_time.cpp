// The local time as listings show it; the same on every system.
#include <charconv>
#include <utility>

#include "platform/file_system.h"

namespace veldor {

std::string FormatLocalTime(std::time_t time) {
  std::tm local{};
#ifdef _WIN32
  if (::localtime_s(&local, &time) != 0) return {};
#else
  if (::localtime_r(&time, &local) == nullptr) return {};
#endif
  // What strftime's "%Y/%m/%d %H:%M:%S" gives (the year unpadded), without its locale
  // machinery: this runs twice for every listed file.
  char buffer[48];
  char* end = std::to_chars(buffer, buffer + 24, static_cast<long long>(local.tm_year) + 1900).ptr;
  for (const auto& [separator, value] : {std::pair{'/', local.tm_mon + 1},
                                         {'/', local.tm_mday},
                                         {' ', local.tm_hour},
                                         {':', local.tm_min},
                                         {':', local.tm_sec}}) {
    *end++ = separator;
    *end++ = static_cast<char>('0' + value / 10);
    *end++ = static_cast<char>('0' + value % 10);
  }
  return std::string(buffer, end);
}

}  // namespace veldor
