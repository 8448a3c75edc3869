#include "platform/file_io.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

namespace veldor {

namespace {

// Closes the handle when the scope ends.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

// The temporary file being written, for the console handler: a program stopped by Ctrl+C
// or a closed console window must not leave it in the user's folder.
wchar_t g_temporary[32768];
std::atomic<bool> g_writing{false};

BOOL WINAPI RemoveTemporary(DWORD) {
  if (g_writing.exchange(false)) ::DeleteFileW(g_temporary);
  return FALSE;  // the default handler ends the program
}

void GuardConsoleOnce() {
  static const bool guarded = ::SetConsoleCtrlHandler(RemoveTemporary, TRUE) != 0;
  (void)guarded;
}

// Sets or clears the mark that deletes the file when its last handle closes.
bool MarkForDeletion(HANDLE handle, bool deleted) {
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = deleted ? TRUE : FALSE;
  return ::SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

// Creates a temporary file beside `target` that no other writer picks (CREATE_NEW, so a
// clash with a leftover file only costs another try); `temp` receives its name. The file
// is marked for deletion at once, so that a program that is killed leaves nothing: the
// mark is cleared only when the file is complete.
HANDLE CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
  static std::atomic<unsigned> counter{0};
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    temp = target.parent_path() /
           TemporaryFileName(target.filename(),
                             {::GetCurrentProcessId(), counter++, ::GetTickCount() % 1000000u});
    // Shared for deleting only: the console handler may delete it while it is being written;
    // it then goes when the program ends.
    const HANDLE handle = ::CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS) continue;
    if (handle != INVALID_HANDLE_VALUE && !MarkForDeletion(handle, true)) {
      ::CloseHandle(handle);
      ::DeleteFileW(temp.c_str());
      return INVALID_HANDLE_VALUE;
    }
    return handle;
  }
  return INVALID_HANDLE_VALUE;
}

// The temporary file as a sink: the first failed write ends the writing.
class HandleSink final : public ByteSink {
 public:
  explicit HandleSink(HANDLE handle) : handle_(handle) {}
  void Write(std::string_view bytes) override {
    while (ok_ && !bytes.empty()) {
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      ok_ = ::WriteFile(handle_, bytes.data(), piece, &written, nullptr) != 0 && written > 0;
      bytes.remove_prefix(written);
    }
  }
  bool ok() const { return ok_; }

 private:
  HANDLE handle_;
  bool ok_ = true;
};

bool FillTemporary(Handle& handle, const std::function<bool(ByteSink&)>& fill) {
  HandleSink sink(handle.get());
  if (!fill(sink) || !sink.ok()) return false;
  // Without the flush a crash after the move could leave an empty file in place of both
  // the old and the new contents.
  if (::FlushFileBuffers(handle.get()) == 0) return false;
  return MarkForDeletion(handle.get(), false) && handle.Close();
}

// Rewrites an existing `target` in place, for a folder that takes no new file.
bool WriteInPlace(const std::filesystem::path& target, const std::function<bool(ByteSink&)>& fill) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
    return false;
  }
  Handle handle(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.valid()) return false;
  HandleSink sink(handle.get());
  return fill(sink) && sink.ok() && ::FlushFileBuffers(handle.get()) != 0 && handle.Close();
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  // A file another program holds open without sharing it for reading cannot be read: it
  // gives its read error, as a missing file does. A folder does not open at all.
  Handle handle(::CreateFileW(file.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.valid() || ::GetFileType(handle.get()) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(handle.get(), &size) == 0 ||
      static_cast<std::uint64_t>(size.QuadPart) > kLargestReadFile) {
    return std::nullopt;
  }
  // Reserved at the stated size, so that the string does not grow to twice the file.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (::ReadFile(handle.get(), buffer, sizeof buffer, &read, nullptr) == 0) return std::nullopt;
    if (read == 0) break;
    bytes.append(buffer, read);
    if (bytes.size() > kLargestReadFile) return std::nullopt;
  }
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::function<bool(ByteSink&)>& fill, AtLink at_link,
                         std::error_code* error) {
  GuardConsoleOnce();
  const std::filesystem::path target = WriteTarget(file, at_link);
  std::filesystem::path temp;
  Handle handle(CreateTemporary(target, temp));
  DWORD failure = ERROR_SUCCESS;
  bool written = false;
  if (!handle.valid()) {
    failure = ::GetLastError();
    written = failure == ERROR_ACCESS_DENIED && WriteInPlace(target, fill);
    if (!written && failure == ERROR_ACCESS_DENIED) failure = ::GetLastError();
  } else {
    const bool named = temp.native().size() < std::size(g_temporary);
    if (named) temp.native().copy(g_temporary, temp.native().size());
    if (named) g_temporary[temp.native().size()] = L'\0';
    g_writing = named;
    // Memory running out while the listing is made ends the write here; the temporary
    // file, still marked for deletion, goes with its handle.
    struct Unmark {
      ~Unmark() { g_writing = false; }
    } unmark;
    // A listing another program holds open (a spreadsheet, say) cannot be replaced: the
    // move fails and the old file stays as it was.
    written = FillTemporary(handle, fill) &&
              ::MoveFileExW(temp.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!written) {
      failure = ::GetLastError();
      if (handle.valid()) handle.Close();
      ::DeleteFileW(temp.c_str());
    }
    g_writing = false;
  }
  if (error != nullptr) {
    *error = written ? std::error_code()
             : failure == ERROR_FILENAME_EXCED_RANGE
                 ? std::make_error_code(std::errc::filename_too_long)
                 : std::error_code(static_cast<int>(failure), std::system_category());
  }
  return written;
}

}  // namespace veldor
