#include "platform/file_name.h"

#include <array>

#include "text/cp932.h"

namespace veldor {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows opens a device for these names whatever follows the first dot, and it drops
// blanks before that dot ("con .html" is the console too).
bool IsDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  std::string upper;
  for (const char c : stem) upper.push_back(Upper(c));
  static constexpr std::array<std::string_view, 4> kPlain{"CON", "PRN", "AUX", "NUL"};
  for (const std::string_view device : kPlain) {
    if (upper == device) return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

bool IsBareFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  // Character by character: the second byte of a double-byte character may be 0x5C, which
  // is no separator there.
  for (std::size_t at = 0; at < name.size(); at += CharLength(name, at)) {
    const auto c = static_cast<unsigned char>(name[at]);
    if (CharLength(name, at) == 1 && (c == '\0' || c == '/' || c == '\\' || c == ':')) {
      return false;
    }
  }
  return !IsDeviceName(name);
}

}  // namespace veldor
