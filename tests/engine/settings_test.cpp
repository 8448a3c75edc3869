#include "engine/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

constexpr std::string_view kFreshFile =
    "[MAIN_OPTION]\r\n"
    "docomo_rate=30\r\n"
    "J-PHONE_rate=30\r\n"
    "au_rate=27\r\n"
    "company=1\r\n"
    "output_mode=1\r\n"
    "[PAGE_1]\r\n"
    "sort_key=0\r\n"
    "sort_style=0\r\n"
    "over_write=0\r\n"
    "print_result=1\r\n"
    "file_open=0\r\n"
    "all_files=1\r\n"
    "ext_strings=.jpg .gif .png \r\n"
    "[PAGE_2]\r\n"
    "output_items1=1\r\n"
    "output_items2=1\r\n"
    "output_items3=0\r\n"
    "output_items4=1\r\n"
    "output_items5=1\r\n"
    "output_items6=0\r\n"
    "templates1=index.html/\r\n"
    "templates2=index.html/\r\n"
    "templates3=index.html/\r\n";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() : profile_(folder_ / "quorsel.ini") {}

  // Settings loaded from a file holding `bytes`, starting from a record that differs
  // from the defaults everywhere, so that a key the load skips shows.
  ListingSettings LoadFrom(std::string_view bytes) {
    folder_.Write("quorsel.ini", bytes);
    return Load();
  }
  ListingSettings Load() {
    ListingSettings settings;
    settings.company = kAu;
    settings.output_mode = kHtml;
    settings.rates = {9, 9, 9, 9};
    settings.sort_key = kSortExtendedText;
    settings.sort_style = 1;
    settings.over_write = 1;
    settings.print_result = 0;
    settings.file_open = 1;
    settings.all_files = 0;
    settings.extensions = {".bmp"};
    settings.output_items = {9, 0, 0, 1, 0, 0, 1};
    settings.templates = {Names{}, {"x.html"}, {"y.html"}, {"z.html"}};
    LoadSettings(settings, profile_);
    return settings;
  }

  TempFolder folder_;
  Profile profile_;
};

// The load starts from a record unlike the defaults, so the saved file shows every default.
TEST_F(SettingsTest, MissingFileGivesTheDefaultsAndSavingWritesEveryKeyInOrder) {
  const ListingSettings settings = Load();
  EXPECT_EQ(folder_.Read("quorsel.ini"), "<missing>");
  EXPECT_EQ(settings.rates[kVodafone], 30 * 0.01);
  EXPECT_EQ(settings.rates[kAu], 27 * 0.01);
  EXPECT_EQ(settings.extensions, (Names{".jpg", ".gif", ".png"}));
  SaveSettings(settings, profile_);
  EXPECT_EQ(folder_.Read("quorsel.ini"), kFreshFile);
}

TEST_F(SettingsTest, SavingAgainChangesValuesInPlace) {
  folder_.Write("quorsel.ini", kFreshFile);
  ListingSettings settings = Load();
  settings.company = kVodafone;
  settings.extensions = {};
  settings.templates[kAu] = {"a.html", "b.htm"};
  SaveSettings(settings, profile_);

  std::string expected(kFreshFile);
  expected.replace(expected.find("company=1"), 9, "company=2");
  expected.replace(expected.find("ext_strings=.jpg .gif .png "), 27, "ext_strings=");
  expected.replace(expected.find("templates3=index.html/"), 22, "templates3=a.html/b.htm/");
  EXPECT_EQ(folder_.Read("quorsel.ini"), expected);
}

TEST_F(SettingsTest, RateIsTheStoredHundredthsTimesTheDoubleOneHundredth) {
  const ListingSettings settings =
      LoadFrom("[MAIN_OPTION]\r\ndocomo_rate=29\r\nJ-PHONE_rate=0\r\nau_rate=4294967295\r\n");
  EXPECT_EQ(settings.rates[kDocomo], 0.28999999999999998);
  EXPECT_EQ(settings.rates[kVodafone], 0.0);
  EXPECT_EQ(settings.rates[kAu], 4294967295.0 * 0.01);
  EXPECT_EQ(settings.CurrentRate(), 0.28999999999999998);
  ListingSettings no_carrier;
  no_carrier.company = 0;
  EXPECT_EQ(no_carrier.CurrentRate(), 0.0);

  SaveSettings(settings, profile_);
  const std::string saved = folder_.Read("quorsel.ini");
  EXPECT_NE(saved.find("\r\ndocomo_rate=29\r\nJ-PHONE_rate=0\r\nau_rate=4294967295\r\n"),
            std::string::npos)
      << saved;
}

TEST_F(SettingsTest, CompanyAndOutputModeOutsideTheirRangeLoadAndSaveAsOne) {
  for (const char* bad : {"0", "4", "-1", "x"}) {
    const std::string file =
        std::string("[MAIN_OPTION]\r\ncompany=") + bad + "\r\noutput_mode=" + bad + "\r\n";
    const ListingSettings settings = LoadFrom(file);
    EXPECT_EQ(settings.company, kDocomo) << bad;
    EXPECT_EQ(settings.output_mode, kTxt) << bad;
    SaveSettings(settings, profile_);
    EXPECT_NE(folder_.Read("quorsel.ini").find("company=1\r\noutput_mode=1\r\n"),
              std::string::npos);
  }
  const ListingSettings valid = LoadFrom("[main_option]\r\nCOMPANY=3\r\noutput_mode=2\r\n");
  EXPECT_EQ(valid.company, kAu);
  EXPECT_EQ(valid.output_mode, kCsv);
}

TEST_F(SettingsTest, OtherIntegersAreTakenAsTheyAre) {
  const ListingSettings settings = LoadFrom(
      "[PAGE_1]\r\nsort_key=9\r\nsort_style=2\r\nall_files=0\r\nover_write=yes\r\n"
      "[PAGE_2]\r\noutput_items3=1\r\noutput_items1=0\r\n");
  EXPECT_EQ(settings.sort_key, 9);
  EXPECT_EQ(settings.sort_style, 2);
  EXPECT_EQ(settings.all_files, 0);
  EXPECT_EQ(settings.over_write, 0);
  EXPECT_EQ(settings.output_items, (std::array<int, 7>{9, 0, 1, 1, 1, 1, 0}));
}

TEST_F(SettingsTest, ListsComeFromTheirStoredForms) {
  const ListingSettings settings = LoadFrom(
      "[PAGE_1]\r\next_strings=\r\n"
      "[PAGE_2]\r\ntemplates1=index.html\r\ntemplates2=a.html//b.html/\r\n"
      "templates3=\x95\x5C.html/\r\n");
  EXPECT_EQ(settings.extensions, Names{});
  EXPECT_EQ(settings.templates[kDocomo], Names{});
  EXPECT_EQ(settings.templates[kVodafone], (Names{"a.html", "", "b.html"}));
  EXPECT_EQ(settings.templates[kAu], Names{"\x95\x5C.html"});
}

struct ExtensionRow {
  const char* name;
  std::string_view text;
  Names extensions;
};

class ParseExtensionListTest : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(ParseExtensionListTest, DropsTheByteBeforeEachNextDot) {
  EXPECT_EQ(ParseExtensionList(GetParam().text), GetParam().extensions);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseExtensionListTest,
    ::testing::Values(ExtensionRow{"Default", ".jpg .gif .png ", {".jpg", ".gif", ".png"}},
                      ExtensionRow{"TwoBlanks", ".jpg  .gif  .png  ", {".jpg", ".gif", ".png"}},
                      ExtensionRow{"NoSeparator", ".jpg.gif", {".jp", ".gif"}},
                      ExtensionRow{"CommaSeparator", ".jpg,.gif", {".jpg", ".gif"}},
                      ExtensionRow{"TextBeforeTheFirstDotIgnored", "jpg .gif", {".gif"}},
                      ExtensionRow{"NoDot", "jpg gif", {}}, ExtensionRow{"Empty", "", {}},
                      ExtensionRow{"AdjacentDots", "..jpg", {"", ".jpg"}},
                      ExtensionRow{"TrailingWhiteSpaceOfAnyKind", ".jpg\t\r\n\v\f", {".jpg"}},
                      // A full-width blank (0x81 0x40) is a character, not white space.
                      ExtensionRow{"FullWidthBlankStays", ".jpg\x81\x40", {".jpg\x81\x40"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veldor
