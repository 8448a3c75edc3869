// CP932 conversion through Windows' code page 932, made to give the bytes glibc's "CP932"
// gives on Linux: no best-fit approximations (é is "?", never "e"), the five characters
// glibc maps that code page 932 lacks, a character outside the BMP as one "?", and the
// single bytes and unassigned codes glibc refuses read as invalid.
#include <windows.h>

#include "text/cp932.h"

namespace veldor {
namespace {

struct Extra {
  char32_t code;
  std::string_view cp932;
};
constexpr Extra kExtras[] = {{U'\u301C', "\x81\x60"},
                             {U'\u2016', "\x81\x61"},
                             {U'\u2212', "\x81\x7C"},
                             {U'\u2014', "\x81\x5C"},
                             {U'\u203E', "\x7E"}};

char32_t DecodeUtf8(std::string_view s, std::size_t n) {
  constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(s[0]) & kLeadBits[n];
  for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[k]) & 0x3Fu);
  return c;
}

// glibc's CP932 has no single byte 0x80, 0xA0 or 0xFD-0xFF; code page 932 maps them.
bool GlibcLacks(unsigned char single) { return single == 0x80 || single == 0xA0 || single >= 0xFD; }

void AppendCp932(char32_t c, std::string& out) {
  for (const Extra& extra : kExtras) {
    if (extra.code == c) {
      out += extra.cp932;
      return;
    }
  }
  const auto wide = static_cast<wchar_t>(c);
  char bytes[2];
  BOOL lacking = FALSE;
  const int n = c > 0xFFFF ? 0
                           : WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                                 sizeof bytes, "?", &lacking);
  if (n == 2 || (n == 1 && !GlibcLacks(static_cast<unsigned char>(bytes[0])))) {
    out.append(bytes, static_cast<std::size_t>(n));
  } else {
    out += '?';
  }
}

// The UTF-16 of one CP932 character, or U+FFFD where glibc finds none: code page 932 also
// turns unassigned codes into U+30FB.
wchar_t DecodeCp932(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && GlibcLacks(lead)) return 0xFFFD;
  wchar_t wide = 0;
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, character.data(),
                                    static_cast<int>(character.size()), &wide, 1);
  if (n != 1 || (wide == 0x30FB && character != "\x81\x45")) return 0xFFFD;
  return wide;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t n = Utf8SequenceLength(utf8.substr(pos));
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (lead < 0x80) {
      out += utf8[pos];
    } else if (n == 1) {
      out += '?';  // a byte that is not UTF-8
    } else {
      AppendCp932(DecodeUtf8(utf8.substr(pos), n), out);
    }
    pos += n;
  }
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  std::wstring wide;
  wide.reserve(cp932.size());
  for (std::size_t pos = 0; pos < cp932.size();) {
    const std::size_t n = Cp932SequenceLength(cp932.substr(pos));
    const auto lead = static_cast<unsigned char>(cp932[pos]);
    wide += lead < 0x80 ? static_cast<wchar_t>(lead) : DecodeCp932(cp932.substr(pos, n));
    pos += n;
  }
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string utf8(static_cast<std::size_t>(size) * 3, '\0');
  const int written = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(),
                                          static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return utf8;
}

}  // namespace veldor
