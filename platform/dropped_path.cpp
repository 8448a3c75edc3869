#include "platform/dropped_path.h"

#include <system_error>

namespace veldor {

std::filesystem::path DroppedPath(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  std::filesystem::path normal = absolute.lexically_normal();
  if (!normal.has_relative_path()) return normal.root_path();  // "//" is the root too
  while (!normal.has_filename()) normal = normal.parent_path();
  return normal;
}

}  // namespace veldor
