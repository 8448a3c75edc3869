#include "win_common/win_text.h"

#include <windows.h>

#include "text/cp932.h"

namespace veldor::win {

std::wstring WideFromCodePage(unsigned code_page, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::wstring WideFromUtf8(std::string_view utf8) { return WideFromCodePage(CP_UTF8, utf8); }

std::wstring Wide(std::string_view cp932) { return WideFromUtf8(Cp932ToUtf8(cp932)); }

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string Cp932FromWide(std::wstring_view text) { return Utf8ToCp932(Utf8FromWide(text)); }

}  // namespace veldor::win
