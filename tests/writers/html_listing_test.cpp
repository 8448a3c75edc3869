#include "writers/html_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "listing_test_support.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::MakeListing;
using testing::U8Message;
using Messages = std::vector<Message>;

Message OpenFailure(const fs::path& template_path) {
  return U8Message("指定されたテンプレートが開けません",
                   "テンプレートファイル\r\n" + template_path.string() +
                       "\r\nが開けません。削除、移動されていないか確認してください。",
                   Icon::Exclamation);
}

Message TemplateError(const fs::path& template_path) {
  return U8Message("テンプレートにエラーが見つかりました",
                   "テンプレートファイル\r\n" + template_path.string() +
                       "\r\nには文法上のエラーがあります。TEMPLATEフォルダ内のtovrin.exeで"
                       "確認してみてください。",
                   Icon::Exclamation);
}

const std::string kGood = "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n";

class HtmlListingTest : public ::testing::Test {
 protected:
  HtmlListingTest() { fs::create_directories(folder_); }

  void WriteTemplate(const std::string& name, const std::string& bytes,
                     const std::string& carrier = "docomo") {
    program_.Write(fs::path("template") / carrier / name, bytes);
  }
  int Render(const std::string& name = "index.html") {
    return RenderHtmlListing(listing_, folder_, name, context_);
  }
  std::string Page(const std::string& name = "index.html") const {
    return work_.Read(folder_.filename() / name);
  }

  testing::TempFolder program_;
  testing::TempFolder work_;
  fs::path folder_ = work_ / "Trip";
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  testing::RecordingShell shell_;
  RealFileSystem file_system_;
  ListerContext context_{settings_, lists_, messages_, shell_, file_system_, program_.path(), {}};
  Listing listing_ = MakeListing({{"a.jpg", 12345, 97, 29}, {"b.gif", 100, 1, 0}});
};

// One template per row and the page it gives for the listing a.jpg, b.gif in "Trip".
struct PageRow {
  const char* label;
  std::string template_bytes;
  std::string page;
  int company = kDocomo;
};

class HtmlPageTest : public HtmlListingTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(HtmlPageTest, WritesThePageByteForByte) {
  settings_.company = GetParam().company;
  WriteTemplate("index.html", GetParam().template_bytes,
                std::string(CarrierName(GetParam().company)));
  EXPECT_EQ(Render(), 0);
  EXPECT_EQ(Page(), GetParam().page);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(shell_.opened.empty() && shell_.started.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HtmlPageTest,
    ::testing::Values(
        PageRow{"WorkedExample",
                "Folder [@DNAME@] ([@DTEXT@])\n[@START@]\n"
                "[@FNAME@]: [@PSIZE@] packets, [@PYEN@] yen\n[@STOP@]\nCarrier [@COMPANY@]\n",
                "Folder Trip (Trip)\r\na.jpg: 97 packets, 29 yen\r\nb.gif: 1 packets, 0 yen\r\n"
                "Carrier docomo\r\n"},
        PageRow{"TemplateOfTheCurrentCarrier", "[@COMPANY@]\n[@START@]\n[@FNAME@]\n[@STOP@]\nend\n",
                "Vodafone\r\na.jpg\r\nb.gif\r\nend\r\n", kVodafone},
        PageRow{"EveryTagOnALineIsReplaced",
                "\n[@START@]\n[@FNAME@]|[@FSIZE@]|[@FNAME@]|[@MDATE@]|[@CDATE@]\n[@STOP@]\n\n",
                "\r\na.jpg|12345|a.jpg|2003/05/01 12:34:56|2003/04/01 08:00:00\r\n"
                "b.gif|100|b.gif|2003/05/01 12:34:56|2003/04/01 08:00:00\r\n\r\n"},
        PageRow{"NumericRecordTagsOutsideTheRepeatSectionPrintZero",
                "[@FSIZE@] [@PSIZE@] [@PYEN@]\n[@START@]\n[@PSIZE@]\n[@STOP@]\n[@PYEN@]\n",
                "0 0 0\r\n97\r\n1\r\n0\r\n"},
        // 0x81 0x5B is one character whose second byte is "[", so "\x81[@FNAME@]" holds no tag.
        PageRow{"Cp932AndStrayBytesPassAndEveryLineEndsWithCrLf",
                "\x8E\xCA\x90\x5E [@DNAME@]\r\n[@START@]\r\n\x81[@FNAME@] \xFF\xFE\r"
                "\n[@STOP@]\nlast line without a line end",
                "\x8E\xCA\x90\x5E Trip\r\n\x81[@FNAME@] \xFF\xFE\r\n\x81[@FNAME@] \xFF\xFE\r\n"
                "last line without a line end\r\n"}),
    [](const ::testing::TestParamInfo<PageRow>& row) { return row.param.label; });

TEST_F(HtmlListingTest, AnEmptyFolderGetsTheBeforeAndAfterSectionsOnly) {
  listing_ = Listing{};
  WriteTemplate("index.html", "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n");
  EXPECT_EQ(Render(), 0);
  EXPECT_EQ(Page(), "<ul>\r\n</ul>\r\n");
}

TEST_F(HtmlListingTest, NamesAreEscapedValuesNeverSearchedAndListedTextsInsertedAsWritten) {
  listing_ = MakeListing({{"<b>&.jpg"}, {"[@DNAME@]@].gif"}, {"c.jpg"}});
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, {{"c.jpg", "<i>\"sea\" & sky</i>"}}), 0);
  folder_ = work_ / "R&D \"x\"";
  fs::create_directories(folder_);
  WriteTemplate("index.html", "[@DNAME@]/[@DTEXT@]\n[@START@]\n[@FNAME@]=[@FTEXT@]\n[@STOP@]\n.\n");
  EXPECT_EQ(Render(), 0);
  EXPECT_EQ(Page(),
            "R&amp;D &quot;x&quot;/R&amp;D &quot;x&quot;\r\n"
            "&lt;b&gt;&amp;.jpg=&lt;b&gt;&amp;.jpg\r\n"
            "[@DNAME@]@].gif=[@DNAME@]@].gif\r\n"
            "c.jpg=<i>\"sea\" & sky</i>\r\n.\r\n");

  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FolderNames, {{"R&D \"x\"", "<b>Lab</b>"}}), 0);
  EXPECT_EQ(Render(), 0);
  EXPECT_EQ(Page().substr(0, Page().find('\r')), "R&amp;D &quot;x&quot;/<b>Lab</b>");
}

TEST_F(HtmlListingTest, AsksBeforeReplacingAnExistingPage) {
  settings_.over_write = 1;
  WriteTemplate("index.html", kGood);
  work_.Write("Trip/index.html", "old page");
  const Message question = U8Message(
      "上書き確認",
      folder_.string() + "/index.html" + "は既に存在します。\r\n上書きしてもよろしいですか？",
      Icon::None, Buttons::YesNo);

  messages_.Script({Answer::No});
  EXPECT_EQ(Render(), -1);
  EXPECT_EQ(Page(), "old page");

  messages_.Script({Answer::Yes});
  EXPECT_EQ(Render(), 0);
  EXPECT_EQ(Page(), "a\r\na.jpg\r\nb.gif\r\nz\r\n");
  EXPECT_EQ(messages_.shown, (Messages{question, question}));
}

TEST_F(HtmlListingTest, ReportsAPageThatCannotBeWritten) {
  settings_.over_write = 1;
  WriteTemplate("index.html", kGood);
  work_.Write("Trip/index.html/inside", "x");
  EXPECT_EQ(Render(), -6);
  EXPECT_EQ(messages_.shown,
            (Messages{U8Message("書き込みエラーです",
                                (folder_ / "index.html").string() +
                                    "\r\nに書き込めませんでした。\r\nフォルダへの書"
                                    "き込み権限と空き容量を確認してください。",
                                Icon::Exclamation)}));
  EXPECT_EQ(work_.Read("Trip/index.html/inside"), "x");
}

// One failing template per row: its result, the message it shows, and that the page that
// stood there before is left byte for byte without any overwrite question.
struct FailureRow {
  const char* label;
  std::string name;
  std::optional<std::string> bytes;  // nothing: no template file
  int company;
  int expected;
  bool open_failure;  // open-failure message, else template-error message
};

class HtmlListingFailureTest : public HtmlListingTest,
                               public ::testing::WithParamInterface<FailureRow> {};

TEST_P(HtmlListingFailureTest, ShowsItsMessageAndWritesNothing) {
  const FailureRow& row = GetParam();
  settings_.over_write = 1;
  settings_.company = row.company;
  const std::string carrier(CarrierName(row.company));
  if (row.bytes) WriteTemplate(row.name, *row.bytes, carrier);
  if (row.name == "folder.html") {
    fs::create_directories(program_.path() / "template" / carrier / row.name);
  }
  work_.Write("Trip/index.html", "old page");
  work_.Write("Trip/folder.html", "old page");

  EXPECT_EQ(Render(row.name), row.expected);
  fs::path shown_path = program_.path() / "template";
  if (!carrier.empty()) shown_path /= carrier;
  shown_path = shown_path.string() + "/" + row.name;
  EXPECT_EQ(messages_.shown,
            Messages{row.open_failure ? OpenFailure(shown_path) : TemplateError(shown_path)});
  EXPECT_EQ(Page("index.html"), "old page");
  EXPECT_EQ(Page("folder.html"), "old page");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HtmlListingFailureTest,
    ::testing::Values(
        FailureRow{"MissingTemplate", "index.html", std::nullopt, kDocomo, -2, true},
        FailureRow{"FolderAsTemplate", "folder.html", std::nullopt, kDocomo, -2, true},
        FailureRow{"EmptyName", "", std::nullopt, kDocomo, -2, true},
        FailureRow{"NoCarrierFolderOutsideOneToThree", "index.html", std::nullopt, 4, -2, true},
        FailureRow{"EmptyBefore", "index.html", "[@START@]\nx\n[@STOP@]\nz\n", kDocomo, -3, false},
        FailureRow{"EmptyRepeat", "index.html", "a\n[@START@]\n[@STOP@]\nz\n", kDocomo, -3, false},
        FailureRow{"EmptyAfter", "index.html", "a\n[@START@]\nx\n[@STOP@]\n", kDocomo, -3, false},
        FailureRow{"NoMarkers", "index.html", "a\nb\n", kDocomo, -3, false},
        FailureRow{"UnclosedInAfter", "index.html", kGood + "[@DNAME@] [@DNAME\n", kDocomo, -4,
                   false},
        FailureRow{"LowerCaseTag", "index.html", "a\n[@START@]\n[@fname@]\n[@STOP@]\nz\n", kDocomo,
                   -5, false},
        FailureRow{"TextRecordTagInBefore", "index.html", "[@FNAME@]\n[@START@]\nx\n[@STOP@]\nz\n",
                   kDocomo, -5, false},
        FailureRow{"TagAcrossLines", "index.html", "a [@DNA\nME@]\n[@START@]\nx\n[@STOP@]\nz\n",
                   kDocomo, -5, false}),
    [](const ::testing::TestParamInfo<FailureRow>& row) { return row.param.label; });

// A list line ",text" names the empty name; the empty record of the before section still
// has no file text.
TEST_F(HtmlListingTest, FileTextOutsideTheRepeatSectionIsEmptyEvenForAListedEmptyName) {
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, {{"", "listed"}}), 0);
  WriteTemplate("index.html", "[@FTEXT@]\n[@START@]\nx\n[@STOP@]\nz\n");
  EXPECT_EQ(Render(), -5);
  EXPECT_EQ(messages_.shown,
            Messages{TemplateError(program_.path() / "template/docomo/index.html")});
}

TEST_F(HtmlListingTest, TheRootFolderHasNoNameForDname) {
  WriteTemplate("index.html", "[@DNAME@]\n[@START@]\nx\n[@STOP@]\nz\n");
  const bool existed = fs::exists("/index.html");
  EXPECT_EQ(RenderHtmlListing(listing_, "/", "index.html", context_), -5);
  EXPECT_EQ(messages_.shown,
            Messages{TemplateError(program_.path() / "template/docomo/index.html")});
  EXPECT_EQ(fs::exists("/index.html"), existed);
}

}  // namespace
}  // namespace veldor
