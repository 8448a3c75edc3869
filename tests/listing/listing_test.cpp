// A drop as the user makes it: files answered by a message, folders listed in order (one
// that cannot be listed says so and the drop goes on), and
// one result message naming what was written; and the start-up from the program folder
// (what a list that cannot be read shows is the lists' own test).
#include <gtest/gtest.h>

#include "listing/listing_run.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"
#include "support/test_runner.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::U8Message;
using Messages = std::vector<Message>;
using Paths = std::vector<fs::path>;

// The disk as it is, with times that a test cannot set on a real file: modified at
// 2003/11/05 13:05:18, created at 2003/03/01 18:00:00 in Tokyo.
struct FixedTimesFileSystem : RealFileSystem {
  static std::optional<FileStatus> Fix(std::optional<FileStatus> status) {
    if (status) *status = {status->size, 1068005118, 1046509200};
    return status;
  }
  std::optional<FileStatus> Status(const fs::path& path) override {
    return Fix(RealFileSystem::Status(path));
  }
  std::optional<std::vector<FolderEntry>> Enumerate(const fs::path& folder) override {
    auto entries = RealFileSystem::Enumerate(folder);
    for (FolderEntry& entry : entries ? *entries : none_) entry.status = Fix(entry.status);
    return entries;
  }
  std::vector<FolderEntry> none_;
};

class ListingRunTest : public ::testing::Test {
 protected:
  ListingRunTest() { testing::PinTimeZoneToTokyo(); }
  fs::path Folder(const std::string& rel) const {
    fs::create_directories(work_ / rel);
    return work_ / rel;
  }
  void Drop(const Paths& paths) { RunDrop(paths, context_); }
  static Message Result(const std::string& lines) {
    return U8Message("処理結果", lines + "\r\nを出力しました。", Icon::None);
  }

  testing::TempFolder program_, work_;
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  testing::RecordingShell shell_;
  FixedTimesFileSystem file_system_;
  ListerContext context_{settings_,    lists_,          messages_,         shell_,
                         file_system_, program_.path(), "/usr/bin/browser"};
};

TEST_F(ListingRunTest, DropOrder) {
  work_.Write("photos/x.png", std::string(129, 'x'));
  work_.Write("photos/a.png", "");
  settings_.sort_style = 1;  // names descending, against the folder's order
  work_.Write("photos.2003/x.jpg", "x");
  Drop({work_.Write("a.jpg", "x"), work_ / "missing", Folder("photos"),
        work_.Write("b.GIF", std::string(3000, 'x')), work_ / "photos.2003",
        work_.Write("README", "x")});
  const auto unlisted = [&](const char* name) {
    return U8Message(name,
                     (work_ / name).string() +
                         "\r\nを一覧にできませんでした。\r\n"
                         "フォルダがあるか、読み取れるかを確認してください。",
                     Icon::Exclamation);
  };
  const std::string dates = "\r\n作成日時 2003/03/01 18:00:00\r\n更新日時 2003/11/05 13:05:18";
  // A folder's own size is nothing to send, whatever the file system reserves for it.
  EXPECT_EQ(messages_.shown,
            (Messages{U8Message("a.jpg", "1 byte\r\n1 パケット 0 円" + dates, Icon::None),
                      unlisted("missing"),
                      U8Message("b.GIF", "3000 byte\r\n24 パケット 7 円" + dates, Icon::None),
                      U8Message("photos.2003", "0 byte\r\n0 パケット 0 円" + dates, Icon::None),
                      unlisted("README"), Result("photos.txt\r\n")}));
  EXPECT_EQ(Cp932ToUtf8(work_.Read("photos/photos.txt")),
            "x.png         129 byte   2003/11/05 13:05:18 更新        2 パケット      1 円\r\n"
            "a.png           0 byte   2003/11/05 13:05:18 更新        0 パケット      0 円\r\n");
  EXPECT_FALSE(fs::exists(work_ / "photos.2003/photos.2003.txt"));
}

TEST_F(ListingRunTest, ResultAndOpening) {
  settings_.output_mode = kCsv;
  settings_.over_write = 1;
  settings_.file_open = 1;
  work_.Write("empty/notes.txt", "x");  // filtered out
  work_.Write("declined/declined.csv", "old");
  Folder("failed/failed.csv");  // a folder where the listing should go
  messages_.Script({Answer::No});
  // The result names a listing with every character of its name, Shift_JIS or not.
  Drop({Folder("empty"), Folder("declined"), Folder("failed"), Folder("音楽é한")});
  ASSERT_EQ(messages_.shown.size(), 3u);
  EXPECT_EQ(messages_.shown[2], Result("empty.csv\r\n音楽é한.csv\r\n"));
  // Every listing is opened, even one that was kept or could not be written.
  EXPECT_EQ(shell_.opened, (Paths{work_ / "empty/empty.csv", work_ / "declined/declined.csv",
                                  work_ / "failed/failed.csv", work_ / "音楽é한/音楽é한.csv"}));
  EXPECT_EQ(FolderBaseName("/"), "root");
}

// No result message when the user wants none or when nothing was written (no such format,
// no such carrier, no templates).
TEST_F(ListingRunTest, NoResult) {
  settings_.print_result = 0;
  Drop({Folder("photos")});
  settings_.print_result = 1;
  for (const auto& [output_mode, company] :
       {std::pair<int, int>{4, 1}, {kHtml, 4}, {kHtml, CompanyValue(Carrier::Au)}}) {
    settings_.output_mode = output_mode;
    settings_.company = company;
    settings_.templates[Carrier::Au].clear();
    Drop({Folder("music")});
  }
  EXPECT_EQ(messages_.shown, Messages{});
  EXPECT_TRUE(fs::exists(work_ / "photos/photos.txt"));
  EXPECT_TRUE(fs::is_empty(work_ / "music"));
}

// HTML: one page per template of the carrier, in list order; the browser gets every page,
// even one that failed, and none when the user does not want the written files opened.
TEST_F(ListingRunTest, HtmlPages) {
  settings_.output_mode = kHtml;
  settings_.file_open = 1;
  settings_.templates[Carrier::Docomo] = {"index.html", "missing.html", "top.html"};
  program_.Write("template/docomo/index.html",
                 "<h1>[@DNAME@]</h1>\n[@START@]\n<p>[@FNAME@]</p>\n[@STOP@]\n<hr>\n");
  program_.Write("template/docomo/top.html", "top\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n");
  work_.Write("B/a.jpg", std::string(200, 'x'));
  Drop({work_ / "B"});
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].caption, "指定されたテンプレートが開けません");
  EXPECT_EQ(messages_.shown[1], Result("B/index.html\r\nB/top.html\r\n"));
  EXPECT_EQ(work_.Read("B/index.html"), "<h1>B</h1>\r\n<p>a.jpg</p>\r\n<hr>\r\n");
  EXPECT_EQ(work_.Read("B/top.html"), "top\r\n2\r\nend\r\n");
  using Start = std::pair<fs::path, fs::path>;
  EXPECT_EQ(shell_.started, (std::vector<Start>{{"/usr/bin/browser", work_ / "B/index.html"},
                                                {"/usr/bin/browser", work_ / "B/missing.html"},
                                                {"/usr/bin/browser", work_ / "B/top.html"}}));
  EXPECT_EQ(shell_.opened, Paths{});
  settings_.file_open = 0;  // pages written, none shown
  Drop({Folder("C")});
  EXPECT_EQ(shell_.started.size(), 3u);
}

TEST(ListerTest, StartUp) {
  testing::TempFolder program;
  program.Write("quorsel.ini", "[MAIN_OPTION]\r\ncompany=3\r\n");
  program.Write("replace_list2.csv", "Trip,loaded\r\n");
  testing::RecordingMessages messages;
  testing::RecordingShell shell;
  Lister lister(program.path(), messages, shell);
  EXPECT_EQ(lister.context().lists.FindExtendedText(ListKind::FolderNames, "Trip"), "loaded");
  // Saving them again is what closing the main window does, and is that window's test.
  EXPECT_EQ(lister.context().settings.company, CompanyValue(Carrier::Au));
}

}  // namespace
}  // namespace veldor
