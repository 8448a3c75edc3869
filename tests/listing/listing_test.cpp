// A drop as the user makes it: files answered by a message, folders listed in order, and
// one result message naming what was written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "listing/listing_run.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::U8Message;
using Messages = std::vector<Message>;
using Paths = std::vector<fs::path>;
using Names = std::vector<std::string>;

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
  // A file of `size` bytes, or a folder, modified at 2003/11/05 13:05:18 in Tokyo.
  fs::path Touch(const std::string& rel, int size = -1) {
    if (size < 0) fs::create_directories(work_ / rel);
    const fs::path path =
        size < 0 ? work_ / rel : work_.Write(rel, std::string(static_cast<std::size_t>(size), 'x'));
    const timespec times[2] = {{1068005118, 0}, {1068005118, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    return path;
  }
  Names Contents(const std::string& rel) const {
    Names names;
    for (const auto& entry : fs::directory_iterator(work_ / rel))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  static Message Result(const std::string& lines) {
    return U8Message("処理結果", lines + "\r\nを出力しました。", Icon::None);
  }
  static Message FileInfo(const std::string& name, const std::string& figures) {
    return U8Message(name,
                     figures + "\r\n作成日時 2003/03/01 18:00:00\r\n更新日時 2003/11/05 13:05:18",
                     Icon::None);
  }

  testing::TempFolder program_, work_;
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  testing::RecordingShell shell_;
  FixedBirthFileSystem file_system_;
  ListerContext context_{settings_,    lists_,          messages_,         shell_,
                         file_system_, program_.path(), "/usr/bin/browser"};
};

TEST_F(ListingRunTest, FilesAndFoldersAreHandledInDropOrder) {
  Touch("photos/x.png", 129);
  RunDrop({Touch("a.jpg", 1), Touch("photos"), Touch("b.GIF", 3000), Touch("photos.2003"),
           work_ / "gone.jpg"},
          context_);
  // A folder's own size is nothing to send, whatever the file system reserves for it.
  EXPECT_EQ(
      messages_.shown,
      (Messages{FileInfo("a.jpg", "1 byte\r\n1 パケット 0 円"),
                FileInfo("b.GIF", "3000 byte\r\n24 パケット 7 円"),
                FileInfo("photos.2003", "0 byte\r\n0 パケット 0 円"),
                U8Message("gone.jpg",
                          (work_ / "gone.jpg").string() + "\r\nの情報を読み取れませんでした。",
                          Icon::Exclamation),
                Result("photos.txt\r\n")}));
  EXPECT_EQ(Cp932ToUtf8(work_.Read("photos/photos.txt")),
            "x.png         129 byte   2003/11/05 13:05:18 更新        2 パケット      1 円\r\n");
  EXPECT_EQ(Contents("photos.2003"), Names{});
}

TEST_F(ListingRunTest, ANameWithoutExtensionThatIsNoFolderEndsTheDrop) {
  Touch("photos/x.jpg", 1);
  RunDrop({Touch("photos"), work_ / "missing", Touch("music"), Touch("a.jpg", 1)}, context_);
  EXPECT_EQ(messages_.shown, Messages{});
  EXPECT_EQ(Contents("photos"), (Names{"photos.txt", "x.jpg"}));
  EXPECT_EQ(Contents("music"), Names{});
}

TEST_F(ListingRunTest, ResultNamesEveryListingWrittenEvenAnEmptyOne) {
  settings_.output_mode = kCsv;
  settings_.over_write = 1;
  settings_.file_open = 1;
  Touch("empty/notes.txt", 1);  // filtered out
  work_.Write("declined/declined.csv", "old");
  Touch("failed/failed.csv");  // a folder where the listing should go
  messages_.Script({Answer::No});
  RunDrop({Touch("empty"), Touch("declined"), Touch("failed"), Touch("音楽")}, context_);
  ASSERT_EQ(messages_.shown.size(), 3u);
  EXPECT_EQ(messages_.shown[2], Result("empty.csv\r\n音楽.csv\r\n"));
  // Every listing is opened, even one that was kept or could not be written.
  EXPECT_EQ(shell_.opened, (Paths{work_ / "empty/empty.csv", work_ / "declined/declined.csv",
                                  work_ / "failed/failed.csv", work_ / "音楽/音楽.csv"}));
  EXPECT_EQ(FolderBaseName("/"), "root");
}

TEST_F(ListingRunTest, NothingIsShownOrWrittenWhenNotWanted) {
  settings_.print_result = 0;
  RunDrop({Touch("photos")}, context_);
  EXPECT_EQ(Contents("photos"), Names{"photos.txt"});
  settings_.output_mode = 4;
  RunDrop({Touch("music")}, context_);
  settings_.output_mode = kHtml;
  settings_.print_result = 1;
  settings_.company = 4;
  RunDrop({Touch("music")}, context_);
  settings_.company = kAu;
  settings_.templates[kAu].clear();
  RunDrop({Touch("music")}, context_);
  EXPECT_EQ(messages_.shown, Messages{});
  EXPECT_EQ(Contents("music"), Names{});
}

// HTML: one page per template of the carrier, in list order; the browser gets every page,
// even one that failed.
TEST_F(ListingRunTest, HtmlWritesOnePagePerTemplateInListOrder) {
  settings_.output_mode = kHtml;
  settings_.file_open = 1;
  settings_.templates[kDocomo] = {"index.html", "missing.html", "top.html"};
  program_.Write("template/docomo/index.html",
                 "<h1>[@DNAME@]</h1>\n[@START@]\n<p>[@FNAME@]</p>\n[@STOP@]\n<hr>\n");
  program_.Write("template/docomo/top.html", "top\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n");
  Touch("B/a.jpg", 200);
  RunDrop({Touch("B")}, context_);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "指定されたテンプレートが開けません");
  EXPECT_EQ(messages_.shown[1], Result("B/index.html\r\nB/top.html\r\n"));
  EXPECT_EQ(work_.Read("B/index.html"), "<h1>B</h1>\r\n<p>a.jpg</p>\r\n<hr>\r\n");
  EXPECT_EQ(work_.Read("B/top.html"), "top\r\n2\r\nend\r\n");
  using Start = std::pair<fs::path, std::string>;
  EXPECT_EQ(shell_.started, (std::vector<Start>{{"/usr/bin/browser", work_ / "B/index.html"},
                                                {"/usr/bin/browser", work_ / "B/missing.html"},
                                                {"/usr/bin/browser", work_ / "B/top.html"}}));
  EXPECT_EQ(shell_.opened, Paths{});
}

TEST(ListerTest, StartsUpFromTheProgramFolder) {
  testing::TempFolder program;
  program.Write("quorsel.ini", "[MAIN_OPTION]\r\ncompany=3\r\n");
  program.Write("replace_list2.csv", "Trip,loaded\r\n");
  fs::create_directory(program / "replace_list.csv");
  testing::RecordingMessages messages;
  testing::RecordingShell shell;
  Lister lister(program.path(), messages, shell);
  EXPECT_EQ(messages.shown,
            Messages{ReplaceListMessage(ListKind::FileNames, ListMessage::StartupReadError)});
  EXPECT_EQ(lister.context().lists.FindExtendedText(ListKind::FolderNames, "Trip"), "loaded");
  EXPECT_EQ(lister.context().program_folder, program.path());
  EXPECT_EQ(&lister.context().settings, &lister.settings());
  lister.settings().output_mode = kHtml;
  lister.SaveSettings();
  Lister again(program.path(), messages, shell);
  EXPECT_EQ(again.settings().company * 10 + again.settings().output_mode, kAu * 10 + kHtml);
}

}  // namespace
}  // namespace veldor
