#include "text/cp932.h"

#include <cstdio>
#include <set>

namespace veldor {

std::size_t CharLength(std::string_view text, std::size_t pos) {
  return (IsLeadByte(text[pos]) && pos + 1 < text.size()) ? 2 : 1;
}

std::size_t FindMb(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  const char first = needle.front();
  for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == first && text.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

std::size_t FindLastMbChar(std::string_view text, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == c) found = pos;
  }
  return found;
}

namespace {

// Reads the character at `pos` as its comparison value and advances `pos`.
unsigned NextCharValue(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (IsLeadByte(lead) && pos + 1 < text.size()) {
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    pos += 2;
    return lead * 256u + trail;
  }
  pos += 1;
  return lead;
}

unsigned FoldLatin(unsigned value) {
  return (value >= 'A' && value <= 'Z') ? value + ('a' - 'A') : value;
}

template <typename Fold>
int CompareChars(std::string_view a, std::string_view b, Fold fold) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const unsigned x = fold(NextCharValue(a, i));
    const unsigned y = fold(NextCharValue(b, j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  std::size_t n = 1;
  // The range the second byte must fall in; the lead byte narrows it for some leads.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  }
  if (n == 1 || n > s.size()) return 1;
  const auto second = static_cast<unsigned char>(s[1]);
  if (second < low || second > high) return 1;
  for (std::size_t k = 2; k < n; ++k) {
    if ((static_cast<unsigned char>(s[k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

std::size_t Cp932SequenceLength(std::string_view s) {
  return (IsLeadByte(s[0]) && s.size() >= 2) ? 2 : 1;
}

std::string_view FileExtension(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file_name.substr(dot);
}

int MbsCmp(std::string_view a, std::string_view b) {
  return CompareChars(a, b, [](unsigned v) { return v; });
}

int MbsICmp(std::string_view a, std::string_view b) { return CompareChars(a, b, FoldLatin); }

std::string Cp932FromSavedText(std::string bytes) {
  if (!std::string_view(bytes).starts_with(kUtf8Mark)) return bytes;
  const std::string_view text = std::string_view(bytes).substr(kUtf8Mark.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(pos));
    // A byte that stands alone must be ASCII to be UTF-8.
    if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return std::string(text);
    pos += length;
  }
  return Utf8ToCp932(text);
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes.substr(pos));
    if (length == 1 && static_cast<unsigned char>(bytes[pos]) >= 0x80) return false;
    pos += length;
  }
  return true;
}

bool IsCp932(std::string_view bytes) {
  return Cp932ToUtf8(bytes).find("\xEF\xBF\xBD") == std::string::npos;
}

std::string NameBytes(const std::filesystem::path& name) {
#ifdef _WIN32
  const std::u8string utf8 = name.u8string();
  return std::string(utf8.begin(), utf8.end());
#else
  return name.native();
#endif
}

std::string NameToCp932(std::string_view bytes) {
  if (!IsUtf8(bytes) && IsCp932(bytes)) return std::string(bytes);
  return Utf8ToCp932(bytes);
}

std::string NameToUtf8(std::string_view bytes) {
  if (IsUtf8(bytes)) return std::string(bytes);
  if (IsCp932(bytes)) return Cp932ToUtf8(bytes);
  return WellFormedUtf8(bytes);
}

std::string WellFormedUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes.substr(pos));
    if (length == 1 && static_cast<unsigned char>(bytes[pos]) >= 0x80) {
      utf8 += "\xEF\xBF\xBD";
    } else {
      utf8.append(bytes.substr(pos, length));
    }
    pos += length;
  }
  return utf8;
}

std::string CharactersCp932Lacks(std::string_view text) {
  std::string lacking;
  std::set<std::string_view> seen;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(pos));
    const std::string_view character = text.substr(pos, length);
    pos += length;
    // "?" is what the conversion gives for a character it lacks; ASCII it always has.
    if (static_cast<unsigned char>(character[0]) < 0x80 || Utf8ToCp932(character) != "?" ||
        !seen.insert(character).second) {
      continue;
    }
    char32_t code = static_cast<unsigned char>(character[0]);
    if (length > 1) {
      code &= 0x7Fu >> length;
      for (std::size_t k = 1; k < length; ++k) {
        code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
      }
    }
    char name[16];
    std::snprintf(name, sizeof name, " (U+%04X)", static_cast<unsigned>(code));
    if (!lacking.empty()) lacking += ' ';
    lacking.append(character).append(name);
  }
  return lacking;
}

namespace {

// Converts each component of a path on its own: a folder named in Shift_JIS may stand
// below folders named in UTF-8.
template <typename Convert>
std::string ConvertPath(const std::filesystem::path& path, Convert convert) {
  const std::string bytes = NameBytes(path);
  std::string out;
  out.reserve(bytes.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = bytes.find('/', start);
    out += convert(std::string_view(bytes).substr(start, slash - start));
    if (slash == std::string::npos) return out;
    out += '/';
    start = slash + 1;
  }
}

}  // namespace

std::string PathToCp932(const std::filesystem::path& path) {
  return ConvertPath(path, NameToCp932);
}

std::string PathToUtf8(const std::filesystem::path& path) { return ConvertPath(path, NameToUtf8); }

std::filesystem::path Cp932ToPath(std::string_view cp932) {
  const std::string utf8 = Cp932ToUtf8(cp932);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace veldor
