#include "win_common/win_text.h"

#include <windows.h>

#include <cstdio>

#include "text/cp932.h"

namespace veldor::win {

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
  return text;
}

std::wstring Wide(std::string_view cp932) { return WideFromUtf8(Cp932ToUtf8(cp932)); }

std::string Cp932FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return Utf8ToCp932(utf8);
}

std::wstring CharactersCp932Lacks(std::wstring_view text) {
  std::wstring lacking, seen;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character outside the BMP is a surrogate pair: one character, one code.
    const bool pair =
        i + 1 < text.size() && IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1]);
    const std::wstring_view character = text.substr(i, pair ? 2 : 1);
    if (pair) ++i;
    if (seen.find(character) != std::wstring::npos) continue;
    const std::string bytes = Cp932FromWide(character);
    if (bytes != "?" || character == L"?") continue;
    seen.append(character);
    const unsigned code =
        pair ? 0x10000u + ((character[0] - 0xD800u) << 10) + (character[1] - 0xDC00u)
             : character[0];
    wchar_t name[16];
    std::swprintf(name, 16, L"U+%04X", code);
    if (!lacking.empty()) lacking += L' ';
    lacking += name;
  }
  return lacking;
}

}  // namespace veldor::win
