// The platform layer against the real system: files, folders, settings files, programs.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "platform/dropped_path.h"
#include "platform/file_io.h"
#include "platform/file_name.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "platform/user_program_folder.h"
#include "support/temp_folder.h"
#include "support/test_runner.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;

// Runs `check` in a child process as a plain user, for whom file permissions hold: root
// reads and writes anything, so as root the child becomes "nobody". True when the check
// ran and held. The folders it uses must be reachable by that user.
template <typename Check>
bool AsPlainUser(Check check) {
  const pid_t child = ::fork();
  if (child == 0) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && (nobody == nullptr || ::setgroups(0, nullptr) != 0 ||
                             ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) {
      ::_exit(2);
    }
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && status == 0;
}

class PlatformTest : public ::testing::Test {
 protected:
  unsigned Mode(const char* name) const {
    return static_cast<unsigned>(fs::status(folder_ / name).permissions());
  }
  testing::TempFolder folder_;
};

using FileIoTest = PlatformTest;

// Regular files only: a named pipe without a writer is refused at once instead of waiting
// for one, and a file the user may not read is refused too.
TEST_F(FileIoTest, ReadsEveryByteOfRegularFilesOnly) {
  const std::string bytes("a\r\nb\0c\x95\x5C\n", 9);
  EXPECT_EQ(ReadFileBytes(folder_.Write("f.txt", bytes)), bytes);
  EXPECT_EQ(ReadFileBytes(folder_.path()), std::nullopt);
  fs::resize_file(folder_.Write("huge.csv", ""), kLargestReadFile + 1);  // sparse: no disk used
  EXPECT_EQ(ReadFileBytes(folder_ / "huge.csv"), std::nullopt);
  ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(folder_ / "pipe"), std::nullopt);
  fs::permissions(folder_.path(), fs::perms{0755});
  fs::permissions(folder_ / "f.txt", fs::perms::none);
  EXPECT_TRUE(AsPlainUser([&] { return !ReadFileBytes(folder_ / "f.txt"); }));
}

// A new file gets the umask's mode, a replaced one keeps its mode, a symlink is written
// through, and a name of the longest length allowed still finds room for the temporary.
TEST_F(FileIoTest, WritesNewFilesAndReplacesExistingOnes) {
  const bool stdin_open = ::fcntl(STDIN_FILENO, F_GETFD) != -1;
  const mode_t old_mask = ::umask(027);
  const bool written = WriteFileAtomically(folder_ / "new.txt", "a much longer earlier content");
  ::umask(old_mask);
  ASSERT_TRUE(written);
  EXPECT_EQ(Mode("new.txt"), 0640u);
  fs::permissions(folder_ / "new.txt", fs::perms{07604});  // setuid, setgid, sticky are not kept
  fs::create_symlink(folder_ / "new.txt", folder_ / "link.txt");
  ASSERT_TRUE(WriteFileAtomically(folder_ / "link.txt", "short"));
  EXPECT_EQ(folder_.Read("new.txt"), "short");
  EXPECT_EQ(Mode("new.txt"), 0604u);
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
  const std::string name = std::string(251, 'n') + ".txt";
  ASSERT_TRUE(WriteFileAtomically(folder_ / name, "x"));
  EXPECT_EQ(folder_.Read(name), "x");
  // A write that fails (here at the file size limit) leaves the earlier file; no file
  // descriptor of the caller's is closed on the way.
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{4, limit.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_FALSE(WriteFileAtomically(folder_ / "new.txt", "longer than four bytes"));
  ::setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(folder_.Read("new.txt"), "short");
  EXPECT_EQ(::fcntl(STDIN_FILENO, F_GETFD) != -1, stdin_open);
  // Stopped by a signal halfway, the program dies of it without leaving the temporary.
  const pid_t child = ::fork();
  if (child == 0) {
    WriteFileAtomically(folder_ / "new.txt", [](ByteSink& sink) {
      sink.Write("half");
      return std::raise(SIGTERM) == 0;
    });
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(folder_.Read("new.txt"), "short");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 3);  // no temporary left
}

// Killed halfway by a signal that no program can catch, a write leaves the folder as it
// was: the new file has no name yet.
TEST_F(FileIoTest, KilledWriteLeavesNothingBehind) {
  folder_.Write("list.txt", "old");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    WriteFileAtomically(
        folder_ / "list.txt",
        [&](ByteSink& sink) {
          sink.Write(std::string(std::size_t{1} << 20, 'x'));
          if (::write(ready[1], "w", 1) != 1) ::_exit(3);
          for (;;) ::pause();
          return true;
        },
        AtLink::Replace);
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(folder_.Read("list.txt"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1);
}

// A folder that takes no new file from the user, holding a file the user may write: that
// file is rewritten in place, and no other file is made.
TEST_F(FileIoTest, RewritesInPlaceWhereTheFolderTakesNoNewFile) {
  fs::permissions(folder_.Write("list.txt", "a much longer old listing"), fs::perms{0666});
  fs::permissions(folder_.path(), fs::perms{0555});
  EXPECT_TRUE(AsPlainUser([&] {
    return WriteFileAtomically(folder_ / "list.txt", "new") &&
           !WriteFileAtomically(folder_ / "other.txt", "x");
  }));
  fs::permissions(folder_.path(), fs::perms::owner_all);
  EXPECT_EQ(folder_.Read("list.txt"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1);
}

// A link to a folder counts as a folder, a dangling link as a file. Status follows links;
// a folder has no size of its own; the creation time is the birth time where the file
// system records one.
TEST_F(PlatformTest, RealFileSystemFollowsLinks) {
  folder_.Write("b.jpg", "12345");
  fs::create_directory(folder_ / "sub");
  fs::create_directory_symlink(folder_ / "sub", folder_ / "link_to_sub");
  fs::create_symlink(folder_ / "b.jpg", folder_ / "link_to_file");
  fs::create_symlink(folder_ / "missing", folder_ / "dangling");
  RealFileSystem file_system;
  std::string listed;
  const auto entries = file_system.Enumerate(folder_.path());
  for (const auto& entry : entries.value()) {
    listed += entry.name.native() + (entry.is_directory ? "/" : "") +
              (entry.status ? std::to_string(entry.status->size) : "-") + " ";
  }
  EXPECT_EQ(listed, "b.jpg5 dangling- link_to_file5 link_to_sub/0 sub/0 ");
  EXPECT_EQ(file_system.Enumerate(folder_ / "b.jpg"), std::nullopt);
  // A large folder's statuses are read by two threads: every entry still gets its own.
  for (int i = 0; i < 5000; ++i) folder_.Write("many/" + std::to_string(i), std::to_string(i));
  const auto many = file_system.Enumerate(folder_ / "many");
  for (const FolderEntry& entry : many.value())
    EXPECT_EQ(entry.status.value().size, entry.name.native().size()) << entry.name;

  const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (folder_ / "b.jpg").c_str(), times, 0), 0);
  const auto status = file_system.Status(folder_ / "link_to_file");
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 5);
  EXPECT_EQ(status->modified, 1000000000);
  struct statx raw {};
  ASSERT_EQ(::statx(AT_FDCWD, (folder_ / "b.jpg").c_str(), 0, STATX_BTIME, &raw), 0);
  const bool birth = (raw.stx_mask & STATX_BTIME) != 0;
  EXPECT_EQ(status->created, birth ? raw.stx_btime.tv_sec : status->modified);
  EXPECT_EQ(file_system.Status(folder_ / "sub").value().size, 0);
  EXPECT_EQ(file_system.Status(folder_ / "missing"), std::nullopt);
  EXPECT_TRUE(fs::is_regular_file(ExecutableFolder() / program_invocation_short_name));
}

// A folder in its place or a missing folder; and a file that exists but cannot be read:
// replacing it would lose every other setting.
TEST_F(PlatformTest, ProfileWriteFailsWhenTheFileCannotBeReadOrWritten) {
  fs::create_directory(folder_ / "quorsel.ini");
  EXPECT_FALSE(Profile(folder_ / "quorsel.ini").WriteInt("A", "k", 1));
  EXPECT_FALSE(Profile(folder_ / "missing" / "quorsel.ini").WriteString("A", "k", "v"));
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
  const fs::path locked = folder_.Write("locked.ini", "[A]\r\nk=1\r\n");
  fs::permissions(folder_.path(), fs::perms::all);  // the plain user may write beside it
  fs::permissions(locked, fs::perms::none);
  EXPECT_TRUE(AsPlainUser([&] { return !Profile(locked).WriteInt("A", "k", 2); }));
  fs::permissions(locked, fs::perms::owner_read);
  EXPECT_EQ(folder_.Read("locked.ini"), "[A]\r\nk=1\r\n");
}

// A program that writes its arguments, one per line, to "args" beside itself; through a
// temporary file, so that a reader never sees half of it.
constexpr std::string_view kRecorder =
    "#!/bin/sh\nout=\"${0%/*}/args\"\n"
    "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n/bin/mv \"$out.part\" "
    "\"$out\"\n";

// Programs are not waited for: this polls for the recorder's output.
std::string Recorded(const fs::path& program) {
  const fs::path args = program.parent_path() / "args";
  for (int i = 0; i < 2000 && !fs::exists(args); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ReadFileBytes(args).value_or("<none>");
}

// Only executable files are found; the browser (xdg-open) only while the program folder has
// help.html to show. A started program gets each argument as it is, is not waited for and
// leaves no child to reap; one that cannot be found is ignored. It must not hold the
// caller's output open: a script that reads veldor-cli's output must see its end while the
// browser it started runs on.
TEST_F(PlatformTest, ShellFindsAndStartsPrograms) {
  const auto executable = [&](const char* rel, std::string_view script) {
    const fs::path file = folder_.Write(rel, script);
    fs::permissions(file, fs::perms::owner_all);
    return file;
  };
  const fs::path xdg_open = executable("bin/xdg-open", kRecorder);
  const fs::path recorder = executable("rec/recorder", kRecorder);
  const fs::path browser = executable("browser dir/browser", kRecorder);
  // Writes its process id, then runs on until the test ends it.
  executable("slow/lingering",
             "#!/bin/sh\necho $$ > \"${0%/*}/args.part\"\n"
             "/bin/mv \"${0%/*}/args.part\" \"${0%/*}/args\"\nexec /bin/sleep 60\n");
  folder_.Write("a/xdg-open", "not executable");
  fs::create_directories(folder_ / "a/folder");
  const std::string path = (folder_ / "rec").string() + ":" + (folder_ / "missing").string() + ":" +
                           (folder_ / "a").string() + ":" + (folder_ / "bin").string() + ":" +
                           (folder_ / "slow").string() + ":" + (folder_ / "a").string();
  testing::ScopedEnvironment environment;
  environment.Set("PATH", path);
  EXPECT_EQ(FindOnPath("xdg-open"), xdg_open);
  EXPECT_EQ(FindOnPath("recorder"), recorder);
  EXPECT_EQ(FindOnPath(browser.string()), browser);
  for (const char* none : {"folder", "nothing", ""}) EXPECT_EQ(FindOnPath(none), fs::path());
  EXPECT_EQ(FindBrowserPath(folder_.path()), fs::path());
  folder_.Write("help.html", "<html>help</html>");
  EXPECT_EQ(FindBrowserPath(folder_.path()), xdg_open);

  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  const int saved_stdout = ::dup(STDOUT_FILENO);
  const int saved_stderr = ::dup(STDERR_FILENO);
  ::dup2(pipe_fds[1], STDOUT_FILENO);
  ::dup2(pipe_fds[1], STDERR_FILENO);
  SpawnDetached({"no-such-program", "x"});
  SpawnDetached({(folder_ / "no-such-file").string()});
  SpawnDetached({});
  SpawnDetached({"lingering"});
  // Started, and still running once SpawnDetached has returned: it was not waited for.
  const pid_t lingering = std::stoi("0" + Recorded(folder_ / "slow/lingering"));
  const bool not_waited_for = lingering > 0 && ::kill(lingering, 0) == 0;
  SpawnDetached({recorder.string(), "two words", "a;b", "it's \"quoted\"", "$(echo no)", ""});
  DesktopShell shell;
  shell.OpenFile("/photos/my trip;1/index.html");
  shell.StartProgram(browser, "/photos/a b/index.html");
  ::dup2(saved_stdout, STDOUT_FILENO);
  ::dup2(saved_stderr, STDERR_FILENO);
  for (const int fd : {saved_stdout, saved_stderr, pipe_fds[1]}) ::close(fd);
  EXPECT_TRUE(not_waited_for);
  EXPECT_TRUE(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
  EXPECT_EQ(Recorded(recorder), "two words\na;b\nit's \"quoted\"\n$(echo no)\n\n");
  EXPECT_EQ(Recorded(xdg_open), "/photos/my trip;1/index.html\n");
  EXPECT_EQ(Recorded(browser), "/photos/a b/index.html\n");
  // The pipe ends while the lingering program still runs (the time limit only ends a
  // failing test).
  pollfd reader{pipe_fds[0], POLLIN, 0};
  char byte = 0;
  const bool ended = ::poll(&reader, 1, 20000) == 1 && ::read(pipe_fds[0], &byte, 1) == 0;
  EXPECT_TRUE(lingering > 0 && ::kill(lingering, SIGKILL) == 0);
  EXPECT_TRUE(ended) << "a started program still holds the pipe";
  ::close(pipe_fds[0]);
}

// The checker program stays where it is installed. Each item is seeded only while the
// user has none: a later start keeps the user's changes and does not bring back what the
// user removed from a folder, only what is missing as a whole.
TEST(UserProgramFolderTest, ReadOnlyInstallSeedsTheUserFolder) {
  testing::TempFolder shipped, home;
  shipped.Write("help.html", "<html>help</html>");
  shipped.Write("template/docomo/index.html", "docomo template");
  shipped.Write("template/au/index.html", "au template");
  fs::create_directories(shipped / "template/Vodafone");
  fs::permissions(shipped.Write("template/tovrin", "ELF"), fs::perms::owner_all);
  fs::create_directory_symlink("..", shipped / "template/au/up");
  const fs::path user = home / "veldor";
  EXPECT_TRUE(IsWritableFolder(shipped.path()));  // an install the user may write to
  EXPECT_EQ(ChooseProgramFolder(shipped.path(), true, user), shipped.path());
  EXPECT_FALSE(fs::exists(user));
  EXPECT_EQ(ChooseProgramFolder(shipped.path(), false, user), user);
  EXPECT_EQ(home.Read("veldor/help.html"), "<html>help</html>");
  EXPECT_EQ(home.Read("veldor/template/au/index.html"), "au template");
  EXPECT_TRUE(fs::is_directory(user / "template/Vodafone"));
  EXPECT_FALSE(fs::exists(user / "template/tovrin"));
  EXPECT_EQ(fs::read_symlink(user / "template/au/up"), "..");  // copied as a link
  home.Write("veldor/template/docomo/index.html", "edited by the user");
  fs::remove(user / "template/au/index.html");
  fs::remove(user / "help.html");
  SeedUserProgramFolder(shipped.path(), user);
  EXPECT_EQ(home.Read("veldor/template/docomo/index.html"), "edited by the user");
  EXPECT_FALSE(fs::exists(user / "template/au/index.html"));
  EXPECT_EQ(home.Read("veldor/help.html"), "<html>help</html>");
}

// Only an absolute folder: a relative HOME or XDG_DATA_HOME would put the settings
// wherever the program runs. A user without any absolute folder gets none, and nothing
// is created for them.
TEST(UserProgramFolderTest, OnlyAnAbsoluteFolderOfTheUser) {
  testing::ScopedEnvironment environment;
  environment.Set("HOME", "/home/someone");
  environment.Set("XDG_DATA_HOME", "/srv/data");
  EXPECT_EQ(UserProgramFolder(), fs::path("/srv/data/veldor"));
  environment.Set("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(UserProgramFolder(), fs::path("/home/someone/.local/share/veldor"));
  environment.Set("HOME", ".");  // then the user's home folder as the system knows it
  EXPECT_EQ(UserProgramFolder(), fs::path(::getpwuid(::getuid())->pw_dir) / ".local/share/veldor");
  // A user the system does not know, as a child process; only root may become one (CI
  // runs the tests as root).
  if (::geteuid() == 0) {
    const pid_t child = ::fork();
    if (child == 0) {
      const bool none = ::setgid(54321) == 0 && ::setuid(54321) == 0 &&
                        ::getpwuid(54321) == nullptr && UserProgramFolder().empty();
      ::_exit(none ? 0 : 1);
    }
    int status = 0;
    EXPECT_TRUE(::waitpid(child, &status, 0) == child && status == 0);
  }
  const testing::TempFolder shipped;
  EXPECT_EQ(ChooseProgramFolder(shipped.path(), false, {}), std::nullopt);
  EXPECT_EQ(std::distance(fs::directory_iterator(shipped.path()), {}), 0);
}

// Names that stay inside their folder on both systems; 0x95 0x5C is one character, not a
// backslash.
TEST(FileNameTest, BareFileNamesOnly) {
  // clang-format off
  const std::pair<std::string_view, bool> rows[] = {{"index.html", true}, {"\x95\x5C.html", true},
      {"COM0.html", true}, {"LPT10", true}, {"console.htm", true}, {"..html", true},
      {"", false}, {".", false}, {"..", false}, {"a/b.html", false}, {"a\\b.html", false},
      {"c:a.html", false}, {std::string_view("a\0.html", 7), false}, {"CON", false},
      {"prn.html", false}, {"Aux.tar.html", false}, {"nul .html", false}, {"com1.html", false},
      {"LPT9", false}};
  // clang-format on
  for (const auto& [name, bare] : rows) EXPECT_EQ(IsBareFileName(name), bare) << name;
}

// Each row: a path given, and the path dropped; "." at its start stands for the current
// folder. "/proc/self" is a symbolic link: a path through it keeps it, ".." included.
TEST(DroppedPathTest, NamesWhatTheDropNames) {
  // clang-format off
  const char* const rows[][2] = {{"photos//", "./photos"}, {"photos/.", "./photos"},
      {"photos/..", "."}, {"/proc/self/", "/proc/self"}, {"/proc/self/cwd/..", "/proc/self"},
      {"/a//b/./c/../d/", "/a/b/d"}, {"/", "/"}, {"//", "/"}, {"", ""}};
  // clang-format on
  for (const auto& [given, dropped] : rows) {
    std::string expected = dropped;
    if (expected.starts_with('.')) expected.replace(0, 1, std::filesystem::current_path());
    EXPECT_EQ(DroppedPath(given).string(), expected) << given;
  }
}

// RFC 3339 times carry the zone's offset in whole minutes (an old offset with seconds is cut
// to the minute below, the time of day with it), and nothing past year 9999.
TEST(LocalTimeTest, Rfc3339CarriesTheOffset) {
  const std::tuple<const char*, std::time_t, std::optional<std::string>> rows[] = {
      {"JST-9", 1068005118, "2003-11-05T13:05:18+09:00"},
      {"XYZ3:30", 0, "1969-12-31T20:30:00-03:30"},
      {"Asia/Tokyo", -2840140800, "1880-01-01T09:18:00+09:18"},
      {"UTC0", 253402300800, std::nullopt}};
  for (const auto& [zone, time, expected] : rows) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    EXPECT_EQ(FormatRfc3339LocalTime(time), expected) << zone;
  }
  testing::PinTimeZoneToTokyo();  // as every test of this program has it
}

}  // namespace
}  // namespace veldor
