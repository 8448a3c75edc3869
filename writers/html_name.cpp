#include "writers/html_name.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "text/cp932.h"

namespace veldor {
namespace {

bool InUrl(NameContext context) {
  return context == NameContext::Url || context == NameContext::UnquotedUrl;
}

bool Unquoted(NameContext context) {
  return context == NameContext::Unquoted || context == NameContext::UnquotedUrl;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsHtmlSpace(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// "%XX", a byte in a URL.
void AppendPercent(std::string& out, unsigned char c) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  out += '%';
  out += kHex[c >> 4];
  out += kHex[c & 0xF];
}

// "&#xE9;", a numeric character reference.
void AppendReference(std::string& out, char32_t code) {
  char buffer[16];
  const int n = std::snprintf(buffer, sizeof buffer, "&#x%X;", static_cast<unsigned>(code));
  out.append(buffer, static_cast<std::size_t>(n));
}

// One ASCII character of a name. The characters below 0x40 are never the second byte of a
// CP932 character, so a CP932 name can be written byte by byte through here.
void AppendAscii(std::string& out, unsigned char c, NameContext context) {
  switch (c) {
    case '&':
      out += "&amp;";
      return;
    case '<':
      out += "&lt;";
      return;
    case '>':
      out += "&gt;";
      return;
    case '"':
      out += "&quot;";
      return;
    case '\'':
      out += "&#39;";
      return;
    default:
      break;
  }
  if (InUrl(context)) {
    // What a URL would read as a query, a fragment, an escape or a separator, and what
    // cannot stand in a URL at all.
    if (c == '%' || c == '#' || c == '?' || c == '\\' || IsControl(c) ||
        (c == ' ' && Unquoted(context))) {
      AppendPercent(out, c);
      return;
    }
  } else if (Unquoted(context) && IsHtmlSpace(c)) {
    AppendReference(out, c);  // a blank would end the value
    return;
  }
  if (c == '\n') {
    out += "\r\n";
  } else {
    out += static_cast<char>(c);
  }
}

// CP932 text as it stands, its ASCII characters escaped.
void AppendCp932Text(std::string& out, std::string_view cp932, NameContext context) {
  for (const char c : cp932) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      AppendAscii(out, byte, context);
    } else {
      out += c;
    }
  }
}

char32_t DecodeUtf8(std::string_view s) {
  constexpr std::array<unsigned char, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(s[0]) & kLeadBits[s.size()];
  for (std::size_t k = 1; k < s.size(); ++k) {
    c = (c << 6) | (static_cast<unsigned char>(s[k]) & 0x3Fu);
  }
  return c;
}

// A character beyond ASCII: its CP932 bytes, or a numeric reference where CP932 has none
// ("?" is what the conversion gives for those).
void AppendCharacter(std::string& out, std::string_view utf8, std::string_view cp932) {
  if (cp932 == "?") {
    AppendReference(out, DecodeUtf8(utf8));
  } else {
    out += cp932;
  }
}

// A UTF-8 name, beside its CP932 text, which holds one character for each of its own.
void AppendUtf8Name(std::string& out, std::string_view native, std::string_view cp932,
                    NameContext context) {
  std::size_t at = 0;  // in cp932
  for (std::size_t pos = 0; pos < native.size();) {
    const std::size_t length = Utf8SequenceLength(native.substr(pos));
    const std::size_t cp932_length = at < cp932.size() ? CharLength(cp932, at) : 0;
    const auto c = static_cast<unsigned char>(native[pos]);
    if (c < 0x80) {
      AppendAscii(out, c, context);
    } else if (cp932_length > 0) {
      AppendCharacter(out, native.substr(pos, length), cp932.substr(at, cp932_length));
    } else {
      // The CP932 text is shorter than the name (never so from NameToCp932): convert here.
      AppendCharacter(out, native.substr(pos, length), Utf8ToCp932(native.substr(pos, length)));
    }
    pos += length;
    at += cp932_length;
  }
}

// A name that is not UTF-8. In a URL each byte that is not UTF-8 is percent-encoded, so the
// link asks for the very bytes the file system holds. In text a Shift_JIS name is its own
// CP932 text; in any other name such a byte shows as U+FFFD.
void AppendOtherName(std::string& out, std::string_view native, std::string_view cp932,
                     NameContext context) {
  if (!InUrl(context) && IsCp932(native)) {
    AppendCp932Text(out, cp932, context);
    return;
  }
  for (std::size_t pos = 0; pos < native.size();) {
    const std::size_t length = Utf8SequenceLength(native.substr(pos));
    const auto c = static_cast<unsigned char>(native[pos]);
    if (c < 0x80) {
      AppendAscii(out, c, context);
    } else if (length == 1) {
      if (InUrl(context)) {
        AppendPercent(out, c);
      } else {
        out += "&#xFFFD;";
      }
    } else {
      const std::string_view character = native.substr(pos, length);
      AppendCharacter(out, character, Utf8ToCp932(character));
    }
    pos += length;
  }
}

}  // namespace

void AppendHtmlName(std::string& out, std::string_view native, std::string_view cp932,
                    NameContext context) {
  if (native.empty()) {
    AppendCp932Text(out, cp932, context);  // only the CP932 text is known
  } else if (IsUtf8(native)) {
    AppendUtf8Name(out, native, cp932, context);
  } else {
    AppendOtherName(out, native, cp932, context);
  }
}

void AttributeScanner::Feed(std::string_view text) {
  for (const char c : text) Step(c);
}

NameContext AttributeScanner::TagContext() {
  if (state_ == State::BeforeValue) state_ = State::Unquoted;
  const bool url = IsUrlAttribute();
  switch (state_) {
    case State::DoubleQuoted:
    case State::SingleQuoted:
      return url ? NameContext::Url : NameContext::Text;
    case State::Unquoted:
      return url ? NameContext::UnquotedUrl : NameContext::Unquoted;
    default:
      return NameContext::Text;
  }
}

bool AttributeScanner::IsUrlAttribute() const {
  static constexpr std::array<std::string_view, 12> kUrlAttributes = {
      "href", "src",    "action",   "formaction", "background", "cite",
      "data", "poster", "longdesc", "usemap",     "codebase",   "archive"};
  return std::find(kUrlAttributes.begin(), kUrlAttributes.end(), name_) != kUrlAttributes.end();
}

// A tokenizer of HTML reduced to what tells where an attribute value is: tags, their
// attributes and the three kinds of value, comments and other "<!" or "<?" markup.
void AttributeScanner::Step(char c) {
  const auto byte = static_cast<unsigned char>(c);
  const bool space = IsHtmlSpace(byte);
  const bool letter = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
  switch (state_) {
    case State::Data:
      if (c == '<') state_ = State::Open;
      break;
    case State::Open:
      if (letter || c == '/') {
        state_ = State::TagName;
      } else if (c == '!') {
        state_ = State::Bang;
      } else if (c == '?') {
        state_ = State::Bogus;
      } else if (c != '<') {
        state_ = State::Data;
      }
      break;
    case State::Bang:
      state_ = c == '-' ? State::BangDash : (c == '>' ? State::Data : State::Bogus);
      break;
    case State::BangDash:
      dashes_ = 0;
      state_ = c == '-' ? State::Comment : (c == '>' ? State::Data : State::Bogus);
      break;
    case State::Comment:
      if (c == '>' && dashes_ >= 2) state_ = State::Data;
      dashes_ = c == '-' ? dashes_ + 1 : 0;
      break;
    case State::Bogus:
      if (c == '>') state_ = State::Data;
      break;
    case State::TagName:
    case State::BeforeName:
    case State::AfterName:
      if (c == '>') {
        state_ = State::Data;
      } else if (space || c == '/') {
        if (state_ == State::TagName || c == '/') state_ = State::BeforeName;
      } else if (state_ == State::AfterName && c == '=') {
        state_ = State::BeforeValue;
      } else if (state_ != State::TagName) {
        name_.assign(1, static_cast<char>(letter ? (byte | 0x20) : byte));
        state_ = State::Name;
      }
      break;
    case State::Name:
      if (c == '>') {
        state_ = State::Data;
      } else if (c == '=') {
        state_ = State::BeforeValue;
      } else if (space) {
        state_ = State::AfterName;
      } else if (c == '/') {
        state_ = State::BeforeName;
      } else {
        name_ += static_cast<char>(letter ? (byte | 0x20) : byte);
      }
      break;
    case State::BeforeValue:
      if (c == '"') {
        state_ = State::DoubleQuoted;
      } else if (c == '\'') {
        state_ = State::SingleQuoted;
      } else if (c == '>') {
        state_ = State::Data;
      } else if (!space) {
        state_ = State::Unquoted;
      }
      break;
    case State::DoubleQuoted:
      if (c == '"') state_ = State::BeforeName;
      break;
    case State::SingleQuoted:
      if (c == '\'') state_ = State::BeforeName;
      break;
    case State::Unquoted:
      if (space) {
        state_ = State::BeforeName;
      } else if (c == '>') {
        state_ = State::Data;
      }
      break;
  }
}

}  // namespace veldor
