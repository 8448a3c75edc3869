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
#include "support/recording_shell.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::U8Message;
using Messages = std::vector<Message>;
using Paths = std::vector<fs::path>;

// The disk as it is, except for a creation time that a test cannot set on a real file.
class FixedBirthFileSystem : public RealFileSystem {
 public:
  std::optional<FileStatus> Status(const fs::path& path) override {
    auto status = RealFileSystem::Status(path);
    if (status) status->created = 1046509200;  // 2003/03/01 18:00:00 in Tokyo
    return status;
  }
};

class ListingRunTest : public ::testing::Test {
 protected:
  ListingRunTest() {
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
  }

  // A file of `size` bytes modified at 2003/11/05 13:05:18 in Tokyo.
  fs::path File(const std::string& rel, std::size_t size = 0) {
    return Touch(work_.Write(rel, std::string(size, 'x')));
  }
  static fs::path Touch(const fs::path& path) {
    const timespec times[2] = {{1068005118, 0}, {1068005118, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    return path;
  }
  fs::path Folder(const std::string& rel) {
    fs::create_directories(work_ / rel);
    return work_ / rel;
  }
  void Drop(const Paths& paths) { RunDrop(paths, context_); }
  std::vector<std::string> Contents(const std::string& rel) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(work_ / rel))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  Message Question(const std::string& rel) const {
    return U8Message("上書き確認",
                     (work_ / rel).string() + "は既に存在します。\r\n上書きしてもよろしいですか？",
                     Icon::None, Buttons::YesNo);
  }

  static Message Result(const std::string& lines) {
    return U8Message("処理結果", lines + "\r\nを出力しました。", Icon::None);
  }
  static Message FileInfo(const std::string& name, const std::string& figures) {
    return U8Message(name,
                     figures + "\r\n作成日時 2003/03/01 18:00:00\r\n更新日時 2003/11/05 13:05:18",
                     Icon::None);
  }

  testing::TempFolder program_;
  testing::TempFolder work_;
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  testing::RecordingShell shell_;
  FixedBirthFileSystem file_system_;
  ListerContext context_{settings_,    lists_,          messages_,         shell_,
                         file_system_, program_.path(), "/usr/bin/browser"};
};

TEST_F(ListingRunTest, FileFolderFileAreHandledInDropOrder) {
  File("photos/x.png", 129);
  Drop({File("a.jpg", 1), Folder("photos"), File("b.GIF", 3000)});
  EXPECT_EQ(messages_.shown, (Messages{FileInfo("a.jpg", "1 byte\r\n1 パケット 0 円"),
                                       FileInfo("b.GIF", "3000 byte\r\n24 パケット 7 円"),
                                       Result("photos.txt\r\n")}));
  EXPECT_EQ(Cp932ToUtf8(work_.Read("photos/photos.txt")),
            "x.png         129 byte   2003/11/05 13:05:18 更新        2 パケット      1 円\r\n");
}

TEST_F(ListingRunTest, FolderWhoseNameHasAnExtensionGetsTheFileMessage) {
  File("photos.2003/x.jpg", 5000);
  Drop({Touch(Folder("photos.2003"))});
  // A folder's own size is nothing to send, whatever the file system reserves for it.
  EXPECT_EQ(messages_.shown, Messages{FileInfo("photos.2003", "0 byte\r\n0 パケット 0 円")});
  EXPECT_EQ(Contents("photos.2003"), std::vector<std::string>{"x.jpg"});
}

TEST_F(ListingRunTest, NameWithoutExtensionThatIsNoFolderEndsTheDrop) {
  File("photos/x.jpg");
  Drop({File("README"), Folder("photos"), File("a.jpg")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_FALSE(fs::exists(work_ / "photos/photos.txt"));
}

TEST_F(ListingRunTest, NameWithoutExtensionAfterAFolderSuppressesOnlyTheResult) {
  File("photos/x.jpg");
  Drop({Folder("photos"), work_ / "missing", Folder("music")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(fs::exists(work_ / "photos/photos.txt"));
  EXPECT_FALSE(fs::exists(work_ / "music/music.txt"));
}

TEST_F(ListingRunTest, ResultNamesEveryListingInOrderEvenAnEmptyOne) {
  settings_.output_mode = kCsv;
  File("empty/notes.txt");  // filtered out
  Drop({Folder("empty"), Folder("音楽")});
  EXPECT_EQ(messages_.shown, Messages{Result("empty.csv\r\n音楽.csv\r\n")});
  EXPECT_TRUE(fs::exists(work_ / "音楽/音楽.csv"));
}

TEST_F(ListingRunTest, NoResultMessageWhenItIsNotWanted) {
  settings_.print_result = 0;
  Drop({Folder("photos")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(fs::exists(work_ / "photos/photos.txt"));
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
  EXPECT_EQ(shell_.opened, (Paths{work_ / "photos/photos.txt", work_ / "music/music.txt"}));
}

TEST_F(ListingRunTest, ListingThatCannotBeWrittenIsNotCalledWritten) {
  settings_.file_open = 1;
  Folder("photos/photos.txt");  // a folder where the listing should go
  Drop({Folder("photos")});
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "書き込みエラーです");
  EXPECT_EQ(shell_.opened, Paths{work_ / "photos/photos.txt"});
}

TEST_F(ListingRunTest, OutputModeOutsideTheFormatsWritesNothing) {
  settings_.output_mode = 4;
  Drop({Folder("photos")});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(fs::is_empty(work_ / "photos"));
}

TEST_F(ListingRunTest, FileWhoseStatusCannotBeReadIsReported) {
  Drop({work_ / "gone.jpg"});
  EXPECT_EQ(messages_.shown,
            Messages{U8Message("gone.jpg",
                               (work_ / "gone.jpg").string() + "\r\nの情報を読み取れませんでした。",
                               Icon::Exclamation)});
}

TEST(FolderBaseNameTest, RootIsNamedRoot) {
  EXPECT_EQ(FolderBaseName("/home/user/photos"), "photos");
  EXPECT_EQ(FolderBaseName("/"), "root");
}

// HTML: one page per template of the carrier, in list order.
class ListingRunHtmlTest : public ListingRunTest {
 protected:
  ListingRunHtmlTest() {
    settings_.output_mode = kHtml;
    settings_.templates[kDocomo] = {"index.html", "top.html"};
    program_.Write("template/docomo/index.html",
                   "<h1>[@DNAME@]</h1>\n[@START@]\n<p>[@FNAME@]</p>\n[@STOP@]\n<hr>\n");
    program_.Write("template/docomo/top.html", "top\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n");
    File("B/a.jpg", 200);
  }
};

TEST_F(ListingRunHtmlTest, WritesOnePagePerTemplateInListOrderAndNamesThem) {
  settings_.over_write = 1;
  work_.Write("B/index.html", "old");
  work_.Write("B/top.html", "old");
  messages_.Script({Answer::Yes, Answer::Yes});
  Drop({work_ / "B"});
  EXPECT_EQ(messages_.shown,
            (Messages{Question("B/index.html"), Question("B/top.html"),
                      U8Message("処理結果", "B/index.html\r\nB/top.html\r\n\r\nを出力しました。",
                                Icon::None)}));
  EXPECT_EQ(work_.Read("B/index.html"), "<h1>B</h1>\r\n<p>a.jpg</p>\r\n<hr>\r\n");
  EXPECT_EQ(work_.Read("B/top.html"), "top\r\n2\r\nend\r\n");
  EXPECT_TRUE(shell_.started.empty());
}

TEST_F(ListingRunHtmlTest, AnEmptyTemplateListWritesAndShowsNothing) {
  settings_.templates[kDocomo].clear();
  Drop({work_ / "B"});
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(Contents("B"), std::vector<std::string>{"a.jpg"});
}

TEST_F(ListingRunHtmlTest, StartsTheBrowserWithEveryPageEvenOneThatFailed) {
  settings_.file_open = 1;
  settings_.templates[kDocomo] = {"index.html", "missing.html"};
  Drop({work_ / "B"});
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "指定されたテンプレートが開けません");
  EXPECT_EQ(messages_.shown[1],
            U8Message("処理結果", "B/index.html\r\n\r\nを出力しました。", Icon::None));
  using Start = std::pair<fs::path, std::string>;
  EXPECT_EQ(shell_.started,
            (std::vector<Start>{{"/usr/bin/browser", (work_ / "B/index.html").string()},
                                {"/usr/bin/browser", (work_ / "B/missing.html").string()}}));
  EXPECT_TRUE(shell_.opened.empty());
  EXPECT_EQ(Contents("B"), (std::vector<std::string>{"a.jpg", "index.html"}));
}

}  // namespace
}  // namespace veldor
