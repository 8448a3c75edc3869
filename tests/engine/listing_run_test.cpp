// A drop as the user makes it: files answered by a message, folders listed in order, and
// one result message naming what was written.

#include "engine/listing_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {

// Failures show the message as the user would read it.
void PrintTo(const Message& message, std::ostream* out) {
  *out << "[" << Cp932ToUtf8(message.caption) << "] "
       << ::testing::PrintToString(Cp932ToUtf8(message.text)) << " icon "
       << static_cast<int>(message.icon) << " buttons " << static_cast<int>(message.buttons);
}

namespace {

using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;

class RecordingShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path& file) override { opened.push_back(file); }
  void StartProgram(const std::filesystem::path& program, const std::string&) override {
    started.push_back(program);
  }
  std::vector<std::filesystem::path> opened;
  std::vector<std::filesystem::path> started;
};

// The disk as it is, except for a creation time that a test cannot set on a real file.
class FixedBirthFileSystem : public RealFileSystem {
 public:
  std::optional<FileStatus> Status(const std::filesystem::path& path) override {
    auto status = RealFileSystem::Status(path);
    if (status) status->created = kCreated;
    return status;
  }
  static constexpr std::time_t kCreated = 1046509200;  // 2003/03/01 18:00:00 in Tokyo
};

// 2003/11/05 13:05:18 in Tokyo.
constexpr std::time_t kModified = 1068005118;

class ListingRunTest : public ::testing::Test {
 protected:
  ListingRunTest() : lists_(program_.path()) {
    // Dates below are Tokyo times, whatever zone the machine is in.
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
  }

  // A file of `size` bytes modified at kModified.
  std::filesystem::path File(const std::string& rel, std::size_t size = 0) {
    const auto path = work_.Write(rel, std::string(size, 'x'));
    const timespec times[2] = {{kModified, 0}, {kModified, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    return path;
  }
  std::filesystem::path Folder(const std::string& rel) {
    std::filesystem::create_directories(work_ / rel);
    return work_ / rel;
  }
  void Drop(const std::vector<std::filesystem::path>& paths) { RunDrop(paths, context_); }

  static Message Result(const std::string& lines) {
    return U8Message("処理結果", lines + "\r\nを出力しました。", Icon::None);
  }
  static Message FileInfo(const std::string& name, const std::string& figures) {
    return U8Message(name,
                     figures + "\r\n作成日時 2003/03/01 18:00:00\r\n更新日時 2003/11/05 13:05:18",
                     Icon::None);
  }

  TempFolder program_;
  TempFolder work_;
  ListingSettings settings_;
  ReplaceLists lists_;
  RecordingMessages messages_;
  RecordingShell shell_;
  FixedBirthFileSystem file_system_;
  ListerContext context_{settings_, lists_, messages_, shell_, file_system_, program_.path(), {}};
};

TEST_F(ListingRunTest, DroppedFileShowsItsFiguresAndNoResult) {
  Drop({File("a.jpg", 640)});
  EXPECT_EQ(messages_.shown,
            std::vector<Message>{FileInfo("a.jpg", "640 byte\r\n5 パケット 2 円")});
}

TEST_F(ListingRunTest, FileFolderFileAreHandledInDropOrder) {
  File("photos/x.png", 129);
  const auto a = File("a.jpg", 1);
  const auto b = File("b.GIF", 3000);
  Drop({a, Folder("photos"), b});
  EXPECT_EQ(messages_.shown,
            (std::vector<Message>{FileInfo("a.jpg", "1 byte\r\n1 パケット 0 円"),
                                  FileInfo("b.GIF", "3000 byte\r\n24 パケット 7 円"),
                                  Result("photos.txt\r\n")}));
  EXPECT_EQ(Cp932ToUtf8(work_.Read("photos/photos.txt")),
            "x.png         129 byte   2003/11/05 13:05:18 更新        2 パケット      1 円\r\n");
}

TEST_F(ListingRunTest, FolderWhoseNameHasAnExtensionGetsTheFileMessage) {
  File("photos.2003/x.jpg");
  Drop({Folder("photos.2003")});
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "photos.2003");
  EXPECT_FALSE(std::filesystem::exists(work_ / "photos.2003/photos.2003.txt"));
}

TEST_F(ListingRunTest, NameWithoutExtensionThatIsNoFolderEndsTheDrop) {
  File("photos/x.jpg");
  Drop({File("README"), Folder("photos"), File("a.jpg")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(work_ / "photos/photos.txt"));
}

TEST_F(ListingRunTest, NameWithoutExtensionAfterAFolderSuppressesOnlyTheResult) {
  File("photos/x.jpg");
  Drop({Folder("photos"), work_ / "missing", Folder("music")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(std::filesystem::exists(work_ / "photos/photos.txt"));
  EXPECT_FALSE(std::filesystem::exists(work_ / "music/music.txt"));
}

TEST_F(ListingRunTest, EmptyFolderGetsAnEmptyListingNamedInTheResult) {
  File("empty/notes.txt");  // filtered out
  Drop({Folder("empty")});
  EXPECT_EQ(messages_.shown, std::vector<Message>{Result("empty.txt\r\n")});
  EXPECT_EQ(work_.Read("empty/empty.txt"), "");
}

TEST_F(ListingRunTest, ResultNamesEveryListingInOrder) {
  settings_.output_mode = kCsv;
  Drop({Folder("photos"), Folder("音楽")});
  EXPECT_EQ(messages_.shown, std::vector<Message>{Result("photos.csv\r\n音楽.csv\r\n")});
  EXPECT_TRUE(std::filesystem::exists(work_ / "音楽/音楽.csv"));
}

TEST_F(ListingRunTest, NoResultMessageWhenItIsNotWanted) {
  settings_.print_result = 0;
  Drop({Folder("photos")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(std::filesystem::exists(work_ / "photos/photos.txt"));
}

TEST_F(ListingRunTest, DeclinedListingIsLeftOutButStillOpened) {
  settings_.over_write = 1;
  settings_.file_open = 1;
  work_.Write("photos/photos.txt", "old");
  messages_.Script({Answer::No});
  Drop({Folder("photos"), Folder("music")});
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "上書き確認");
  EXPECT_EQ(messages_.shown[1], Result("music.txt\r\n"));
  EXPECT_EQ(work_.Read("photos/photos.txt"), "old");
  EXPECT_EQ(shell_.opened, (std::vector<std::filesystem::path>{work_ / "photos/photos.txt",
                                                               work_ / "music/music.txt"}));
}

TEST_F(ListingRunTest, ListingThatCannotBeWrittenIsNotCalledWritten) {
  settings_.file_open = 1;
  Folder("photos/photos.txt");  // a folder where the listing should go
  Drop({Folder("photos")});
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "書き込みエラーです");
  EXPECT_EQ(shell_.opened, std::vector<std::filesystem::path>{work_ / "photos/photos.txt"});
}

TEST_F(ListingRunTest, OutputModeOutsideTheFormatsWritesNothing) {
  settings_.output_mode = 4;
  Drop({Folder("photos")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(std::filesystem::is_empty(work_ / "photos"));
}

TEST_F(ListingRunTest, FileWhoseStatusCannotBeReadIsReported) {
  Drop({work_ / "gone.jpg"});
  EXPECT_EQ(messages_.shown,
            std::vector<Message>{U8Message(
                "gone.jpg", (work_ / "gone.jpg").string() + "\r\nの情報を読み取れませんでした。",
                Icon::Exclamation)});
}

TEST(FolderBaseNameTest, RootIsNamedRoot) {
  EXPECT_EQ(FolderBaseName("/home/user/photos"), "photos");
  EXPECT_EQ(FolderBaseName("/"), "root");
}

}  // namespace
}  // namespace veldor
