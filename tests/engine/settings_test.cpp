#include "engine/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace veldor {
namespace {

using Names = std::vector<std::string>;

// Every key at its default, in the order a fresh file lists them.
constexpr std::string_view kFresh =
    "[MAIN_OPTION]\r\ndocomo_rate=30\r\nJ-PHONE_rate=30\r\nau_rate=27\r\ncompany=1\r\n"
    "output_mode=1\r\n[PAGE_1]\r\nsort_key=0\r\nsort_style=0\r\nover_write=0\r\nprint_result=1\r\n"
    "file_open=0\r\nall_files=1\r\next_strings=.jpg .gif .png \r\n[PAGE_2]\r\noutput_items1=1\r\n"
    "output_items2=1\r\noutput_items3=0\r\noutput_items4=1\r\noutput_items5=1\r\n"
    "output_items6=0\r\ntemplates1=index.html/\r\ntemplates2=index.html/\r\n"
    "templates3=index.html/\r\n";
// Every key away from its default.
constexpr std::string_view kCustom =
    "[MAIN_OPTION]\r\ndocomo_rate=29\r\nJ-PHONE_rate=0\r\nau_rate=4294967295\r\ncompany=3\r\n"
    "output_mode=2\r\n[PAGE_1]\r\nsort_key=9\r\nsort_style=2\r\nover_write=1\r\nprint_result=0\r\n"
    "file_open=1\r\nall_files=0\r\next_strings=\r\n[PAGE_2]\r\noutput_items1=0\r\n"
    "output_items2=0\r\noutput_items3=1\r\noutput_items4=0\r\noutput_items5=0\r\n"
    "output_items6=1\r\ntemplates1=\r\ntemplates2=a.html//b.html/\r\ntemplates3=\x95\x5C.html/\r\n";

TEST(SettingsTest, EveryKeyLoadsAndSavesAndAMissingKeyGivesItsDefault) {
  testing::TempFolder folder;
  Profile profile(folder / "quorsel.ini");
  folder.Write("quorsel.ini", kCustom);
  ListingSettings s;
  LoadSettings(s, profile);
  EXPECT_EQ(s.rates[kDocomo], 0.28999999999999998);
  EXPECT_EQ(s.rates[kVodafone], 0.0);
  EXPECT_EQ(s.rates[kAu], 4294967295.0 * 0.01);
  EXPECT_EQ(s.CurrentRate(), 4294967295.0 * 0.01);
  EXPECT_EQ(std::vector<int>({s.company, s.output_mode, s.sort_key, s.sort_style, s.over_write,
                              s.print_result, s.file_open, s.all_files}),
            std::vector<int>({kAu, kCsv, 9, 2, 1, 0, 1, 0}));
  EXPECT_EQ(s.extensions, Names{});
  EXPECT_EQ(s.output_items, (std::array<int, kColumnCount>{0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(s.templates[kDocomo], Names{});
  EXPECT_EQ(s.templates[kVodafone], (Names{"a.html", "", "b.html"}));
  EXPECT_EQ(s.templates[kAu], Names{"\x95\x5C.html"});
  std::filesystem::remove(folder / "quorsel.ini");
  SaveSettings(s, profile);
  EXPECT_EQ(folder.Read("quorsel.ini"), kCustom);

  std::filesystem::remove(folder / "quorsel.ini");
  LoadSettings(s, profile);
  SaveSettings(s, profile);
  EXPECT_EQ(folder.Read("quorsel.ini"), kFresh);
  s.company = 0;
  EXPECT_EQ(s.CurrentRate(), 0.0);

  // A carrier or format outside 1..3 loads as 1.
  for (const char* bad : {"0", "4", "-1", "x"}) {
    folder.Write("quorsel.ini", std::string("[MAIN_OPTION]\r\ncompany=") + bad +
                                    "\r\noutput_mode=" + bad + "\r\n");
    s.company = kAu;
    s.output_mode = kHtml;
    LoadSettings(s, profile);
    EXPECT_EQ(s.company * 10 + s.output_mode, 11) << bad;
  }
  folder.Write("quorsel.ini", "[PAGE_2]\r\ntemplates1=index.html\r\n");
  LoadSettings(s, profile);
  EXPECT_EQ(s.templates[kDocomo], Names{});  // a name without its "/" is no entry
}

TEST(ParseExtensionListTest, DropsTheByteBeforeEachNextDot) {
  const std::pair<std::string_view, Names> rows[] = {
      {".jpg .gif .png ", {".jpg", ".gif", ".png"}},
      {".jpg  .gif  .png  ", {".jpg", ".gif", ".png"}},
      {".jpg.gif", {".jp", ".gif"}},
      {".jpg,.gif", {".jpg", ".gif"}},
      {"jpg .gif", {".gif"}},
      {"jpg gif", {}},
      {"", {}},
      {"..jpg", {"", ".jpg"}},
      {".jpg\t\r\n\v\f", {".jpg"}},
      // A full-width blank (0x81 0x40) is a character, not white space.
      {".jpg\x81\x40", {".jpg\x81\x40"}},
  };
  for (const auto& [text, extensions] : rows)
    EXPECT_EQ(ParseExtensionList(text), extensions) << text;
}

}  // namespace
}  // namespace veldor
