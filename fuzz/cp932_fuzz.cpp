// Conversions give valid UTF-8 and leave ASCII as it is; searches land on characters.
#include <algorithm>
#include <clocale>
#include <cstdlib>

#include "fuzz_support.h"
#include "text/cp932.h"

namespace {

// UTF-8 as the C library decodes it: no overlong forms, surrogates or stray bytes.
bool ValidUtf8(std::string s) {
  static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  std::replace(s.begin(), s.end(), '\0', ' ');  // the C library stops at a NUL
  return utf8 && std::mbstowcs(nullptr, s.c_str(), 0) != static_cast<std::size_t>(-1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veldor;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::Require(ValidUtf8(Cp932ToUtf8(text)), "CP932 to UTF-8 gives valid UTF-8");
  if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
    fuzz::Require(Utf8ToCp932(text) == text && Cp932ToUtf8(text) == text, "ASCII stays");
  }
  // Each "\\" or "[@" found is the next one that starts a character, a double-byte
  // character being a lead byte (81-9F, E0-FC) with the byte after it.
  for (const std::string_view needle : {"\\", "[@"}) {
    for (std::size_t at = 0, from = 0;; from = ++at) {
      while (at < text.size() && !text.substr(at).starts_with(needle)) {
        const auto c = static_cast<unsigned char>(text[at]);
        at += (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
      }
      const std::size_t found = FindMb(text, needle, from);
      fuzz::Require(found == (at < text.size() ? at : std::string_view::npos),
                    "a search finds the next character");
      if (found == std::string_view::npos) break;
    }
  }
  return 0;
}
