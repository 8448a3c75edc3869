#include "platform/program_folder.h"

#include <system_error>

namespace veldor {

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  // Without /proc (a chroot, an odd container) the current folder is the best guess left.
  if (ec) return std::filesystem::current_path(ec);
  return executable.parent_path();
}

}  // namespace veldor
