// A drop written as HTML: one page per template of the carrier, in list order.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/listing_run.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;

class RecordingShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path& file) override { opened.push_back(file); }
  void StartProgram(const std::filesystem::path& program, const std::string& argument) override {
    started.emplace_back(program, argument);
  }

  std::vector<std::filesystem::path> opened;
  std::vector<std::pair<std::filesystem::path, std::string>> started;
};

class ListingRunHtmlTest : public ::testing::Test {
 protected:
  ListingRunHtmlTest() : lists_(program_.path()) {
    settings_.output_mode = kHtml;
    settings_.company = kDocomo;
    settings_.templates[kDocomo] = {"index.html", "top.html"};
    program_.Write("template/docomo/index.html",
                   "<h1>[@DNAME@]</h1>\n[@START@]\n<p>[@FNAME@]</p>\n[@STOP@]\n<hr>\n");
    program_.Write("template/docomo/top.html", "top\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n");
    work_.Write("B/a.jpg", std::string(200, 'x'));
  }

  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder program_;
  TempFolder work_;
  std::filesystem::path folder_ = work_ / "B";
  ListingSettings settings_;
  ReplaceLists lists_;
  RecordingMessages messages_;
  RecordingShell shell_;
  RealFileSystem file_system_;
  ListerContext context_{settings_,    lists_,          messages_,         shell_,
                         file_system_, program_.path(), "/usr/bin/browser"};
};

TEST_F(ListingRunHtmlTest, WritesOnePagePerTemplateInListOrderAndNamesThem) {
  settings_.over_write = 1;
  work_.Write("B/index.html", "old");
  work_.Write("B/top.html", "old");
  messages_.Script({Answer::Yes, Answer::Yes});

  RunDrop({folder_}, context_);

  const std::string question = "は既に存在します。\r\n上書きしてもよろしいですか？";
  EXPECT_EQ(messages_.shown,
            (std::vector<Message>{
                U8Message("上書き確認", folder_.string() + "/index.html" + question, Icon::None,
                          Buttons::YesNo),
                U8Message("上書き確認", folder_.string() + "/top.html" + question, Icon::None,
                          Buttons::YesNo),
                U8Message("処理結果", "B/index.html\r\nB/top.html\r\n\r\nを出力しました。",
                          Icon::None)}));
  EXPECT_EQ(work_.Read("B/index.html"), "<h1>B</h1>\r\n<p>a.jpg</p>\r\n<hr>\r\n");
  EXPECT_EQ(work_.Read("B/top.html"), "top\r\n2\r\nend\r\n");
  EXPECT_TRUE(shell_.started.empty());
}

TEST_F(ListingRunHtmlTest, AnEmptyTemplateListWritesAndShowsNothing) {
  settings_.templates[kDocomo].clear();
  RunDrop({folder_}, context_);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"a.jpg"});
}

TEST_F(ListingRunHtmlTest, StartsTheBrowserWithEveryPageEvenOneThatFailed) {
  settings_.file_open = 1;
  settings_.templates[kDocomo] = {"index.html", "missing.html"};
  RunDrop({folder_}, context_);

  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(messages_.shown[0].caption), "指定されたテンプレートが開けません");
  EXPECT_EQ(messages_.shown[1],
            U8Message("処理結果", "B/index.html\r\n\r\nを出力しました。", Icon::None));
  using Start = std::pair<std::filesystem::path, std::string>;
  EXPECT_EQ(shell_.started,
            (std::vector<Start>{{"/usr/bin/browser", (folder_ / "index.html").string()},
                                {"/usr/bin/browser", (folder_ / "missing.html").string()}}));
  EXPECT_TRUE(shell_.opened.empty());
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"a.jpg", "index.html"}));
}

}  // namespace
}  // namespace veldor
