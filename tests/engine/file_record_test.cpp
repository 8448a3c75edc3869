#include "engine/file_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using Names = std::vector<std::string>;

// 2003/11/05 13:05:18 and 2003/01/03 00:00:00 in Tokyo.
constexpr FileStatus kStatus{6400, 1068005118, 1041519600};

TEST(ChargeTest, PacketsOf128BytesAndHalfUpCharges) {
  struct Row {
    std::int64_t size;
    int rate;  // hundredths of a yen, as the settings file stores it
    std::int64_t packets, yen;
  };
  const Row rows[] = {{0, 30, 0, 0},
                      {1, 30, 1, 0},
                      {128, 30, 1, 0},
                      {129, 27, 2, 1},
                      {640, 30, 5, 2},
                      {12416, 30, 97, 29},
                      {6400, 27, 50, 14},
                      {-5, 30, 0, 0},
                      {3221225472, 30, 25165824, 7549747},
                      // The double nearest 0.29 lies below it, so 14.5 falls short of rounding up.
                      {6400, 29, 50, 14}};
  for (const Row& row : rows) {
    EXPECT_EQ(PacketsForSize(row.size), row.packets) << row.size;
    EXPECT_EQ(ChargeForPackets(row.packets, row.rate * 0.01), row.yen) << row.size;
  }
  // An absurd rate from a hand-edited settings file must not overflow.
  EXPECT_GT(ChargeForPackets(std::int64_t{1} << 56, 2e7), 0);
  EXPECT_LT(ChargeForPackets(std::int64_t{1} << 56, -2e7), 0);
}

class ScanTest : public ::testing::Test {
 protected:
  ScanTest() {
    // Dates are shown in local time; pin the zone whatever runs the test.
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
    settings_.company = kAu;
    for (const char* name : {".jpg", "README", "a.JPG", "a.jpeg", "a.jpg.bak", "b.gif", "c.png"})
      fs_.Add("/f", name, kStatus);
    fs_.Add("/f", "x.jpg", std::nullopt, true);  // folders are never listed
  }
  Names Scan(const std::filesystem::path& folder = "/f") {
    const auto listing = ScanFolder(folder, settings_, lists_, fs_);
    if (!listing) return {"<not enumerable>"};
    Names names;
    for (const auto& record : listing->records) names.push_back(record.file_name);
    return names;
  }

  ListingSettings settings_;
  testing::TempFolder program_;
  ReplaceLists lists_{program_.path()};
  testing::FakeFileSystem fs_;
};

TEST_F(ScanTest, FilterByExtension) {
  struct Row {
    const char* label;
    int all_files;
    Names extensions, listed;
  };
  const Row rows[] = {
      {"DefaultIgnoresCase", 1, {".jpg", ".gif", ".png"}, {".jpg", "a.JPG", "b.gif", "c.png"}},
      {"AllFiles", 0, {}, {".jpg", "README", "a.JPG", "a.jpeg", "a.jpg.bak", "b.gif", "c.png"}},
      {"OwnSpelling", 1, {".BAK", ".Jpeg"}, {"a.jpeg", "a.jpg.bak"}},
      {"EmptyList", 1, {}, {}},
      {"EmptyEntryLetsNoBareNameThrough", 1, {""}, {}},
  };
  for (const Row& row : rows) {
    settings_.all_files = row.all_files;
    settings_.extensions = row.extensions;
    EXPECT_EQ(Scan(), row.listed) << row.label;
  }
  EXPECT_EQ(Scan("/missing"), Names{"<not enumerable>"});
}

TEST_F(ScanTest, RecordsFromStatusRateAndList) {
  ASSERT_TRUE(lists_.WriteReplaceList(ListKind::FileNames, {{"C.png", "wrong case"},
                                                            {"c.png",
                                                             "\x83\x81\x83\x82"
                                                             "abcdefgh"}}));
  fs_.Add("/g", "c.png", kStatus);
  fs_.Add("/g", "a-much-longer-name.png", std::nullopt);
  fs_.Add("/g", "あいう.png", FileStatus{129, 1068005118, 1068005118});
  const auto listing = ScanFolder("/g", settings_, lists_, fs_);
  ASSERT_TRUE(listing);
  const FileRecord sea{"c.png",
                       6400,
                       50,
                       14,  // au: 0.27 yen a packet
                       "\x83\x81\x83\x82"
                       "abcdefgh",
                       "2003/11/05 13:05:18",
                       "2003/01/03 00:00:00"};
  const FileRecord kana{"\x82\xA0\x82\xA2\x82\xA4.png",
                        129,
                        2,
                        1,
                        "\x82\xA0\x82\xA2\x82\xA4.png",
                        "2003/11/05 13:05:18",
                        "2003/11/05 13:05:18"};
  EXPECT_EQ(listing->records, (std::vector<FileRecord>{sea, kana}));
  EXPECT_EQ(listing->longest_name, 10u);  // CP932 bytes; the vanished file does not count
  EXPECT_EQ(listing->longest_text, 12u);
  EXPECT_EQ(BuildFileRecord("/g/c.png", settings_, lists_, fs_), sea);
  EXPECT_FALSE(BuildFileRecord("/g/a-much-longer-name.png", settings_, lists_, fs_));
  const auto empty = ScanFolder("/f/x.jpg", settings_, lists_, fs_);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->longest_name + empty->longest_text, 0u);
}

}  // namespace
}  // namespace veldor
