#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace veldor {

namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsDotOrDotDot(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// The directory flag as a plain stat gives it: a link to a folder counts as a folder,
// a dangling link as a file.
bool IsDirectoryEntry(DIR* dir, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat status {};
  return ::fstatat(::dirfd(dir), entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::optional<FileStatus> RealFileSystem::Status(const std::filesystem::path& path) {
  struct statx status {};
  if (::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME,
              &status) != 0) {
    return std::nullopt;
  }
  FileStatus result;
  // A folder has no bytes of its own to send; what the file system reserves for its
  // entries (4096 and up) is not a size the user could pay for.
  result.size = S_ISDIR(status.stx_mode) ? 0 : static_cast<std::int64_t>(status.stx_size);
  result.modified = static_cast<std::time_t>(status.stx_mtime.tv_sec);
  // Not every file system records a birth time (tmpfs before 5.x, many network mounts).
  result.created = (status.stx_mask & STATX_BTIME) != 0
                       ? static_cast<std::time_t>(status.stx_btime.tv_sec)
                       : result.modified;
  return result;
}

std::optional<std::vector<FolderEntry>> RealFileSystem::Enumerate(
    const std::filesystem::path& folder) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return std::nullopt;
  std::vector<FolderEntry> entries;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) return std::nullopt;
      break;
    }
    if (IsDotOrDotDot(entry->d_name)) continue;
    entries.push_back(FolderEntry{entry->d_name, IsDirectoryEntry(dir.get(), *entry)});
  }
  // Byte order of the native names, so that a listing does not depend on the order in
  // which the file system happens to return its entries.
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return a.name.native() < b.name.native();
  });
  return entries;
}

std::string FormatLocalTime(std::time_t time) {
  std::tm local{};
  if (::localtime_r(&time, &local) == nullptr) return {};
  char buffer[64];
  const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y/%m/%d %H:%M:%S", &local);
  return std::string(buffer, length);
}

}  // namespace veldor
