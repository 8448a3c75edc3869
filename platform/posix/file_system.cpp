#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <system_error>
#include <thread>

namespace veldor {

namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsDotOrDotDot(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

constexpr unsigned kStatusFields = STATX_BASIC_STATS | STATX_BTIME;

FileStatus StatusOf(const struct statx& status) {
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

// Folders with fewer entries are not worth a second thread.
constexpr std::size_t kSharedLookups = 4096;

// Reads the status of entries [begin, end) relative to the open folder, following links:
// a link to a folder counts as a folder, a dangling link as a file without a status.
void ReadStatuses(int folder_fd, std::vector<FolderEntry>& entries, std::size_t begin,
                  std::size_t end) {
  for (std::size_t i = begin; i < end; ++i) {
    struct statx status {};
    if (::statx(folder_fd, entries[i].name.c_str(), AT_STATX_SYNC_AS_STAT, kStatusFields,
                &status) == 0) {
      entries[i].is_directory = S_ISDIR(status.stx_mode);
      entries[i].status = StatusOf(status);
    }
  }
}

}  // namespace

std::optional<FileStatus> RealFileSystem::Status(const std::filesystem::path& path) {
  struct statx status {};
  if (::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, kStatusFields, &status) != 0) {
    return std::nullopt;
  }
  return StatusOf(status);
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
    if (!IsDotOrDotDot(entry->d_name)) entries.push_back(FolderEntry{entry->d_name, false, {}});
  }
  // Byte order of the native names, so that a listing does not depend on the order in
  // which the file system happens to return its entries.
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return a.name.native() < b.name.native();
  });
  // The lookups are most of a large folder's listing time: a second thread takes half.
  const int folder_fd = ::dirfd(dir.get());
  std::size_t split = 0;
  std::thread helper;
  if (entries.size() >= kSharedLookups) {
    split = entries.size() / 2;
    try {
      helper = std::thread(ReadStatuses, folder_fd, std::ref(entries), 0, split);
    } catch (const std::system_error&) {
      split = 0;  // no thread to be had: this one does them all
    }
  }
  ReadStatuses(folder_fd, entries, split, entries.size());
  if (helper.joinable()) helper.join();
  return entries;
}

}  // namespace veldor
