// What the safe write does the same way on every system.
#include "platform/file_io.h"

#include <string>
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

std::filesystem::path TemporaryFileName(const std::filesystem::path& target_name,
                                        std::initializer_list<unsigned long long> numbers) {
  std::filesystem::path::string_type name(1, '.');
  name += target_name.native().substr(0, 180);
  std::string tail = ".tmp";
  // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) on "-" + string&&.
  for (const unsigned long long number : numbers) {
    tail += '-';
    tail += std::to_string(number);
  }
  name += std::filesystem::path(tail).native();
  return name;
}

bool IsTemporaryFileName(const std::filesystem::path& name) {
  const std::filesystem::path::string_type& text = name.native();
  const std::filesystem::path::string_type mark = std::filesystem::path(".tmp-").native();
  const std::size_t at = text.rfind(mark);
  if (text.empty() || text.front() != '.' || at == text.npos || at < 2) return false;
  // Then three numbers or more (a write makes three on Windows, four on Linux), one "-"
  // between each two.
  const std::filesystem::path::string_type numbers = text.substr(at + mark.size());
  bool after_dash = true;
  int count = 0;
  for (const auto c : numbers) {
    if (c == '-' && !after_dash) {
      after_dash = true;
    } else if (c >= '0' && c <= '9') {
      count += after_dash ? 1 : 0;
      after_dash = false;
    } else {
      return false;
    }
  }
  return !after_dash && count >= 3;
}

}  // namespace veldor
