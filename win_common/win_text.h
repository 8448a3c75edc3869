#pragma once
// Text between the core (CP932 bytes) and Windows' W functions (UTF-16). Both ways go
// through the core's own conversion, so that a dialog shows and keeps exactly what the
// files hold, on Windows as on Linux.

#include <string>
#include <string_view>

namespace veldor::win {

/// CP932 bytes as UTF-16.
std::wstring Wide(std::string_view cp932);
/// UTF-8 (a literal in the source) as UTF-16.
std::wstring WideFromUtf8(std::string_view utf8);
/// Text in a Windows code page (CP_ACP, say) as UTF-16.
std::wstring WideFromCodePage(unsigned code_page, std::string_view text);
/// UTF-16 as UTF-8.
std::string Utf8FromWide(std::wstring_view text);
/// UTF-16 as CP932 bytes; a character CP932 cannot hold becomes "?".
std::string Cp932FromWide(std::wstring_view text);

}  // namespace veldor::win
