#include "platform/shell.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A program that writes its arguments, one per line, to "args" beside itself. It writes
// a temporary file first so that a reader never sees half of it.
constexpr std::string_view kRecorder =
    "#!/bin/sh\n"
    "out=\"${0%/*}/args\"\n"
    "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n"
    "mv \"$out.part\" \"$out\"\n";

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() {
    const char* path = std::getenv("PATH");
    saved_path_ = path != nullptr ? path : "";
  }
  ~ShellTest() override { ::setenv("PATH", saved_path_.c_str(), 1); }

  fs::path Executable(const fs::path& rel, std::string_view script) {
    const fs::path file = folder_.Write(rel, script);
    fs::permissions(file, fs::perms::owner_all);
    return file;
  }

  // The recorder's output; programs are not waited for, so this polls for a while.
  std::string RecordedArguments(const fs::path& bin) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(bin / "args") && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return folder_.Read(fs::relative(bin / "args", folder_.path()));
  }

  static bool NoChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

  TempFolder folder_;
  std::string saved_path_;
};

TEST_F(ShellTest, FindOnPathTakesOnlyExecutableFiles) {
  const fs::path tool = Executable("b/tool", "#!/bin/sh\n");
  Executable("a/shadowed", "#!/bin/sh\n");
  folder_.Write("a/tool", "not executable");
  fs::create_directories(folder_ / "a" / "folder");
  const std::string path = (folder_ / "missing").string() + ":" + (folder_ / "a").string() + ":" +
                           (folder_ / "b").string();
  ::setenv("PATH", path.c_str(), 1);

  EXPECT_EQ(FindOnPath("tool"), tool);
  EXPECT_EQ(FindOnPath("shadowed"), folder_ / "a" / "shadowed");
  EXPECT_EQ(FindOnPath("folder"), fs::path());
  EXPECT_EQ(FindOnPath("nothing"), fs::path());
  EXPECT_EQ(FindOnPath(""), fs::path());
  EXPECT_EQ(FindOnPath(tool.string()), tool);
}

TEST_F(ShellTest, SpawnPassesEachArgumentAsItIsAndLeavesNoChild) {
  const fs::path recorder = Executable("bin/recorder", kRecorder);
  SpawnDetached({recorder.string(), "two words", "a;b", "it's \"quoted\"", "$(echo no)", ""});
  EXPECT_TRUE(NoChildLeft());
  EXPECT_EQ(RecordedArguments(recorder.parent_path()),
            "two words\na;b\nit's \"quoted\"\n$(echo no)\n\n");
}

TEST_F(ShellTest, SpawnOfAMissingProgramIsIgnored) {
  ::setenv("PATH", folder_.path().c_str(), 1);
  SpawnDetached({"no-such-program", "x"});
  SpawnDetached({(folder_ / "no-such-file").string()});
  SpawnDetached({});
  EXPECT_TRUE(NoChildLeft());
}

TEST_F(ShellTest, SpawnedProgramDoesNotHoldTheCallersOutputOpen) {
  // A script that reads veldor-cli's output must see its end when veldor-cli ends, even
  // while the browser it started runs on.
  const fs::path lingering = Executable("bin/lingering", "#!/bin/sh\nexec sleep 3\n");
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  const int saved_stdout = ::dup(STDOUT_FILENO);
  const int saved_stderr = ::dup(STDERR_FILENO);
  ::dup2(pipe_fds[1], STDOUT_FILENO);
  ::dup2(pipe_fds[1], STDERR_FILENO);
  SpawnDetached({lingering.string()});
  ::dup2(saved_stdout, STDOUT_FILENO);
  ::dup2(saved_stderr, STDERR_FILENO);
  ::close(saved_stdout);
  ::close(saved_stderr);
  ::close(pipe_fds[1]);

  pollfd reader{pipe_fds[0], POLLIN, 0};
  ASSERT_EQ(::poll(&reader, 1, 2000), 1) << "the spawned program still holds the pipe";
  char byte = 0;
  EXPECT_EQ(::read(pipe_fds[0], &byte, 1), 0);
  ::close(pipe_fds[0]);
}

TEST_F(ShellTest, OpenFileRunsXdgOpenAndStartProgramTheProgramWithThePathAsOneArgument) {
  Executable("bin/xdg-open", kRecorder);
  const fs::path browser = Executable("browser dir/browser", kRecorder);
  const std::string path = (folder_ / "bin").string() + ":" + saved_path_;
  ::setenv("PATH", path.c_str(), 1);
  DesktopShell shell;
  shell.OpenFile("/photos/my trip;1/index.html");
  shell.StartProgram(browser, "/photos/a b/index.html");
  EXPECT_EQ(RecordedArguments(folder_ / "bin"), "/photos/my trip;1/index.html\n");
  EXPECT_EQ(RecordedArguments(browser.parent_path()), "/photos/a b/index.html\n");
}

}  // namespace
}  // namespace veldor
