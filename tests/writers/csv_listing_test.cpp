#include "writers/csv_listing.h"

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "text/cp932.h"

namespace veldor {
namespace {

using testing::Columns;
using testing::MakeListing;

constexpr const char* kDefaultHeader =
    "ファイル名,ファイルサイズ（byte）,ファイル更新日付,パケット数,パケット料金（円）\r\n\r\n";

class CsvListingTest : public ::testing::Test {
 protected:
  std::string Format(const Listing& listing) {
    return Cp932ToUtf8(FormatCsvListing(listing, settings_));
  }
  ListingSettings settings_;
};

TEST_F(CsvListingTest, DefaultColumns) {
  const Listing listing =
      MakeListing({{"a.jpg", 12345, 97, 29}, {"b.gif", 3221225472, 25165824, 7549747}});
  EXPECT_EQ(Format(listing), std::string(kDefaultHeader) +
                                 "a.jpg,12345,2003/05/01 12:34:56,97,29\r\n"
                                 "b.gif,3221225472,2003/05/01 12:34:56,25165824,7549747\r\n");
}

TEST_F(CsvListingTest, EmptyFolderGivesTheHeaderAndTheEmptyLine) {
  EXPECT_EQ(Format(Listing{}), kDefaultHeader);
}

TEST_F(CsvListingTest, AllColumnsOffGivesBareNames) {
  settings_.output_items = Columns(0, 0, 0, 0, 0, 0);
  EXPECT_EQ(Format(MakeListing({{"a.jpg"}, {"写真.png"}})),
            "ファイル名\r\n\r\na.jpg\r\n写真.png\r\n");
}

TEST_F(CsvListingTest, EveryColumnWithTheExtendedTextSecond) {
  settings_.output_items = Columns(1, 1, 1, 1, 1, 1);
  const Listing listing =
      MakeListing({{"a.jpg", 640, 5, 2, "2003/11/05 13:05:18", "2003/01/02 03:04:05", "海の写真"}});
  EXPECT_EQ(Format(listing),
            "ファイル名,拡張テキスト,ファイルサイズ（byte）,ファイル更新日付,ファイル作成日付,"
            "パケット数,パケット料金（円）\r\n\r\n"
            "a.jpg,海の写真,640,2003/11/05 13:05:18,2003/01/02 03:04:05,5,2\r\n");
}

// The table grows with what it holds: one long list text is not reserved for every row.
TEST_F(CsvListingTest, OneLongTextAmongManyFilesIsWrittenOnce) {
  settings_.output_items = Columns(0, 0, 0, 0, 0, 1);
  const std::size_t header = FormatCsvListing(Listing{}, settings_).size();
  const std::string csv =
      FormatCsvListing(testing::ManyFilesOneLongText(50000, 4 << 20), settings_);
  EXPECT_EQ(csv.size(), header + (4 << 20) + 50000 * std::string("a.jpg,\r\n").size() +
                            49999 * std::string("a.jpg").size());
}

struct QuotingRow {
  const char* name;
  const char* text;
  const char* row;  // name and text columns of the written row
};

class CsvQuotingTest : public ::testing::TestWithParam<QuotingRow> {};

TEST_P(CsvQuotingTest, FieldsThatWouldSplitTheRowAreQuoted) {
  ListingSettings settings;
  settings.output_items = Columns(0, 0, 0, 0, 0, 1);
  const QuotingRow& row = GetParam();
  const Listing listing = MakeListing({{row.name, 0, 0, 0, "", "", row.text}});
  EXPECT_EQ(Cp932ToUtf8(FormatCsvListing(listing, settings)),
            std::string("ファイル名,拡張テキスト\r\n\r\n") + row.row + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CsvQuotingTest,
    ::testing::Values(QuotingRow{"a,b.jpg", "plain", "\"a,b.jpg\",plain"},
                      QuotingRow{"a.jpg", "say \"hi\"", "a.jpg,\"say \"\"hi\"\"\""},
                      QuotingRow{"a.jpg", "two\r\nlines", "a.jpg,\"two\r\nlines\""},
                      QuotingRow{"a.jpg", "lf\nonly", "a.jpg,\"lf\nonly\""},
                      QuotingRow{"a.jpg", "cr\ronly", "a.jpg,\"cr\ronly\""},
                      // 表 and ソ end in the byte 0x5C: still no reason to quote.
                      QuotingRow{"表ソ.jpg", "日本語 text's", "表ソ.jpg,日本語 text's"}));

}  // namespace
}  // namespace veldor
