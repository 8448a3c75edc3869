#include "engine/file_record.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/engine/fake_file_system.h"
#include "tests/engine/print_record.h"
#include "tests/support/temp_folder.h"

namespace veldor {
namespace {

using testing::FakeFileSystem;
using testing::TempFolder;

// 2003/11/05 13:05:18 and 2003/01/03 00:00:00 in Tokyo.
constexpr std::time_t kModified = 1068005118;
constexpr std::time_t kCreated = 1041519600;

// The rate as the settings file gives it: the stored integer times 0.01.
double Rate(int stored) { return stored * 0.01; }

TEST(PacketsForSizeTest, CountsStartedPacketsOf128Bytes) {
  const std::pair<std::int64_t, std::int64_t> rows[] = {{0, 0}, {1, 1}, {128, 1}, {129, 2}};
  for (const auto& [size, packets] : rows) EXPECT_EQ(PacketsForSize(size), packets) << size;
}

TEST(ChargeForPacketsTest, RoundsHalfUpInDoubleArithmetic) {
  struct Row {
    std::int64_t packets;
    int rate;
    std::int64_t yen;
  };
  const Row rows[] = {
      {97, 30, 29},
      {5, 30, 2},
      {1, 30, 0},
      {0, 30, 0},
      // The double nearest 0.29 lies below it, so 14.5 falls short of rounding up.
      {50, 29, 14},
      {50, 27, 14},
      {2, 27, 1},
      {25165824, 30, 7549747},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ChargeForPackets(row.packets, Rate(row.rate)), row.yen)
        << row.packets << " packets at " << row.rate;
  }
  // An absurd rate from a hand-edited settings file must not overflow.
  EXPECT_GT(ChargeForPackets(std::int64_t{1} << 56, Rate(2000000000)), 0);
  EXPECT_LT(ChargeForPackets(std::int64_t{1} << 56, Rate(-2000000000)), 0);
}

class FileRecordTest : public ::testing::Test {
 protected:
  FileRecordTest() {
    // Dates are shown in local time; pin the zone whatever runs the test.
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
    settings_.company = kAu;
  }

  ListingSettings settings_;
  TempFolder program_folder_;
  ReplaceLists lists_{program_folder_.path()};
  FakeFileSystem fs_;
};

TEST_F(FileRecordTest, BuildsTheRecordFromStatusRateAndList) {
  program_folder_.Write("replace_list.csv", "Photo.jpg,wrong case\r\nphoto.jpg,Sea at dawn\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  fs_.AddFile("/photos", "photo.jpg", {6400, kModified, kCreated});
  fs_.AddFile("/photos", "other.jpg", {1, kModified, kModified});

  const auto record = BuildFileRecord("/photos/photo.jpg", settings_, lists_, fs_);
  ASSERT_TRUE(record);
  FileRecord expected;
  expected.file_name = "photo.jpg";
  expected.file_size = 6400;
  expected.packet_count = 50;
  expected.packet_charge = 14;  // au: 0.27 yen a packet
  expected.extended_text = "Sea at dawn";
  expected.modified_date = "2003/11/05 13:05:18";
  expected.created_date = "2003/01/03 00:00:00";
  EXPECT_EQ(*record, expected);

  const auto other = BuildFileRecord("/photos/other.jpg", settings_, lists_, fs_);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->extended_text, "other.jpg");
}

TEST_F(FileRecordTest, AFileThatVanishedAfterTheEnumerationIsSkipped) {
  fs_.AddFile("/photos", "a.jpg", {10, kModified, kCreated});
  fs_.AddVanishedFile("/photos", "a-much-longer-name.jpg");
  fs_.AddFile("/photos", "b.jpg", {300, kModified, kCreated});
  const auto listing = ScanFolder("/photos", settings_, lists_, fs_);
  ASSERT_TRUE(listing);
  ASSERT_EQ(listing->count(), 3u);
  EXPECT_EQ(listing->records[1].file_name, "a.jpg");
  EXPECT_EQ(listing->records[2].file_name, "b.jpg");
  EXPECT_EQ(listing->records[2].packet_count, 3);
  EXPECT_EQ(listing->longest_name, 5u);
}

TEST_F(FileRecordTest, NothingForAFileOrFolderThatCannotBeRead) {
  EXPECT_FALSE(BuildFileRecord("/photos/gone.jpg", settings_, lists_, fs_));
  EXPECT_FALSE(ScanFolder("/missing", settings_, lists_, fs_));
}

// The listed names of a scan, in listing order.
std::vector<std::string> ListedNames(const Listing& listing) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < listing.count(); ++i) names.push_back(listing.records[i].file_name);
  return names;
}

class ScanFolderTest : public ::testing::Test {
 protected:
  ScanFolderTest() {
    for (const char* name : {"a.JPG", "a.jpeg", "a.jpg.bak", "README", ".jpg", "b.gif", "c.png"}) {
      folder_.Write(name, "x");
    }
    // Subfolders are never listed or entered, whatever their names.
    folder_.Write("x.jpg/inside.jpg", "x");
    std::filesystem::create_directory(folder_ / "sub");
  }

  std::vector<std::string> Scan() {
    const auto listing = ScanFolder(folder_.path(), settings_, lists_, fs_);
    if (!listing) return {"<not enumerable>"};
    EXPECT_EQ(listing->records.front(), FileRecord{});
    return ListedNames(*listing);
  }

  TempFolder folder_;
  TempFolder program_folder_;
  ListingSettings settings_;
  ReplaceLists lists_{program_folder_.path()};
  RealFileSystem fs_;
};

TEST_F(ScanFolderTest, TheDefaultFilterListsPicturesWithoutRegardToCase) {
  EXPECT_EQ(Scan(), (std::vector<std::string>{".jpg", "a.JPG", "b.gif", "c.png"}));
}

TEST_F(ScanFolderTest, AllFilesZeroListsEveryFileButNoFolder) {
  settings_.all_files = 0;
  EXPECT_EQ(Scan(), (std::vector<std::string>{".jpg", "README", "a.JPG", "a.jpeg", "a.jpg.bak",
                                              "b.gif", "c.png"}));
}

TEST_F(ScanFolderTest, FilterEntriesAreTriedInTheirOwnSpelling) {
  settings_.extensions = {".BAK", ".Jpeg"};
  EXPECT_EQ(Scan(), (std::vector<std::string>{"a.jpeg", "a.jpg.bak"}));
  settings_.extensions = {};
  EXPECT_EQ(Scan(), std::vector<std::string>{});
  // An empty entry does not let names without an extension through.
  settings_.extensions = {""};
  EXPECT_EQ(Scan(), std::vector<std::string>{});
}

TEST_F(ScanFolderTest, LengthsCountCp932BytesAndAreZeroWithoutFiles) {
  settings_.extensions = {".png"};
  const auto none = ScanFolder(folder_ / "sub", settings_, lists_, fs_);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->count(), 1u);
  EXPECT_EQ(none->longest_name, 0u);
  EXPECT_EQ(none->longest_text, 0u);

  folder_.Write("あいう.png", "x");
  // The text of c.png: two double-byte characters and eight more bytes, 12 bytes.
  program_folder_.Write("replace_list.csv",
                        "c.png,\x83\x81\x83\x82"
                        "abcdefgh\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  const auto listing = ScanFolder(folder_.path(), settings_, lists_, fs_);
  ASSERT_TRUE(listing);
  EXPECT_EQ(ListedNames(*listing),
            (std::vector<std::string>{"c.png", "\x82\xA0\x82\xA2\x82\xA4.png"}));
  EXPECT_EQ(listing->longest_name, 10u);
  EXPECT_EQ(listing->longest_text, 12u);
  EXPECT_EQ(listing->records[2].extended_text, listing->records[2].file_name);
}

TEST(BuildFileRecordTest, AFileOfThreeGibibytesShowsItsTrueSize) {
  TempFolder folder;
  const auto file = folder.Write("big.jpg", "");
  const int fd = ::open(file.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  const bool grown = ::ftruncate(fd, 3221225472) == 0;
  ::close(fd);
  ASSERT_TRUE(grown);
  ReplaceLists lists(folder.path());
  RealFileSystem fs;
  const auto record = BuildFileRecord(file, ListingSettings{}, lists, fs);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->file_size, 3221225472);
  EXPECT_EQ(record->packet_count, 25165824);
  EXPECT_EQ(record->packet_charge, 7549747);  // docomo: 0.30 yen a packet
}

}  // namespace
}  // namespace veldor
