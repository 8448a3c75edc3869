// What the safe write does the same way on every system.
#include "platform/file_io.h"

#include <system_error>

namespace veldor {

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  return WriteFileAtomically(file, [bytes](ByteSink& sink) {
    sink.Write(bytes);
    return true;
  });
}

std::filesystem::path WriteTarget(const std::filesystem::path& file, AtLink at_link) {
  std::error_code ec;
  if (at_link == AtLink::Replace || !std::filesystem::is_symlink(file, ec)) return file;
  std::filesystem::path resolved = std::filesystem::canonical(file, ec);
  return ec ? file : resolved;
}

}  // namespace veldor
