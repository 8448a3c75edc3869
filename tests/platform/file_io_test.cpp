#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// The names in a folder, to show that no temporary file was left behind.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

unsigned Mode(const fs::path& file) {
  struct stat status {};
  EXPECT_EQ(::stat(file.c_str(), &status), 0);
  return status.st_mode & 07777;
}

class FileIoTest : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(FileIoTest, ReadsEveryByteAndRefusesMissingFilesAndFolders) {
  const std::string bytes("a\r\nb\0c\x95\x5C\n", 9);
  EXPECT_EQ(ReadFileBytes(folder_.Write("f.txt", bytes)), bytes);
  EXPECT_EQ(ReadFileBytes(folder_.Write("empty", "")), "");
  EXPECT_EQ(ReadFileBytes(folder_ / "missing"), std::nullopt);
  EXPECT_EQ(ReadFileBytes(folder_.path()), std::nullopt);
  // A named pipe without a writer is refused at once instead of waiting for one.
  ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(folder_ / "pipe"), std::nullopt);
}

TEST_F(FileIoTest, WritesANewFileWithTheUmaskMode) {
  const mode_t old_mask = ::umask(027);
  const bool written = WriteFileAtomically(folder_ / "new.txt", "hello\r\n");
  ::umask(old_mask);
  ASSERT_TRUE(written);
  EXPECT_EQ(folder_.Read("new.txt"), "hello\r\n");
  EXPECT_EQ(Mode(folder_ / "new.txt"), 0640u);
  EXPECT_EQ(Names(folder_.path()), std::vector<std::string>{"new.txt"});
}

TEST_F(FileIoTest, WritesAFileWhoseNameHasTheLongestLengthAllowed) {
  const std::string name = std::string(251, 'n') + ".txt";
  ASSERT_TRUE(WriteFileAtomically(folder_ / name, "x"));
  ASSERT_TRUE(WriteFileAtomically(folder_ / name, "y"));
  EXPECT_EQ(folder_.Read(name), "y");
  EXPECT_EQ(Names(folder_.path()), std::vector<std::string>{name});
}

TEST_F(FileIoTest, ReplacesAnExistingFileKeepingItsModeAndWritesThroughASymlink) {
  const fs::path file = folder_.Write("old.txt", "a much longer earlier content");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(file, folder_ / "link.txt");
  ASSERT_TRUE(WriteFileAtomically(folder_ / "link.txt", "short"));
  EXPECT_EQ(folder_.Read("old.txt"), "short");
  EXPECT_EQ(Mode(file), 0640u);
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
  EXPECT_EQ(Names(folder_.path()), (std::vector<std::string>{"link.txt", "old.txt"}));
}

TEST_F(FileIoTest, FailsWhenAFolderStandsAtTheTargetOrTheParentIsNoFolder) {
  fs::create_directory(folder_ / "listing.txt");
  folder_.Write("listing.txt/inside", "kept");
  folder_.Write("plain", "kept");
  EXPECT_FALSE(WriteFileAtomically(folder_ / "listing.txt", "text"));
  EXPECT_FALSE(WriteFileAtomically(folder_ / "plain" / "listing.txt", "text"));
  EXPECT_FALSE(WriteFileAtomically(folder_ / "missing" / "listing.txt", "text"));
  EXPECT_EQ(folder_.Read("listing.txt/inside"), "kept");
  EXPECT_EQ(folder_.Read("plain"), "kept");
  EXPECT_EQ(Names(folder_.path()), (std::vector<std::string>{"listing.txt", "plain"}));
}

// A write that breaks off half way (here at the file size limit, which holds for root
// too) leaves the earlier file as it was and no temporary file.
TEST_F(FileIoTest, FailedWriteLeavesTheEarlierFileByteForByte) {
  const std::string earlier = "earlier listing\r\n";
  const fs::path file = folder_.Write("listing.txt", earlier);
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileAtomically(file, std::string(5000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(written);
  EXPECT_EQ(folder_.Read("listing.txt"), earlier);
  EXPECT_EQ(Names(folder_.path()), std::vector<std::string>{"listing.txt"});
}

struct LinesRow {
  const char* name;
  std::string_view text;
  std::vector<std::string> lines;
};

class ForEachLineTest : public ::testing::TestWithParam<LinesRow> {};

TEST_P(ForEachLineTest, SplitsAsATextStream) {
  std::vector<std::string> lines;
  ForEachLine(GetParam().text, [&](std::string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Rows, ForEachLineTest,
                         ::testing::Values(LinesRow{"Empty", "", {}},
                                           LinesRow{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                           LinesRow{"Lf", "a\nb\n", {"a", "b"}},
                                           LinesRow{"LastLineWithoutEnd", "a\nb", {"a", "b"}},
                                           LinesRow{"EmptyLines", "\n\r\n", {"", ""}},
                                           LinesRow{"LoneCrStays", "a\rb\r", {"a\rb\r"}}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veldor
