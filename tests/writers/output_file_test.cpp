// The behaviour the txt and csv writers share when they put a listing on disk: the
// overwrite question, the write-error message, and no half-written or temporary files.
#include "writers/output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "writers/csv_listing.h"
#include "writers/text_listing.h"

namespace veldor {
namespace {

using testing::MakeListing;
using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;
using namespace std::string_literals;

using WriteFn = std::function<int(const Listing&, const std::filesystem::path&,
                                  const ListingSettings&, MessageSink&)>;
using FormatFn = std::function<std::string(const Listing&, const ListingSettings&)>;

struct Writer {
  const char* name;
  WriteFn write;
  FormatFn format;
  Icon question_icon;
};

class ListingFileTest : public ::testing::TestWithParam<Writer> {
 protected:
  std::filesystem::path Target() const {
    return folder_ / (std::string("photos.") + GetParam().name);
  }
  int Write() { return GetParam().write(listing_, Target(), settings_, messages_); }
  std::string Expected() const { return GetParam().format(listing_, settings_); }
  Message Question() const {
    return U8Message(
        "上書き確認",
        Cp932ToUtf8(PathToCp932(Target())) + "は既に存在します。\r\n上書きしてもよろしいですか？",
        GetParam().question_icon, Buttons::YesNo);
  }
  // The names in the folder, to show that nothing else (no temporary file) is left.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder folder_;
  ListingSettings settings_;
  RecordingMessages messages_;
  Listing listing_ = MakeListing({{"a.jpg", 640, 5, 2}, {"写真.png", 12345, 97, 29}});
};

TEST_P(ListingFileTest, NewListingIsWrittenWithoutAQuestion) {
  settings_.over_write = 1;
  EXPECT_EQ(Write(), 0);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(folder_.Read(Target().filename()), Expected());
  EXPECT_EQ(Entries(), std::vector<std::string>{Target().filename().string()});
}

TEST_P(ListingFileTest, ExistingListingIsReplacedWithoutAskingWhenOverwriteIsOff) {
  folder_.Write(Target().filename(), "old listing\r\n");
  settings_.over_write = 0;
  EXPECT_EQ(Write(), 0);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(folder_.Read(Target().filename()), Expected());
}

TEST_P(ListingFileTest, AnsweringYesReplacesTheListing) {
  folder_.Write(Target().filename(), "old listing\r\n");
  settings_.over_write = 1;
  messages_.Script({Answer::Yes});
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(messages_.shown, std::vector<Message>{Question()});
  EXPECT_EQ(folder_.Read(Target().filename()), Expected());
}

TEST_P(ListingFileTest, AnsweringNoKeepsTheOldListingByteForByte) {
  const std::string old = "old\r\nlisting \x82\xa0 with\0 bytes"s;
  folder_.Write(Target().filename(), old);
  settings_.over_write = 1;
  messages_.Script({Answer::No});
  EXPECT_EQ(Write(), -1);
  EXPECT_EQ(messages_.shown, std::vector<Message>{Question()});
  EXPECT_EQ(folder_.Read(Target().filename()), old);
  EXPECT_EQ(Entries(), std::vector<std::string>{Target().filename().string()});
}

TEST_P(ListingFileTest, ListingThatCannotBeWrittenIsReportedAndLeavesNoTemporaryFile) {
  // A folder standing at the listing's path cannot be replaced by a file.
  std::filesystem::create_directory(Target());
  settings_.over_write = 1;
  EXPECT_EQ(Write(), -2);
  EXPECT_EQ(messages_.shown,
            std::vector<Message>{U8Message(
                "書き込みエラーです",
                Cp932ToUtf8(PathToCp932(Target())) +
                    "\r\nに書き込めませんでした。\r\nフォルダへの書き込み権限と空き容量を確認して"
                    "ください。",
                Icon::Exclamation)});
  EXPECT_TRUE(std::filesystem::is_directory(Target()));
  EXPECT_EQ(Entries(), std::vector<std::string>{Target().filename().string()});
}

INSTANTIATE_TEST_SUITE_P(
    Writers, ListingFileTest,
    ::testing::Values(Writer{"txt", WriteTextListing, FormatTextListing, Icon::Question},
                      Writer{"csv", WriteCsvListing, FormatCsvListing, Icon::None}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veldor
