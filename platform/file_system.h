#pragma once
// File status and folder enumeration, behind an interface so that tests can stage states
// that a disk cannot (a file that vanishes between the enumeration and its status).

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veldor {

struct FileStatus {
  /// Bytes of a file; 0 for a folder.
  std::int64_t size = 0;
  std::time_t modified = 0;
  /// The file system's birth time where it has one, else the modification time.
  std::time_t created = 0;

  bool operator==(const FileStatus&) const = default;
};

struct FolderEntry {
  std::filesystem::path name;  ///< the entry's own name, no folder
  bool is_directory = false;
  /// As Status() gives it for the entry; nothing when it cannot be read (a dangling link).
  std::optional<FileStatus> status;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// Status of `path` (symlinks followed), or nothing when it cannot be read.
  virtual std::optional<FileStatus> Status(const std::filesystem::path& path) = 0;
  /// The entries of `folder` in an order that does not depend on the file system (byte
  /// order of the names on Linux; on Windows case-insensitive ordinal order, ties in
  /// ordinal order), without "." and "..",
  /// or nothing when the folder cannot be enumerated (missing, not a folder, unreadable).
  virtual std::optional<std::vector<FolderEntry>> Enumerate(
      const std::filesystem::path& folder) = 0;
};

/// The real file system (statx and opendir, FindFirstFileExW).
class RealFileSystem : public FileSystem {
 public:
  std::optional<FileStatus> Status(const std::filesystem::path& path) override;
  std::optional<std::vector<FolderEntry>> Enumerate(const std::filesystem::path& folder) override;
};

/// "%Y/%m/%d %H:%M:%S" in local time; "----/--/-- --:--:--" for a time the system cannot
/// convert.
std::string FormatLocalTime(std::time_t time);

/// `time` in local time as RFC 3339 with the zone's offset ("2003-11-05T13:05:18+09:00"), or
/// nothing when the system cannot convert it or its year has more than four digits.
std::optional<std::string> FormatRfc3339LocalTime(std::time_t time);

}  // namespace veldor
