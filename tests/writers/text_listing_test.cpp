#include "writers/text_listing.h"

#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "text/cp932.h"

namespace veldor {
namespace {

using testing::Columns;
using testing::MakeListing;

class TextListingTest : public ::testing::Test {
 protected:
  // The listing as the user's editor shows it: UTF-8.
  std::string Format(const Listing& listing) {
    return Cp932ToUtf8(FormatTextListing(listing, settings_));
  }
  ListingSettings settings_;
};

TEST_F(TextListingTest, DefaultColumnsGiveSizeModifiedPacketsAndCharge) {
  // The longest name "abcdef.jpg" has 10 bytes.
  const Listing listing = MakeListing({{"a.jpg", 12345, 97, 29}, {"abcdef.jpg", 0, 0, 0}});
  EXPECT_EQ(Format(listing),
            "a.jpg        "
            "    12345 byte   "
            "2003/05/01 12:34:56 更新   "
            "    97 パケット   "
            "  29 円\r\n"
            "abcdef.jpg   "
            "        0 byte   "
            "2003/05/01 12:34:56 更新   "
            "     0 パケット   "
            "   0 円\r\n");
}

TEST_F(TextListingTest, EveryColumnInItsPlace) {
  settings_.output_items = Columns(1, 1, 1, 1, 1, 1);
  const Listing listing =
      MakeListing({{"a.jpg", 640, 5, 2, "2003/11/05 13:05:18", "2003/01/02 03:04:05", "海の写真"}});
  EXPECT_EQ(Format(listing),
            "a.jpg   海の写真   "
            "      640 byte   "
            "2003/11/05 13:05:18 更新   "
            "2003/01/02 03:04:05 作成   "
            "     5 パケット   "
            "   2 円\r\n");
}

TEST_F(TextListingTest, AllColumnsOffLeavesTheNamePaddedByItsByteLength) {
  settings_.output_items = Columns(0, 0, 0, 0, 0, 0);
  // Two double-byte characters and ".jpg": 8 bytes in CP932.
  EXPECT_EQ(Format(MakeListing({{"写真.jpg"}, {"a.jpg"}})), "写真.jpg   \r\na.jpg      \r\n");
}

TEST_F(TextListingTest, NumbersWiderThanTheirColumnAreNotCut) {
  settings_.output_items = Columns(1, 0, 0, 1, 1, 0);
  const Listing listing = MakeListing(
      {{"a.jpg", 1234567890, 9645062, 28935}, {"big.jpg", 3221225472, 25165824, 7549747}});
  EXPECT_EQ(Format(listing),
            "a.jpg     1234567890 byte   9645062 パケット   28935 円\r\n"
            "big.jpg   3221225472 byte   25165824 パケット   7549747 円\r\n");
}

// Without the text column, a long list text has no part in the listing or its size.
TEST_F(TextListingTest, OneLongTextOutOfTheColumnsCostsNothing) {
  settings_.output_items = Columns(0, 0, 0, 0, 0, 0);
  EXPECT_EQ(FormatTextListing(testing::ManyFilesOneLongText(50000, 4 << 20), settings_).size(),
            50000 * std::string("a.jpg   \r\n").size());
}

TEST_F(TextListingTest, EmptyFolderGivesAnEmptyListing) {
  EXPECT_EQ(FormatTextListing(Listing{}, settings_), "");
}

}  // namespace
}  // namespace veldor
