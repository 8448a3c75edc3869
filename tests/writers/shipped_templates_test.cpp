// The templates the program folder ships must pass the checker and render in full.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "checker/check_template.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "writers/html_listing.h"

namespace veldor {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;

const std::filesystem::path kShippedProgram =
    std::filesystem::path(VELDOR_SOURCE_DIR) / "data" / "program";

class NoShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path&) override {}
  void StartProgram(const std::filesystem::path&, const std::string&) override {}
};

FileRecord Record(const std::string& name, std::int64_t size, const std::string& text) {
  FileRecord r;
  r.file_name = Utf8ToCp932(name);
  r.file_size = size;
  r.packet_count = (size + 127) / 128;
  r.packet_charge = r.packet_count * 3 / 10;
  r.extended_text = Utf8ToCp932(text);
  r.modified_date = "2004/02/03 04:05:06";
  r.created_date = "2004/01/02 03:04:05";
  return r;
}

class ShippedTemplateTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedTemplateTest, PassesTheCheckerWithNoErrors) {
  const auto path =
      kShippedProgram / "template" / std::string(CarrierName(GetParam())) / "index.html";
  RecordingMessages messages;
  CheckTemplate(path, messages);
  EXPECT_EQ(messages.shown,
            (std::vector<Message>{U8Message(
                "処理終了", path.string() + "\r\nにエラーは見つかりませんでした。", Icon::None)}));
}

TEST_P(ShippedTemplateTest, RendersEveryTag) {
  TempFolder work;
  const auto folder = work / "旅行の写真";
  std::filesystem::create_directories(folder);
  ListingSettings settings;
  settings.company = GetParam();
  ReplaceLists lists(work.path());
  RecordingMessages messages;
  NoShell shell;
  RealFileSystem file_system;
  ListerContext context{settings, lists, messages, shell, file_system, kShippedProgram, {}};
  Listing listing;
  listing.records.push_back(Record("海.jpg", 12416, "海.jpg"));
  listing.records.push_back(Record("<b>&.gif", 100, "<b>&.gif"));

  ASSERT_EQ(RenderHtmlListing(listing, folder, "index.html", context), 0);
  EXPECT_TRUE(messages.shown.empty());
  const std::string page = Cp932ToUtf8(work.Read("旅行の写真/index.html"));
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n"));
  EXPECT_EQ(page.find("[@"), std::string::npos);
  for (const std::string expected :
       {"<title>旅行の写真", "海.jpg", "&lt;b&gt;&amp;.gif", "12416", "97 パケット", "29 円",
        "2004/02/03 04:05:06", "2004/01/02 03:04:05", "charset=\"Shift_JIS\""}) {
    EXPECT_NE(page.find(expected), std::string::npos) << expected;
  }
  EXPECT_NE(page.find(std::string(CarrierName(GetParam())) + " "), std::string::npos);
  EXPECT_EQ(page.find("<b>&"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Carriers, ShippedTemplateTest, ::testing::Values(kDocomo, kVodafone, kAu),
                         [](const ::testing::TestParamInfo<int>& carrier) {
                           return std::string(CarrierName(carrier.param));
                         });

}  // namespace
}  // namespace veldor
