#include "platform/user_program_folder.h"

#include "platform/program_folder.h"

namespace veldor {
namespace fs = std::filesystem;

namespace {

// Copies what is missing below `from` into `to`; a name that exists in `to` is kept as the
// user left it, whatever it is. The checker programs that ship inside template/ stay where
// they are installed: a copy would not follow updates of the installation.
// NOLINTNEXTLINE(misc-no-recursion): one level per folder of the shipped tree, links not followed
void CopyMissing(const fs::path& from, const fs::path& to) {
  std::error_code error;
  // A link is copied as the link it is, never followed: "up -> .." would otherwise copy
  // the folder into itself, level after level.
  if (fs::is_symlink(fs::symlink_status(from, error))) {
    if (!fs::exists(fs::symlink_status(to, error))) fs::copy_symlink(from, to, error);
    return;
  }
  if (fs::is_directory(from, error)) {
    fs::create_directories(to, error);
    if (!fs::is_directory(to, error)) return;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
      CopyMissing(entry.path(), to / entry.path().filename());
    }
    return;
  }
  if (fs::exists(fs::symlink_status(to, error)) || IsProgramFile(from)) return;
  fs::copy_file(from, to, fs::copy_options::skip_existing, error);
}

}  // namespace

void SeedUserProgramFolder(const fs::path& shipped, const fs::path& user) {
  std::error_code error;
  fs::create_directories(user, error);
  // Each shipped item is seeded only while the user has none, so that a template the user
  // removed from their template/ does not come back at the next start.
  for (const char* item : {"help.html", "template"}) {
    if (fs::exists(fs::symlink_status(user / item, error))) continue;
    if (fs::exists(shipped / item, error)) CopyMissing(shipped / item, user / item);
  }
}

std::optional<fs::path> ChooseProgramFolder(const fs::path& executable_folder,
                                            bool executable_folder_writable,
                                            const fs::path& user_folder) {
  if (executable_folder_writable) return executable_folder;
  if (user_folder.empty()) return std::nullopt;
  SeedUserProgramFolder(executable_folder, user_folder);
  return user_folder;
}

std::optional<fs::path> DesktopProgramFolder() {
  const fs::path executable_folder = ExecutableFolder();
  return ChooseProgramFolder(executable_folder, IsWritableFolder(executable_folder),
                             UserProgramFolder());
}

}  // namespace veldor
