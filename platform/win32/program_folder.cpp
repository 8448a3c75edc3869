// Where the program and the user's own program folder are on Windows.
#include "platform/program_folder.h"

#include <windows.h>

#include <string>

#include "platform/user_program_folder.h"

namespace veldor {
namespace fs = std::filesystem;

fs::path ExecutableFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return fs::path(name).parent_path();
    }
    name.resize(name.size() * 2);  // cut short: a longer path
  }
}

bool IsWritableFolder(const fs::path& folder) {
  // The permissions say less than a try: a file that can be created can be replaced too.
  const fs::path probe = folder / (L".veldor-probe-" + std::to_wstring(::GetCurrentProcessId()));
  const HANDLE handle =
      ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(handle);
  return true;
}

fs::path UserProgramFolder() {
  // Only an absolute folder: a relative one would put the settings wherever the program
  // happens to run.
  const DWORD length = ::GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
  if (length == 0) return {};
  std::wstring local(length, L'\0');
  local.resize(::GetEnvironmentVariableW(L"LOCALAPPDATA", local.data(), length));
  const fs::path folder(local);
  return folder.is_absolute() ? folder / L"VELDOR" : fs::path();
}

bool IsProgramFile(const fs::path& file) {
  const std::wstring extension = file.extension().native();
  return ::CompareStringOrdinal(extension.c_str(), -1, L".exe", -1, TRUE) == CSTR_EQUAL;
}

}  // namespace veldor
