#include "engine/sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/engine/print_record.h"
#include "tests/engine/reference_sort.h"

namespace veldor {
namespace {

FileRecord Named(std::string name, std::int64_t size = 0) {
  FileRecord r;
  r.file_name = std::move(name);
  r.file_size = size;
  r.extended_text = r.file_name;
  return r;
}

// A listing array: the empty record at position 0, then the files in scan order.
std::vector<FileRecord> Listing(std::vector<FileRecord> files) {
  files.insert(files.begin(), FileRecord{});
  return files;
}

std::vector<std::string> Names(const std::vector<FileRecord>& records) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < records.size(); ++i) names.push_back(records[i].file_name);
  return names;
}

struct CompareRow {
  const char* what;
  int key;
  int style;
  FileRecord a;
  FileRecord b;
  int expected;
};

TEST(CompareRecordsTest, AnswersByKeyAndStyle) {
  FileRecord small = Named("a.jpg", 5);
  small.modified_date = "2003/11/05 13:05:18";
  small.created_date = "2003/11/05 13:05:18";
  small.packet_count = 1;
  small.packet_charge = 0;
  FileRecord big = Named("b.jpg", 3221225472);  // beyond 32 bits
  big.modified_date = "2003/11/05 13:05:19";
  big.created_date = "2004/01/01 00:00:00";
  big.packet_count = 3;
  big.packet_charge = 1;
  big.extended_text = "z";
  const CompareRow rows[] = {
      {"name ascending", 0, 0, small, big, 1},
      {"name descending", 0, 1, small, big, -1},
      {"size ascending", 1, 0, big, small, -1},
      {"size descending", 1, 1, big, small, 1},
      {"modified", 2, 0, small, big, 1},
      {"created", 3, 1, small, big, -1},
      {"packets", 4, 0, small, big, 1},
      {"charge", 5, 0, big, small, -1},
      {"extended text", 6, 0, small, big, 1},
      {"equal fields", 1, 0, small, small, 0},
      {"equal fields descending", 0, 1, big, big, 0},
      {"key below range", -1, 0, small, big, -255},
      {"key above range", 7, 0, small, big, -255},
      {"style 2", 0, 2, small, big, -255},
      {"style -1", 0, -1, small, small, -255},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CompareRecords(row.a, row.b, row.key, row.style), row.expected) << row.what;
  }
}

TEST(SortRecordsTest, TiesMoveAsInTheSelectionSortAndPositionZeroStays) {
  const std::vector<FileRecord> files = Listing({Named("A", 5), Named("B", 5), Named("C", 3)});
  for (const auto& [style, expected] : {std::pair{0, std::vector<std::string>{"C", "B", "A"}},
                                        std::pair{1, std::vector<std::string>{"A", "B", "C"}}}) {
    auto records = files;
    SortRecords(records, kSortFileSize, style);
    EXPECT_EQ(Names(records), expected) << "style " << style;
    EXPECT_EQ(records.front(), FileRecord{});
  }
}

// Records drawn from few values, so that most keys tie many times; the other fields tell
// tied records apart, so a different exchange shows in the comparison.
std::vector<FileRecord> RandomListing(std::mt19937& rng, std::size_t files) {
  // Half-width katakana above some lead bytes, differences in a second byte, and a lead
  // byte at the end of a text.
  // clang-format off
  static const char* const kTexts[] = {
      "",         "a",         "B",          "b",           "ab",   "\xB1",
      "\x82\xA0", "a\x82\xA0", "\x82\xA2",   "\x82" "a",     "a\x82", "\xE0\x40",
      "\xB1\x82\xA0", "\x82\xA0\xB1", "\x82\xA0\x82\xA2", "a\x82\xA2"};
  // clang-format on
  static const char* const kDates[] = {"2003/11/05 13:05:18", "2003/11/05 13:05:19",
                                       "2004/01/01 00:00:00"};
  std::uniform_int_distribution<int> text(0, 15);
  std::uniform_int_distribution<int> date(0, 2);
  std::uniform_int_distribution<std::int64_t> number(-1, 3);
  std::vector<FileRecord> records(1);
  for (std::size_t i = 0; i < files; ++i) {
    FileRecord r;
    r.file_name = kTexts[text(rng)];
    r.file_size = number(rng);
    r.packet_count = number(rng);
    r.packet_charge = number(rng) * 4000000000LL;
    r.extended_text = kTexts[text(rng)];
    r.modified_date = kDates[date(rng)];
    r.created_date = kDates[date(rng)];
    records.push_back(std::move(r));
  }
  return records;
}

TEST(SortRecordsTest, MatchesTheSelectionSortOnRandomListings) {
  std::mt19937 rng(20031105);
  std::uniform_int_distribution<std::size_t> size(0, 120);
  const int keys[] = {0, 1, 2, 3, 4, 5, 6, -1, 7};
  const int styles[] = {0, 1, 2};
  for (int round = 0; round < 40; ++round) {
    const auto input = RandomListing(rng, round < 5 ? static_cast<std::size_t>(round) : size(rng));
    for (const int key : keys) {
      for (const int style : styles) {
        auto fast = input;
        auto slow = input;
        SortRecords(fast, key, style);
        testing::ReferenceSelectionSort(slow, key, style);
        ASSERT_EQ(fast, slow) << "round " << round << " key " << key << " style " << style
                              << " files " << input.size() - 1;
      }
    }
  }
}

}  // namespace
}  // namespace veldor
