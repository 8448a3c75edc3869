// The text and CSV listings byte for byte, column by column.
#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "writers/csv_listing.h"
#include "writers/text_listing.h"

namespace veldor {
namespace {

using testing::File;

constexpr const char* kCsvHeader =
    "ファイル名,ファイルサイズ（byte）,ファイル更新日付,パケット数,パケット料金（円）\r\n\r\n";

struct FormatRow {
  const char* label;
  bool csv;
  std::array<int, kColumnCount> columns;  // size, modified, created, packets, charge, text
  std::vector<FileRecord> files;
  std::string listing;  // UTF-8
};

class FormatTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatTest, WritesTheListingByteForByte) {
  ListingSettings settings;
  settings.output_items = GetParam().columns;
  const Listing listing = testing::MakeListing(GetParam().files);
  EXPECT_EQ(Cp932ToUtf8(GetParam().csv ? FormatCsvListing(listing, settings)
                                       : FormatTextListing(listing, settings)),
            GetParam().listing);
}

const std::vector<FileRecord> kBig = {File("a.jpg", 1234567890, 9645062, 28935),
                                      File("big.jpg", 3221225472, 25165824, 7549747)};
const std::vector<FileRecord> kSea = {File("a.jpg", 640, 5, 2, "海の写真")};

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatTest,
    ::testing::Values(
        FormatRow{"TxtDefault",
                  false,
                  {1, 1, 0, 1, 1, 0},
                  {File("a.jpg", 12345, 97, 29), File("abcdef.jpg")},
                  "a.jpg        "
                  "    12345 byte   "
                  "2003/05/01 12:34:56 更新   "
                  "    97 パケット   "
                  "  29 円\r\n"
                  "abcdef.jpg   "
                  "        0 byte   "
                  "2003/05/01 12:34:56 更新   "
                  "     0 パケット   "
                  "   0 円\r\n"},
        FormatRow{"TxtEveryColumn",
                  false,
                  {1, 1, 1, 1, 1, 1},
                  kSea,
                  "a.jpg   海の写真   "
                  "      640 byte   "
                  "2003/05/01 12:34:56 更新   "
                  "2003/04/01 08:00:00 作成   "
                  "     5 パケット   "
                  "   2 円\r\n"},
        FormatRow{"TxtPadsByBytes",
                  false,
                  {0, 0, 0, 0, 0, 0},
                  {File("写真.jpg"), File("a.jpg")},
                  "写真.jpg   \r\na.jpg      \r\n"},
        FormatRow{"TxtOneByteApart",
                  false,
                  {0, 0, 0, 0, 0, 1},
                  {File("ab.jpg", 0, 0, 0, "xy"), File("abc.jpg", 0, 0, 0, "x")},
                  "ab.jpg    xy   \r\nabc.jpg   x    \r\n"},
        FormatRow{"TxtPacketsWithoutCharge",
                  false,
                  {1, 0, 0, 1, 0, 0},
                  kBig,
                  "a.jpg     1234567890 byte   9645062 パケット   \r\n"
                  "big.jpg   3221225472 byte   25165824 パケット   \r\n"},
        FormatRow{"TxtChargeWithoutPackets",
                  false,
                  {0, 0, 0, 0, 1, 0},
                  kBig,
                  "a.jpg     28935 円\r\nbig.jpg   7549747 円\r\n"},
        FormatRow{"TxtEmpty", false, {1, 1, 0, 1, 1, 0}, {}, ""},
        FormatRow{"CsvDefault",
                  true,
                  {1, 1, 0, 1, 1, 0},
                  kBig,
                  std::string(kCsvHeader) +
                      "a.jpg,1234567890,2003/05/01 12:34:56,9645062,28935\r\n"
                      "big.jpg,3221225472,2003/05/01 12:34:56,25165824,7549747\r\n"},
        FormatRow{"CsvEveryColumn",
                  true,
                  {1, 1, 1, 1, 1, 1},
                  kSea,
                  "ファイル名,拡張テキスト,ファイルサイズ（byte）,ファイル更新日付,"
                  "ファイル作成日付,パケット数,パケット料金（円）\r\n\r\n"
                  "a.jpg,海の写真,640,2003/05/01 12:34:56,2003/04/01 08:00:00,5,2\r\n"},
        FormatRow{"CsvPacketsWithoutCharge",
                  true,
                  {0, 0, 0, 1, 0, 0},
                  kBig,
                  "ファイル名,パケット数\r\n\r\na.jpg,9645062\r\nbig.jpg,25165824\r\n"},
        FormatRow{"CsvChargeWithoutPackets",
                  true,
                  {0, 0, 0, 0, 1, 0},
                  kBig,
                  "ファイル名,パケット料金（円）\r\n\r\na.jpg,28935\r\nbig.jpg,7549747\r\n"},
        FormatRow{"CsvEmpty", true, {1, 1, 0, 1, 1, 0}, {}, kCsvHeader},
        // 表 and ソ end in the byte 0x5C: still no reason to quote.
        FormatRow{"CsvQuotesWhatWouldSplitTheRow",
                  true,
                  {0, 0, 0, 0, 0, 1},
                  {File("a,b.jpg", 0, 0, 0, "say \"hi\""), File("a.jpg", 0, 0, 0, "two\r\nlines"),
                   File("b.jpg", 0, 0, 0, "lf\nonly"), File("c.jpg", 0, 0, 0, "cr\ronly"),
                   File("表ソ.jpg", 0, 0, 0, "日本語 text's")},
                  "ファイル名,拡張テキスト\r\n\r\n\"a,b.jpg\",\"say \"\"hi\"\"\"\r\n"
                  "a.jpg,\"two\r\nlines\"\r\nb.jpg,\"lf\nonly\"\r\nc.jpg,\"cr\ronly\"\r\n"
                  "表ソ.jpg,日本語 text's\r\n"}),
    [](const auto& row) { return std::string(row.param.label); });

// A long list text costs memory only where it is written: not for every line of the text
// listing, and only once in the table.
TEST(LongTextTest, IsNotReservedForEveryLine) {
  Listing listing = testing::MakeListing(std::vector<FileRecord>(50000, File("a.jpg")));
  listing.records[0].extended_text.assign(4 << 20, 'x');
  listing.longest_text = 4 << 20;
  ListingSettings settings;
  settings.output_items = {0, 0, 0, 0, 0, 0};
  EXPECT_EQ(FormatTextListing(listing, settings).size(),
            50000 * std::string("a.jpg   \r\n").size());
  settings.output_items = {0, 0, 0, 0, 0, 1};
  EXPECT_EQ(FormatCsvListing(listing, settings).size(),
            FormatCsvListing(Listing{}, settings).size() + (4 << 20) + 50000 * 8 + 49999 * 5);
}

}  // namespace
}  // namespace veldor
