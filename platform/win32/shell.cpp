#include "platform/shell.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

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
  const std::filesystem::path help = program_folder / "help.html";
  std::error_code ec;
  if (!std::filesystem::exists(help, ec)) return {};
  wchar_t browser[MAX_PATH] = {};
  // Above 32 is success; anything else (no association, say) means no browser.
  const auto result = reinterpret_cast<INT_PTR>(::FindExecutableW(help.c_str(), nullptr, browser));
  return result > 32 ? std::filesystem::path(browser) : std::filesystem::path();
}

}  // namespace veldor
