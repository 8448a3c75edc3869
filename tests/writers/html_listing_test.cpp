#include "writers/html_listing.h"

#include <gtest/gtest.h>

#include <optional>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::File;

class HtmlTest : public ::testing::Test {
 protected:
  HtmlTest() {
    lists_.WriteReplaceList(ListKind::FileNames,
                            {{"a.jpg", "<i>\"sea\" & sky</i>"}, {"", "listed"}});
    lists_.WriteReplaceList(ListKind::FolderNames, {{"Trip", "<b>Lab</b>"}});
  }
  // Renders the template `bytes` (none: no file) named `name` of the current carrier into
  // the folder `folder_name` below the work folder.
  WriteOutcome Render(const std::string& name, const std::optional<std::string>& bytes,
                      const std::string& folder_name, const Listing& listing) {
    const fs::path folder = folder_name == "/" ? fs::path("/") : work_ / folder_name;
    fs::create_directories(folder == "/" ? work_.path() : folder);
    if (bytes)
      program_.Write(fs::path("template") / std::string(CarrierName(settings_.company)) / name,
                     *bytes);
    return RenderHtmlListing(listing, folder, name, settings_, lists_, program_ / "template",
                             messages_);
  }

  Listing listing_ =
      testing::MakeListing({File("a.jpg", 12345, 97, 29), File("<b>&[@DNAME@].gif", 100, 1, 0)});
  testing::TempFolder program_, work_;
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
};

// One template per row and the page it gives for the listing above.
struct PageRow {
  const char* label;
  std::string template_bytes, page;
  int company = kDocomo;
  std::string folder = "Trip";
};

class HtmlPageTest : public HtmlTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(HtmlPageTest, WritesThePageByteForByte) {
  const PageRow& row = GetParam();
  settings_.company = row.company;
  EXPECT_EQ(Render("index.html", row.template_bytes, row.folder,
                   row.label == std::string("EmptyFolder") ? Listing{} : listing_),
            WriteOutcome::Written);
  EXPECT_EQ(work_.Read(fs::path(row.folder) / "index.html"), row.page);
  EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HtmlPageTest,
    ::testing::Values(
        PageRow{"WorkedExample",
                "Folder [@DNAME@] ([@DTEXT@])\n[@START@]\n"
                "[@FNAME@]: [@PSIZE@] packets, [@PYEN@] yen\n[@STOP@]\nCarrier [@COMPANY@]\n",
                "Folder Trip (<b>Lab</b>)\r\na.jpg: 97 packets, 29 yen\r\n"
                "&lt;b&gt;&amp;[@DNAME@].gif: 1 packets, 0 yen\r\nCarrier docomo\r\n"},
        PageRow{"TemplateOfTheCurrentCarrier", "[@COMPANY@]\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n",
                "Vodafone\r\n97\r\n1\r\nend\r\n", kVodafone},
        PageRow{"EveryTagOnALine",
                "\n[@START@]\n[@FNAME@]|[@FSIZE@]|[@FTEXT@]|[@MDATE@]|[@CDATE@]\n[@STOP@]\n\n",
                "\r\na.jpg|12345|<i>\"sea\" & sky</i>|2003/05/01 12:34:56|2003/04/01 08:00:00\r\n"
                "&lt;b&gt;&amp;[@DNAME@].gif|100|&lt;b&gt;&amp;[@DNAME@].gif|2003/05/01 12:34:56|"
                "2003/04/01 08:00:00\r\n\r\n"},
        PageRow{"NumbersOutsideTheRepeatSectionAreZero",
                "[@FSIZE@] [@PSIZE@] [@PYEN@]\n[@START@]\n[@PYEN@]\n[@STOP@]\n[@PYEN@]\n",
                "0 0 0\r\n29\r\n0\r\n0\r\n"},
        PageRow{"EscapedFolderName", "[@DNAME@]/[@DTEXT@]\n[@START@]\nx\n[@STOP@]\n.\n",
                "R&amp;D &quot;x&quot;/R&amp;D &quot;x&quot;\r\nx\r\nx\r\n.\r\n", kDocomo,
                "R&D \"x\""},
        PageRow{"EmptyFolder", "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n",
                "<ul>\r\n</ul>\r\n"},
        // 0x81 0x5B is one character whose second byte is "[", so "\x81[@FNAME@]" holds no tag.
        PageRow{"Cp932AndStrayBytesPassAndEveryLineEndsWithCrLf",
                "\x8E\xCA\x90\x5E [@DNAME@]\r\n[@START@]\r\n\x81[@FNAME@] \xFF\xFE\r"
                "\n[@STOP@]\nlast line without a line end",
                "\x8E\xCA\x90\x5E Trip\r\n\x81[@FNAME@] \xFF\xFE\r\n\x81[@FNAME@] \xFF\xFE\r\n"
                "last line without a line end\r\n"}),
    [](const auto& row) { return std::string(row.param.label); });

// One failing template per row: the message it shows, and that the page that stood there
// before is left byte for byte without any overwrite question.
struct FailureRow {
  const char* label;
  std::string name;
  std::optional<std::string> bytes;  // nothing: no template file
  bool open_failure;                 // the open-failure message, else the template-error one
  int company = kDocomo;
  std::string folder = "Trip";
};

class HtmlFailureTest : public HtmlTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(HtmlFailureTest, ShowsItsMessageAndWritesNothing) {
  const FailureRow& row = GetParam();
  settings_.over_write = 1;
  settings_.company = row.company;
  fs::create_directories(program_ / "template/docomo/folder.html");
  work_.Write("Trip/index.html", "old page");
  const bool root_page = fs::exists("/index.html");
  EXPECT_EQ(Render(row.name, row.bytes, row.folder, listing_), WriteOutcome::Failed);
  fs::path shown = program_ / "template";
  if (row.company == kDocomo) shown /= "docomo";
  shown = shown.string() + "/" + row.name;
  EXPECT_EQ(
      messages_.shown,
      std::vector<Message>{testing::U8Message(
          row.open_failure ? "指定されたテンプレートが開けません"
                           : "テンプレートにエラーが見つかりました",
          "テンプレートファイル\r\n" + shown.string() +
              (row.open_failure ? "\r\nが開けません。削除、移動されていないか確認してください。"
                                : "\r\nには文法上のエラーがあります。TEMPLATEフォルダ内の"
                                  "tovrin.exeで確認してみてください。"),
          Icon::Exclamation)});
  EXPECT_EQ(work_.Read("Trip/index.html"), "old page");
  EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "Trip"), {}), 1);
  EXPECT_EQ(fs::exists("/index.html"), root_page);
}

const std::string kGood = "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, HtmlFailureTest,
    ::testing::Values(
        FailureRow{"MissingTemplate", "index.html", std::nullopt, true},
        FailureRow{"FolderAsTemplate", "folder.html", std::nullopt, true},
        FailureRow{"EmptyName", "", std::nullopt, true},
        FailureRow{"NoCarrierFolderOutsideOneToThree", "index.html", std::nullopt, true, 4},
        FailureRow{"EmptyBefore", "index.html", "[@START@]\nx\n[@STOP@]\nz\n", false},
        FailureRow{"EmptyRepeat", "index.html", "a\n[@START@]\n[@STOP@]\nz\n", false},
        FailureRow{"EmptyAfter", "index.html", "a\n[@START@]\nx\n[@STOP@]\n", false},
        FailureRow{"NoMarkers", "index.html", "a\nb\n", false},
        FailureRow{"UnclosedInAfter", "index.html", kGood + "[@DNAME@] [@DNAME\n", false},
        FailureRow{"LowerCaseTag", "index.html", "a\n[@START@]\n[@fname@]\n[@STOP@]\nz\n", false},
        FailureRow{"NameTagInBefore", "index.html", "[@FNAME@]\n[@START@]\nx\n[@STOP@]\nz\n",
                   false},
        FailureRow{"TagAcrossLines", "index.html", "a [@DNA\nME@]\n[@START@]\nx\n[@STOP@]\nz\n",
                   false},
        // A list line ",text" names the empty name; the empty record still has no file text.
        FailureRow{"FileTextOutsideTheRepeatSection", "index.html",
                   "[@FTEXT@]\n[@START@]\nx\n[@STOP@]\nz\n", false},
        FailureRow{"RootFolderHasNoName", "index.html", "[@DNAME@]\n[@START@]\nx\n[@STOP@]\nz\n",
                   false, kDocomo, "/"}),
    [](const auto& row) { return std::string(row.param.label); });

}  // namespace
}  // namespace veldor
