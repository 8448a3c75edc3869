#include "platform/file_io.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX sigaction, sigset_t
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

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
// goes) instead of killing the program, and the ending signals remove a named temporary
// first (where the file system has no unnamed files, or while one is being renamed).
// A signal that the program's caller ignores stays ignored.
void GuardSignalsOnce() {
  static const bool guarded = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM,
                                    SIGXCPU, SIGPIPE, SIGVTALRM, SIGPROF}) {
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
// O_EXCL (or linked, which fails on an existing name), so a clash with a leftover file
// only costs another try.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return target.parent_path() /
         TemporaryFileName(target.filename(),
                           {static_cast<unsigned long long>(::getpid()), counter++, attempt,
                            static_cast<unsigned long long>(ticks) % 1000000u});
}

// Creates the named temporary file; `temp` receives its name. Mode 0666 lets the umask
// decide, as for any new file.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    temp = TemporaryName(target, attempt);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Marks `temp` as the file that the ending signals remove (or, with nothing, clears the
// mark), with those signals held off meanwhile so that none sees half a name.
void MarkTemporary(const std::filesystem::path* temp) {
  sigset_t all, previous;
  ::sigfillset(&all);
  ::pthread_sigmask(SIG_BLOCK, &all, &previous);
  g_writing = 0;
  if (temp != nullptr && temp->native().size() < sizeof g_temporary) {
    std::memcpy(g_temporary, temp->c_str(), temp->native().size() + 1);
    g_writing = 1;
  }
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
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

// Fills the new file (without closing it), keeping the permission bits of a file being
// replaced: the read, write and execute bits only, never setuid, setgid or sticky.
bool FillFile(int fd, const std::filesystem::path& target,
              const std::function<bool(ByteSink&)>& fill, bool keep_mode) {
  struct stat existing {};
  // A link being replaced lends no mode: the new file gets the umask's, as any new file.
  if (keep_mode && ::lstat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    if (::fchmod(fd, existing.st_mode & 0777) != 0) return false;
  }
  DescriptorSink sink(fd);
  if (!fill(sink) || !sink.ok()) return false;
  // Without the flush a crash after the rename could leave an empty file in place of
  // both the old and the new contents.
  return ::fsync(fd) == 0;
}

// The named temporary file while it stands in the folder: the ending signals remove it,
// and so does the end of the write, by failure or by an exception (memory running out),
// unless it was renamed over the target.
class NamedTemporary {
 public:
  explicit NamedTemporary(std::filesystem::path temp) : temp_(std::move(temp)) {
    MarkTemporary(&temp_);
  }
  ~NamedTemporary() {
    const int error = errno;
    if (!renamed_) ::unlink(temp_.c_str());
    MarkTemporary(nullptr);
    errno = error;
  }
  NamedTemporary(const NamedTemporary&) = delete;
  NamedTemporary& operator=(const NamedTemporary&) = delete;

  bool RenameOver(const std::filesystem::path& target) {
    renamed_ = ::rename(temp_.c_str(), target.c_str()) == 0;
    return renamed_;
  }

 private:
  std::filesystem::path temp_;
  bool renamed_ = false;
};

enum class Outcome { Written, Failed, NoUnnamedFile };

// Writes into an unnamed file in the target's folder, which a killed program cannot leave
// behind; only the complete file is linked under a temporary name and renamed over the
// target. NoUnnamedFile where the system or the file system has no unnamed files.
Outcome WriteUnnamed(const std::filesystem::path& target,
                     const std::function<bool(ByteSink&)>& fill) {
  // The link goes through /proc: without it an unnamed file could never get a name.
  if (::access("/proc/self/fd", X_OK) != 0) return Outcome::NoUnnamedFile;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (!fd.valid()) return Outcome::NoUnnamedFile;
  if (!FillFile(fd.get(), target, fill, true)) return Outcome::Failed;
  const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path temp = TemporaryName(target, attempt);
    // No ending signal comes between the link and the mark that has it removed.
    sigset_t all, previous;
    ::sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, &previous);
    const bool linked =
        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    const int error = errno;
    std::optional<NamedTemporary> named;
    if (linked) named.emplace(temp);
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (!linked) {
      if (error == EEXIST) continue;
      errno = error;
      return Outcome::Failed;
    }
    return fd.Close() && named->RenameOver(target) ? Outcome::Written : Outcome::Failed;
  }
  return Outcome::Failed;
}

// Rewrites a regular `target` in place, for a folder that takes no new file.
bool WriteInPlace(const std::filesystem::path& target, const std::function<bool(ByteSink&)>& fill) {
  struct stat existing {};
  if (::lstat(target.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return false;
  FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
  if (!fd.valid() || ::ftruncate(fd.get(), 0) != 0) return false;
  return FillFile(fd.get(), target, fill, false) && fd.Close();
}

bool WriteNamedOrInPlace(const std::filesystem::path& target,
                         const std::function<bool(ByteSink&)>& fill) {
  std::filesystem::path temp;
  FileDescriptor fd(CreateTemporary(target, temp));
  if (!fd.valid()) {
    const int error = errno;
    if (error == EACCES || error == EPERM) return WriteInPlace(target, fill);
    errno = error;
    return false;
  }
  NamedTemporary named(temp);
  return FillFile(fd.get(), target, fill, true) && fd.Close() && named.RenameOver(target);
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
  // Reserved at the stated size, so that the string does not grow to twice the file.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size) + 1);
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
                         const std::function<bool(ByteSink&)>& fill, AtLink at_link,
                         std::error_code* error) {
  GuardSignalsOnce();
  const std::filesystem::path target = WriteTarget(file, at_link);
  errno = 0;
  Outcome outcome = WriteUnnamed(target, fill);
  if (outcome == Outcome::NoUnnamedFile) {
    // Unnamed files are refused also where the user may not create files: the named
    // file then finds that out, and the rewrite in place follows.
    outcome = WriteNamedOrInPlace(target, fill) ? Outcome::Written : Outcome::Failed;
  }
  if (error != nullptr) {
    *error = outcome == Outcome::Written ? std::error_code()
                                         : std::error_code(errno, std::generic_category());
  }
  return outcome == Outcome::Written;
}

}  // namespace veldor
