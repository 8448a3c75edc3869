#pragma once
// Opening files with their associated program and starting programs. Both run the program
// directly (no shell), do not wait for it, and ignore its failures.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace veldor {

class Shell {
 public:
  virtual ~Shell() = default;
  /// Opens `file` with the program the desktop associates with it.
  virtual void OpenFile(const std::filesystem::path& file) = 0;
  /// Starts `program` with the single argument `argument`.
  virtual void StartProgram(const std::filesystem::path& program,
                            const std::filesystem::path& argument) = 0;
};

/// The desktop shell: xdg-open or ShellExecuteW for files, the program itself for
/// StartProgram.
class DesktopShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path& file) override;
  void StartProgram(const std::filesystem::path& program,
                    const std::filesystem::path& argument) override;
};

/// `given`, or when it is null a desktop shell that `own` keeps.
inline Shell& GivenOrDesktopShell(Shell* given, std::unique_ptr<Shell>& own) {
  if (given != nullptr) return *given;
  own = std::make_unique<DesktopShell>();
  return *own;
}

/// The program that opens HTML listings when help.html is in the program folder, else an
/// empty path: xdg-open on PATH, or the program Windows associates with help.html.
std::filesystem::path FindBrowserPath(const std::filesystem::path& program_folder);

#ifndef _WIN32
/// Starts `argv` without a shell and without waiting; failures are ignored. The child is
/// detached so that no zombie remains.
void SpawnDetached(const std::vector<std::string>& argv);

/// The full path of `name` found on PATH, or an empty path.
std::filesystem::path FindOnPath(const std::string& name);
#endif

}  // namespace veldor
