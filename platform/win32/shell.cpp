#include "platform/shell.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>
#include <system_error>

namespace veldor {

void DesktopShell::OpenFile(const std::filesystem::path& file) {
  ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void DesktopShell::StartProgram(const std::filesystem::path& program,
                                const std::filesystem::path& argument) {
  // A Windows path holds no quote, so quotes around it make it one argument.
  const std::wstring quoted = L"\"" + argument.native() + L"\"";
  ::ShellExecuteW(nullptr, L"open", program.c_str(), quoted.c_str(), nullptr, SW_SHOWNORMAL);
}

std::filesystem::path FindBrowserPath(const std::filesystem::path& program_folder) {
  std::error_code ec;
  if (!std::filesystem::exists(program_folder / "help.html", ec)) return {};
  // The program pages open with, asked of the association itself: FindExecutableW takes no
  // file in a folder longer than MAX_PATH and writes no longer program path. A failure (no
  // association, say) means no browser.
  DWORD length = 0;
  if (::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L".html", nullptr, nullptr, &length) !=
          S_FALSE ||
      length == 0) {
    return {};
  }
  std::wstring browser(length, L'\0');
  if (FAILED(::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L".html", nullptr,
                                 browser.data(), &length))) {
    return {};
  }
  browser.erase(std::find(browser.begin(), browser.end(), L'\0'), browser.end());
  return std::filesystem::path(browser);
}

}  // namespace veldor
