// The templates the program folder ships must render every tag. That they pass the checker
// is shown by running tovrin-cli on them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "writers/html_listing.h"

namespace veldor {
namespace {

class ShippedTemplateTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedTemplateTest, RendersEveryTag) {
  testing::TempFolder work;
  const auto folder = work / "旅行の写真";
  std::filesystem::create_directories(folder);
  ListingSettings settings;
  settings.company = GetParam();
  ReplaceLists lists(work.path());
  testing::RecordingMessages messages;
  testing::RecordingShell shell;
  RealFileSystem file_system;
  const auto program = std::filesystem::path(VELDOR_SOURCE_DIR) / "data" / "program";
  ListerContext context{settings, lists, messages, shell, file_system, program, {}};
  const Listing listing =
      testing::MakeListing({{"海.jpg", 12416, 97, 29, "2004/02/03 04:05:06", "2004/01/02 03:04:05"},
                            {"<b>&.gif", 100, 1, 0},
                            {"javascript:alert(1).png", 1, 1, 0}});

  ASSERT_EQ(RenderHtmlListing(listing, folder, "index.html", context), 0);
  EXPECT_TRUE(messages.shown.empty());
  const std::string page = Cp932ToUtf8(work.Read("旅行の写真/index.html"));
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n"));
  EXPECT_EQ(page.find("[@"), std::string::npos);
  EXPECT_EQ(page.find("<b>&"), std::string::npos);
  for (const std::string expected :
       {"<title>旅行の写真", "海.jpg", "&lt;b&gt;&amp;.gif", "12416", "97 パケット", "29 円",
        "2004/02/03 04:05:06", "2004/01/02 03:04:05", "charset=\"Shift_JIS\""}) {
    EXPECT_NE(page.find(expected), std::string::npos) << expected;
  }
  EXPECT_NE(page.find(std::string(CarrierName(GetParam())) + " "), std::string::npos);
  // A file name is a relative link, never a scheme such as "javascript:".
  for (std::size_t at = page.find("href=\""); at != std::string::npos;
       at = page.find("href=\"", at + 1)) {
    EXPECT_EQ(page.compare(at + 6, 2, "./"), 0) << page.substr(at, 40);
  }
}

INSTANTIATE_TEST_SUITE_P(Carriers, ShippedTemplateTest, ::testing::Values(kDocomo, kVodafone, kAu),
                         [](const ::testing::TestParamInfo<int>& carrier) {
                           return std::string(CarrierName(carrier.param));
                         });

}  // namespace
}  // namespace veldor
