#pragma once
// Whole-file reads and safe whole-file writes.

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace veldor {

/// The largest file ReadFileBytes reads: 64 MiB.
constexpr std::size_t kLargestReadFile = std::size_t{64} << 20;

/// The bytes of `file`, or nothing when it cannot be opened or read as a file (missing,
/// a folder, unreadable, larger than kLargestReadFile).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

/// Writes `bytes` to a temporary file in the same folder and renames it over `file` only
/// when it is complete. On failure `file` is unchanged and no temporary file remains.
/// Returns false on failure.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

/// Where the bytes of a file being written go, piece by piece.
class ByteSink {
 public:
  /// Takes the next piece. A write that fails shows when the whole file is done.
  virtual void Write(std::string_view bytes) = 0;

 protected:
  ~ByteSink() = default;
};

/// What a write does with a symbolic link at the path: write the file it points to (the
/// settings and list files), or replace the link itself (a listing, whose link may point
/// anywhere and at anyone's file).
enum class AtLink { WriteThrough, Replace };

/// The same safe write, with the bytes handed to the sink by `fill` in pieces, so that a
/// large file never stands whole in memory. When `fill` returns false (it cannot make the
/// bytes after all) nothing is written, as for a failed write. `error` (when given)
/// receives why a write failed (std::errc::filename_too_long for a name the file system
/// refuses as too long).
///
/// The new file is written where a killed program leaves nothing: on Linux into an
/// unnamed file that gets its temporary name only once complete, on Windows into a file
/// that is deleted when the program ends before it is renamed. A folder that takes no new
/// file (the user may not write it) but holds a regular `file` the user may write gets
/// that file rewritten in place: its old content is then lost if the write fails.
bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::function<bool(ByteSink&)>& fill,
                         AtLink at_link = AtLink::WriteThrough, std::error_code* error = nullptr);

/// The temporary name a safe write gives the new file beside a target named `target_name`:
/// ".", the name (cut to 180 characters, so that it fits beside a name of the longest
/// length), ".tmp" and each of `numbers` after a "-".
std::filesystem::path TemporaryFileName(const std::filesystem::path& target_name,
                                        std::initializer_list<unsigned long long> numbers);

/// True for a name TemporaryFileName makes with three numbers or more: another write's
/// unfinished file, which no listing names.
bool IsTemporaryFileName(const std::filesystem::path& name);

/// The file a write of `file` replaces: `file` itself, or with WriteThrough the file a
/// symbolic link there points to (a dangling link is replaced like a missing file).
std::filesystem::path WriteTarget(const std::filesystem::path& file, AtLink at_link);

/// Splits text into lines as a text-mode stream reads them: LF ends a line, a CR directly
/// before the LF is dropped, a last line without a line end is still a line.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool has_end = end != std::string_view::npos;
    if (!has_end) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (has_end && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    start = end + 1;
  }
}

}  // namespace veldor
