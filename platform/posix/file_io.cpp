#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>

namespace veldor {

namespace {

// The temporary file being written, for the signal handler: a program stopped by Ctrl+C
// or a logout must not leave it in the user's folder.
char g_temporary[4096];
volatile std::sig_atomic_t g_writing = 0;

extern "C" void RemoveTemporaryAndDie(int signal_number) {
  if (g_writing != 0) ::unlink(g_temporary);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

// Once per process: a write beyond the file size limit fails (EFBIG, and the temporary
// goes) instead of killing the program, and the ending signals remove the temporary first.
// A signal that the program's caller ignores stays ignored.
void GuardSignalsOnce() {
  static const bool guarded = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction current {};
      if (::sigaction(signal_number, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(signal_number, RemoveTemporaryAndDie);
      }
    }
    return true;
  }();
  (void)guarded;
}

// Closes the descriptor when the scope ends, unless released.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded: on some file systems a failed
  // write only shows here.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A name no other writer picks: process id, a counter and the clock. Created with
// O_EXCL, so a clash with a leftover file only costs another try.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  // A name may be up to 255 bytes; the temporary one must fit beside it all the same.
  std::string name(".");
  // Appended, not "." + string&&: g++ 12 warns falsely (-Wrestrict) on that form.
  name += target.filename().native().substr(0, 180) + ".tmp-" + std::to_string(::getpid()) + "-" +
          std::to_string(counter++) + "-" + std::to_string(attempt) + "-" +
          std::to_string(static_cast<unsigned long long>(ticks) % 1000000u);
  return target.parent_path() / name;
}

// Creates the temporary file; `temp` receives its name. Mode 0666 lets the umask decide,
// as for any new file.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    temp = TemporaryName(target, attempt);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The temporary file as a sink: the first failed write ends the writing.
class DescriptorSink final : public ByteSink {
 public:
  explicit DescriptorSink(int fd) : fd_(fd) {}
  void Write(std::string_view bytes) override { ok_ = ok_ && WriteAll(fd_, bytes); }
  bool ok() const { return ok_; }

 private:
  int fd_;
  bool ok_ = true;
};

// Fills the temporary file, keeping the permission bits of a file being replaced.
bool FillTemporary(FileDescriptor& fd, const std::filesystem::path& target,
                   const std::function<bool(ByteSink&)>& fill) {
  struct stat existing {};
  // A link being replaced lends no mode: the new file gets the umask's, as any new file.
  if (::lstat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    if (::fchmod(fd.get(), existing.st_mode & 07777) != 0) return false;
  }
  DescriptorSink sink(fd.get());
  if (!fill(sink) || !sink.ok()) return false;
  // Without the flush a crash after the rename could leave an empty file in place of
  // both the old and the new contents.
  if (::fsync(fd.get()) != 0) return false;
  return fd.Close();
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer
  // forever; it changes nothing for the regular files that are read below.
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.valid()) return std::nullopt;
  struct stat status {};
  // Only regular files: a folder cannot be read and a pipe or device could block forever.
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  // Nothing the programs read (settings, lists, templates) comes near this size; a larger
  // file is refused before it can exhaust memory. The stated size is not trusted for more.
  if (static_cast<std::uintmax_t>(status.st_size) > kLargestReadFile) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > kLargestReadFile) return std::nullopt;
  }
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::function<bool(ByteSink&)>& fill, AtLink at_link) {
  GuardSignalsOnce();
  const std::filesystem::path target = WriteTarget(file, at_link);
  std::filesystem::path temp;
  FileDescriptor fd(CreateTemporary(target, temp));
  if (!fd.valid()) return false;
  const bool named = temp.native().size() < sizeof g_temporary;
  if (named) std::memcpy(g_temporary, temp.c_str(), temp.native().size() + 1);
  g_writing = named ? 1 : 0;
  const bool written =
      FillTemporary(fd, target, fill) && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!written) ::unlink(temp.c_str());
  g_writing = 0;
  return written;
}

}  // namespace veldor
