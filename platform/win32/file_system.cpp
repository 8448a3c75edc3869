#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <memory>

namespace veldor {

namespace {

// FILETIME counts 100 ns from 1601; time_t counts seconds from 1970.
std::time_t TimeOf(const FILETIME& time) {
  const std::uint64_t ticks = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  constexpr std::uint64_t k1970 = 116444736000000000ull;
  constexpr std::uint64_t kTicksPerSecond = 10000000u;
  // Before 1970 too, rounded down to the second as Linux gives it.
  if (ticks >= k1970) return static_cast<std::time_t>((ticks - k1970) / kTicksPerSecond);
  return -static_cast<std::time_t>((k1970 - ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

// A folder has no bytes of its own to send.
FileStatus StatusOf(DWORD attributes, DWORD size_high, DWORD size_low, const FILETIME& written,
                    const FILETIME& created) {
  FileStatus status;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    status.size = static_cast<std::int64_t>((std::uint64_t{size_high} << 32) | size_low);
  }
  status.modified = TimeOf(written);
  status.created = TimeOf(created);
  return status;
}

// The status of what a link points to: the link's own attributes tell nothing about it.
std::optional<FileStatus> StatusThroughLink(const std::filesystem::path& path,
                                            bool* is_directory = nullptr) {
  const HANDLE handle =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool read = ::GetFileInformationByHandle(handle, &info) != 0;
  ::CloseHandle(handle);
  if (!read) return std::nullopt;
  if (is_directory != nullptr) {
    *is_directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  return StatusOf(info.dwFileAttributes, info.nFileSizeHigh, info.nFileSizeLow,
                  info.ftLastWriteTime, info.ftCreationTime);
}

struct FindCloser {
  void operator()(HANDLE find) const { ::FindClose(find); }
};

// Case-insensitive ordinal order, ties in plain ordinal order: the same on every file
// system, whatever order it returns its entries in.
bool NameBefore(const FolderEntry& a, const FolderEntry& b) {
  const std::wstring& x = a.name.native();
  const std::wstring& y = b.name.native();
  const int order = ::CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                           static_cast<int>(y.size()), TRUE);
  return order != CSTR_EQUAL ? order == CSTR_LESS_THAN : x < y;
}

}  // namespace

std::optional<FileStatus> RealFileSystem::Status(const std::filesystem::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) == 0) {
    return std::nullopt;
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return StatusThroughLink(path);
  return StatusOf(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow,
                  data.ftLastWriteTime, data.ftCreationTime);
}

std::optional<std::vector<FolderEntry>> RealFileSystem::Enumerate(
    const std::filesystem::path& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE first =
      ::FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
  std::vector<FolderEntry> entries;
  if (first == INVALID_HANDLE_VALUE) {
    // Only the root of an empty drive has not even "." and "..".
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (::GetLastError() == ERROR_FILE_NOT_FOUND && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return entries;
    }
    return std::nullopt;
  }
  std::unique_ptr<void, FindCloser> find(first);
  do {
    if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0) {
      continue;
    }
    FolderEntry entry{found.cFileName, false, {}};
    // The entry tells everything a plain file or folder needs; a link is followed.
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      entry.status = StatusThroughLink(folder / entry.name, &entry.is_directory);
    } else {
      entry.is_directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      entry.status = StatusOf(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow,
                              found.ftLastWriteTime, found.ftCreationTime);
    }
    entries.push_back(std::move(entry));
  } while (::FindNextFileW(find.get(), &found) != 0);
  if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  std::sort(entries.begin(), entries.end(), NameBefore);
  return entries;
}

}  // namespace veldor
