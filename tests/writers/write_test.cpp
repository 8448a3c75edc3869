// The one way each format reaches the disk: the overwrite question, a write that replaces
// the earlier listing only when complete, and the write-error message.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "writers/csv_listing.h"
#include "writers/html_listing.h"
#include "writers/text_listing.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::U8Message;
using Messages = std::vector<Message>;

// What the user finds at the listing's path, what was set and answered, and what comes of it.
struct WriteCase {
  const char* name;
  const char* before;  // "old" bytes, a "folder", or "old" with a file-size limit: "limited"
  int over_write;
  Answer answer;
  WriteOutcome outcome;
  bool asks, fails;
  const char* after;  // "new" listing, "old" bytes or the "folder"
};
const WriteCase kCases[] = {
    {"Yes", "old", 1, Answer::Yes, WriteOutcome::Written, true, false, "new"},
    {"No", "old", 1, Answer::No, WriteOutcome::Declined, true, false, "old"},
    {"Off", "old", 0, Answer::No, WriteOutcome::Written, false, false, "new"},
    {"WriteFails", "limited", 0, Answer::No, WriteOutcome::Failed, false, true, "old"},
    {"FolderAtPath", "folder", 1, Answer::No, WriteOutcome::Failed, false, true, "folder"},
};
const char* const kFormats[] = {"txt", "csv", "html"};

class WriteTest : public ::testing::TestWithParam<std::tuple<int, WriteCase>> {
 protected:
  WriteTest() {
    program_.Write("template/docomo/index.html", "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n");
    fs::create_directories(folder_);
  }
  WriteOutcome Write() {
    if (format_ == 0) return WriteTextListing(listing_, path_, settings_, messages_);
    if (format_ == 1) return WriteCsvListing(listing_, path_, settings_, messages_);
    return RenderHtmlListing(listing_, folder_, "index.html", settings_, lists_,
                             program_ / "template", messages_);
  }
  std::string Listed() const {
    if (format_ == 0) return FormatTextListing(listing_, settings_);
    if (format_ == 1) return FormatCsvListing(listing_, settings_);
    return "a\r\na.jpg\r\n\x8E\xCA\x90\x5E.png\r\nz\r\n";
  }

  const int format_ = std::get<0>(GetParam());
  testing::TempFolder program_, work_;
  fs::path folder_ = work_ / "Trip";
  fs::path path_ =
      format_ == 2 ? folder_ / "index.html" : folder_ / (std::string("Trip.") + kFormats[format_]);
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  Listing listing_ =
      testing::MakeListing({testing::File("a.jpg", 640, 5, 2), testing::File("写真.png")});
};

TEST_P(WriteTest, AsksKeepsOrReplaces) {
  const WriteCase& c = std::get<1>(GetParam());
  const std::string old("old\r\nlisting \x82\xA0 with\0 bytes", 27);
  const fs::path rel = path_.lexically_relative(work_.path());
  if (c.before == std::string("folder"))
    fs::create_directory(path_);
  else
    work_.Write(rel, old);
  settings_.over_write = c.over_write;
  messages_.Script({c.answer});
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = limit;
  // A file-size limit below the listing's size makes the write fail halfway.
  if (c.before == std::string("limited")) small.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const WriteOutcome outcome = Write();
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(outcome, c.outcome);
  Messages expected;
  if (c.asks) {
    expected.push_back(U8Message(
        "上書き確認", path_.string() + "は既に存在します。\r\n上書きしてもよろしいですか？",
        format_ == 0 ? Icon::Question : Icon::None, Buttons::YesNo));
  }
  if (c.fails) {
    expected.push_back(U8Message("書き込みエラーです",
                                 path_.string() +
                                     "\r\nに書き込めませんでした。\r\nフォルダへの書き込み"
                                     "権限と空き容量を確認してください。",
                                 Icon::Exclamation));
  }
  EXPECT_EQ(messages_.shown, expected);
  const std::string after = c.after;
  EXPECT_EQ(fs::is_directory(path_) ? "folder" : work_.Read(rel), after == "new"   ? Listed()
                                                                  : after == "old" ? old
                                                                                   : after);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WriteTest, ::testing::Combine(::testing::Values(0, 1, 2), ::testing::ValuesIn(kCases)),
    [](const auto& row) {
      return std::string(kFormats[std::get<0>(row.param)]) + std::get<1>(row.param).name;
    });

}  // namespace
}  // namespace veldor
