#include "engine/sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reference_sort.h"

namespace veldor {
namespace {

TEST(CompareRecordsTest, AnswersByKeyAndStyle) {
  const FileRecord small{"a.jpg", 5, 1, 0, "a.jpg", "2003/11/05 13:05:18", "2003/11/05 13:05:18"};
  // A size beyond 32 bits.
  const FileRecord big{
      "b.jpg", 3221225472, 3, 1, "z", "2003/11/05 13:05:19", "2004/01/01 00:00:00"};
  struct Row {
    int key, style;
    const FileRecord &a, &b;
    int expected;
  };
  const Row rows[] = {
      {0, 0, small, big, 1},    {0, 1, small, big, -1},   {1, 0, big, small, -1},
      {1, 1, big, small, 1},    {2, 0, small, big, 1},    {3, 1, small, big, -1},
      {4, 0, small, big, 1},    {5, 0, big, small, -1},   {6, 0, small, big, 1},
      {1, 0, small, small, 0},  {0, 1, big, big, 0},      {-1, 0, small, big, -255},
      {7, 0, small, big, -255}, {0, 2, small, big, -255}, {0, -1, small, small, -255},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CompareRecords(row.a, row.b, row.key, row.style), row.expected)
        << "key " << row.key << " style " << row.style;
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
  std::vector<FileRecord> records;
  for (std::size_t i = 0; i < files; ++i) {
    records.push_back({kTexts[text(rng)], number(rng), number(rng), number(rng) * 4000000000LL,
                       kTexts[text(rng)], kDates[date(rng)], kDates[date(rng)]});
  }
  return records;
}

TEST(SortRecordsTest, MatchesTheSelectionSortOnRandomListings) {
  std::mt19937 rng(20031105);
  std::uniform_int_distribution<std::size_t> size(0, 120);
  for (int round = 0; round < 40; ++round) {
    const auto input = RandomListing(rng, round < 5 ? static_cast<std::size_t>(round) : size(rng));
    for (const int key : {0, 1, 2, 3, 4, 5, 6, -1, 7}) {
      for (const int style : {0, 1, 2}) {
        auto fast = input;
        auto slow = input;
        SortRecords(fast, key, style);
        testing::ReferenceSelectionSort(slow, key, style);
        ASSERT_TRUE(fast == slow) << "round " << round << " key " << key << " style " << style;
      }
    }
  }
}

}  // namespace
}  // namespace veldor
