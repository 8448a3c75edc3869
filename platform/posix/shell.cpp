#include "platform/shell.h"

#include <fcntl.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX sigprocmask, sigset_t
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace veldor {

namespace {

// A regular file this process may run.
bool CanExecute(const std::filesystem::path& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// Runs in the grandchild, between fork and exec: only async-signal-safe calls, since the
// parent may have other threads (the desktop programs do) whose locks are copied held.
[[noreturn]] void ExecDetached(const char* program, char* const* argv) {
  ::setsid();  // no longer part of the caller's terminal session: its Ctrl-C stays ours
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  // The program must not compete with the caller for the terminal, nor hold the caller's
  // output pipes open after the caller is done (a script reading veldor-cli's output would
  // otherwise wait for the browser to end); its failures are ignored anyway.
  const int null = ::open("/dev/null", O_RDWR);
  if (null >= 0) {
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    if (null > STDERR_FILENO) ::close(null);
  }
  // Nor any other descriptor the caller happened to have open without close-on-exec.
  ::close_range(3, ~0U, 0);
  ::execv(program, argv);
  ::_exit(127);
}

}  // namespace

void SpawnDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) return;
  // Everything that allocates happens before the fork.
  const std::string_view name = argv.front();
  const std::filesystem::path program = name.find('/') != std::string_view::npos
                                            ? std::filesystem::path(name)
                                            : FindOnPath(argv.front());
  if (program.empty()) return;
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    // The intermediate child exits at once; the grandchild is adopted by init, which
    // reaps it, so the caller never has to wait for the program.
    const pid_t grandchild = ::fork();
    if (grandchild == 0) ExecDetached(program.c_str(), args.data());
    ::_exit(0);
  }
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

std::filesystem::path FindOnPath(const std::string& name) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos)
    return CanExecute(name) ? std::filesystem::path(name) : std::filesystem::path();
  const char* path_variable = std::getenv("PATH");
  const std::string_view search = path_variable != nullptr ? path_variable : "/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = search.find(':', start);
    const std::string_view folder = search.substr(
        start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
    // An empty element stands for the current folder, as for the shell.
    std::filesystem::path candidate =
        (folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder)) / name;
    if (CanExecute(candidate)) return candidate;
    if (colon == std::string_view::npos) return {};
    start = colon + 1;
  }
}

void DesktopShell::OpenFile(const std::filesystem::path& file) {
  SpawnDetached({"xdg-open", file.native()});
}

void DesktopShell::StartProgram(const std::filesystem::path& program,
                                const std::filesystem::path& argument) {
  SpawnDetached({program.native(), argument.native()});
}

std::filesystem::path FindBrowserPath(const std::filesystem::path& program_folder) {
  std::error_code ec;
  // help.html stands for "a page the desktop can show": without it no browser is looked up.
  if (!std::filesystem::exists(program_folder / "help.html", ec)) return {};
  return FindOnPath("xdg-open");
}

}  // namespace veldor
