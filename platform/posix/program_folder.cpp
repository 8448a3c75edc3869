// Where the program and the user's own program folder are on Linux.
#include "platform/program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/user_program_folder.h"

namespace veldor {
namespace fs = std::filesystem;

namespace {

// Only an absolute folder: a relative one ("HOME=.") would put the settings wherever the
// program happens to run, where another user may have planted them.
fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && fs::path(home).is_absolute()) return home;
  const passwd* entry = getpwuid(getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && fs::path(entry->pw_dir).is_absolute()) {
    return entry->pw_dir;
  }
  return {};
}

}  // namespace

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  // Without /proc (a chroot, an odd container) the current folder is the best guess left.
  if (ec) return fs::current_path(ec);
  return executable.parent_path();
}

bool IsWritableFolder(const fs::path& folder) { return access(folder.c_str(), W_OK | X_OK) == 0; }

fs::path UserProgramFolder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home != nullptr && fs::path(data_home).is_absolute()) {
    return fs::path(data_home) / "veldor";
  }
  const fs::path home = HomeFolder();
  return home.empty() ? fs::path() : home / ".local" / "share" / "veldor";
}

bool IsProgramFile(const fs::path& file) {
  std::error_code error;
  const fs::perms perms = fs::status(file, error).permissions();
  return !error && (perms & (fs::perms::owner_exec | fs::perms::group_exec |
                             fs::perms::others_exec)) != fs::perms::none;
}

}  // namespace veldor
