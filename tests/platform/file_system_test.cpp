#include "platform/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/program_folder.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class FileSystemTest : public ::testing::Test {
 protected:
  std::vector<std::pair<std::string, bool>> Listed(const fs::path& folder) {
    const auto entries = file_system_.Enumerate(folder);
    EXPECT_TRUE(entries.has_value());
    std::vector<std::pair<std::string, bool>> listed;
    if (entries) {
      for (const auto& entry : *entries)
        listed.emplace_back(entry.name.native(), entry.is_directory);
    }
    return listed;
  }

  void SetModified(const fs::path& file, std::time_t time) {
    const timespec times[2] = {{time, 0}, {time, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  }

  TempFolder folder_;
  RealFileSystem file_system_;
};

TEST_F(FileSystemTest, EnumeratesInByteOrderWithDirectoryFlags) {
  for (const char* name : {"b.jpg", "B.jpg", "a.gif", "_x", "\xE5\x86\x99.png", ".hidden"}) {
    folder_.Write(name, "x");
  }
  fs::create_directory(folder_ / "sub");
  fs::create_directory_symlink(folder_ / "sub", folder_ / "link_to_sub");
  fs::create_symlink(folder_ / "b.jpg", folder_ / "link_to_file");
  fs::create_symlink(folder_ / "missing", folder_ / "dangling");
  folder_.Write("sub/inner.jpg", "not listed");

  const std::vector<std::pair<std::string, bool>> expected{
      {".hidden", false},         {"B.jpg", false},      {"_x", false},
      {"a.gif", false},           {"b.jpg", false},      {"dangling", false},
      {"link_to_file", false},    {"link_to_sub", true}, {"sub", true},
      {"\xE5\x86\x99.png", false}};
  EXPECT_EQ(Listed(folder_.path()), expected);
}

TEST_F(FileSystemTest, EmptyFolderGivesNoEntriesAndAMissingFolderOrAFileNothing) {
  EXPECT_TRUE(Listed(folder_.path()).empty());
  EXPECT_EQ(file_system_.Enumerate(folder_ / "missing"), std::nullopt);
  EXPECT_EQ(file_system_.Enumerate(folder_.Write("file", "x")), std::nullopt);
}

TEST_F(FileSystemTest, StatusFollowsSymlinksToSizeAndModificationTime) {
  SetModified(folder_.Write("five.txt", "12345"), 1000000000);
  fs::create_symlink(folder_ / "five.txt", folder_ / "link");
  const auto status = file_system_.Status(folder_ / "link");
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 5);
  EXPECT_EQ(status->modified, 1000000000);
  EXPECT_EQ(file_system_.Status(folder_ / "missing"), std::nullopt);
}

TEST_F(FileSystemTest, CreatedIsTheBirthTimeWhereTheFileSystemHasOne) {
  const std::time_t before = std::time(nullptr);
  const fs::path file = folder_.Write("new.txt", "x");
  SetModified(file, 1000000000);
  const auto status = file_system_.Status(file);
  ASSERT_TRUE(status.has_value());
  struct statx raw {};
  ASSERT_EQ(::statx(AT_FDCWD, file.c_str(), 0, STATX_BTIME, &raw), 0);
  if ((raw.stx_mask & STATX_BTIME) != 0) {
    EXPECT_GE(status->created, before - 1);
    EXPECT_LE(status->created, std::time(nullptr) + 1);
  } else {
    EXPECT_EQ(status->created, status->modified);
  }
}

class FormatLocalTimeTest : public ::testing::Test {
 protected:
  void UseZone(const char* zone) {
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  void TearDown() override { UseZone("Asia/Tokyo"); }
};

TEST_F(FormatLocalTimeTest, FormatsInTheLocalZoneWithPaddedFields) {
  UseZone("JST-9");
  EXPECT_EQ(FormatLocalTime(0), "1970/01/01 09:00:00");
  EXPECT_EQ(FormatLocalTime(1700000000), "2023/11/15 07:13:20");
  UseZone("UTC0");
  EXPECT_EQ(FormatLocalTime(1700000000), "2023/11/14 22:13:20");
  EXPECT_EQ(FormatLocalTime(978307199), "2000/12/31 23:59:59");
}

TEST(ExecutableFolderTest, IsTheFolderOfTheRunningProgram) {
  const fs::path folder = ExecutableFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(fs::is_regular_file(folder / program_invocation_short_name));
}

}  // namespace
}  // namespace veldor
