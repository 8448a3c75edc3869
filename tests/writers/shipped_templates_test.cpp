// The templates the program folder ships must render every tag. That they pass the checker
// is shown by running tovrin-cli on them.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "writers/html_listing.h"

namespace veldor {
namespace {

class ShippedTemplateTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedTemplateTest, RendersEveryTag) {
  testing::TempFolder work;
  ListingSettings settings;
  settings.company = GetParam();
  ReplaceLists lists(work.path());
  testing::RecordingMessages messages;
  const auto folder = work / "旅行の写真";
  std::filesystem::create_directories(folder);
  const Listing listing = testing::MakeListing({testing::File("海.jpg", 12416, 97, 29),
                                                testing::File("<b>&.gif", 100, 1, 0),
                                                testing::File("javascript:alert(1).png", 1, 1, 0)});
  ASSERT_EQ(RenderHtmlListing(listing, folder, "index.html", settings, lists,
                              std::filesystem::path(VELDOR_SOURCE_DIR) / "data/program/template",
                              messages),
            WriteOutcome::Written);
  EXPECT_TRUE(messages.shown.empty());
  const std::string page = Cp932ToUtf8(work.Read("旅行の写真/index.html"));
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n"));
  EXPECT_EQ(page.find("[@"), std::string::npos);
  EXPECT_EQ(page.find("<b>&"), std::string::npos);
  for (const std::string& expected : std::vector<std::string>{
           "<title>旅行の写真", "海.jpg", "&lt;b&gt;&amp;.gif", "12416", "97 パケット", "29 円",
           "2003/05/01 12:34:56", "2003/04/01 08:00:00", "charset=\"Shift_JIS\"",
           std::string(CarrierName(GetParam())) + " "}) {
    EXPECT_NE(page.find(expected), std::string::npos) << expected;
  }
  // A file name is a relative link, never a scheme such as "javascript:".
  for (auto at = page.find("href=\""); at != std::string::npos; at = page.find("href=\"", at + 1))
    EXPECT_EQ(page.compare(at + 6, 2, "./"), 0) << page.substr(at, 40);
}

INSTANTIATE_TEST_SUITE_P(Carriers, ShippedTemplateTest, ::testing::ValuesIn(kCarriers),
                         [](const auto& carrier) {
                           return std::string(CarrierName(carrier.param));
                         });

}  // namespace
}  // namespace veldor
