#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace veldor {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// "ソ" is 0x83 0x5C and "表" is 0x95 0x5C: their second bytes look like a backslash.
constexpr std::string_view kSo = "\x83\x5C";
constexpr std::string_view kHyo = "\x95\x5C";

TEST(FindMbTest, SkipsSecondBytesOfDoubleByteCharacters) {
  const std::string text = std::string(kSo) + "\\" + std::string(kHyo) + "\\";
  EXPECT_EQ(FindMb(text, "\\"), 2u);
  EXPECT_EQ(FindMb(text, "\\", 3), 5u);
  EXPECT_EQ(FindMb(kSo, "\\"), npos);
  // A needle that starts inside a character is no match either.
  EXPECT_EQ(FindMb(std::string(kSo) + "a", "\\a"), npos);
}

TEST(FindMbTest, FindsDoubleByteNeedlesAndEmptyNeedle) {
  const std::string text = "ab" + std::string(kHyo) + "c";
  EXPECT_EQ(FindMb(text, kHyo), 2u);
  EXPECT_EQ(FindMb(text, ""), 0u);
  EXPECT_EQ(FindMb(text, "", text.size()), text.size());
  EXPECT_EQ(FindMb(text, "c", 2), 4u);
  EXPECT_EQ(FindMb("", "a"), npos);
}

TEST(FindMbTest, LeadByteAtTheEndIsACharacterOfItsOwn) {
  EXPECT_EQ(FindMb("a\x83", "\x83"), 1u);
  EXPECT_EQ(CharLength("a\x83", 1), 1u);
}

TEST(FindLastMbCharTest, IgnoresSecondBytes) {
  EXPECT_EQ(FindLastMbChar("a\\" + std::string(kSo), '\\'), 1u);
  EXPECT_EQ(FindLastMbChar(std::string(kSo) + std::string(kHyo), '\\'), npos);
  EXPECT_EQ(FindLastMbChar("a.b.c", '.'), 3u);
  EXPECT_EQ(FindLastMbChar("", '.'), npos);
}

struct CompareRow {
  const char* name;
  std::string_view a;
  std::string_view b;
  int mbscmp;   // sign expected from MbsCmp
  int mbsicmp;  // sign expected from MbsICmp
};

int Sign(int value) { return (value > 0) - (value < 0); }

class CompareTest : public ::testing::TestWithParam<CompareRow> {};

TEST_P(CompareTest, OrdersCharacterByCharacter) {
  const CompareRow& row = GetParam();
  EXPECT_EQ(Sign(MbsCmp(row.a, row.b)), row.mbscmp);
  EXPECT_EQ(Sign(MbsCmp(row.b, row.a)), -row.mbscmp);
  EXPECT_EQ(Sign(MbsICmp(row.a, row.b)), row.mbsicmp);
  EXPECT_EQ(Sign(MbsICmp(row.b, row.a)), -row.mbsicmp);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompareTest,
    ::testing::Values(CompareRow{"Equal", "abc", "abc", 0, 0},
                      CompareRow{"UpperBeforeLower", "B.jpg", "a.jpg", -1, 1},
                      CompareRow{"CaseOnly", "ABC.JPG", "abc.jpg", -1, 0},
                      CompareRow{"ProperPrefixFirst", "abc", "abcd", -1, -1},
                      CompareRow{"EmptyFirst", "", "a", -1, -1},
                      CompareRow{"BytesAreUnsigned", "\x7F", "\xA1", -1, -1},
                      // 0xA0 is a single byte; 0x81 0x40 is the character 0x8140 and so sorts after
                      // it, although a byte comparison would put it first.
                      CompareRow{"SingleByteBeforeDoubleByte", "\xA0", "\x81\x40", -1, -1},
                      CompareRow{"HalfWidthKatakanaBeforeFullWidth", "\xB1z", "\x82\xA0", -1, -1},
                      CompareRow{"SecondBytesDecide", "\x82\xA0", "\x82\xA2", -1, -1},
                      // "ア" (0x83 0x41) and "ャ" (0x83 0x61): second bytes that look like A and a
                      // are not letters and never fold.
                      CompareRow{"SecondBytesNeverFold", "\x83\x41", "\x83\x61", -1, -1},
                      CompareRow{"FoldingOnlyLatin", "[", "a", -1, -1},
                      CompareRow{"LoneLeadByteAtTheEnd", "a\x83", "a\x83\x40", -1, -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Utf8ToCp932Test, ConvertsAndTurnsWhatCannotBeConvertedIntoQuestionMarks) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"写真 \\ ソ", "\x8E\xCA\x90\x5E\x20\x5C\x20\x83\x5C"},
      {"ｱｲ", "\xB1\xB2"},
      {"", ""},
      // The wave dash and the full-width tilde both become 0x81 0x60.
      {"a\u301Cb\uFF5E",
       "a\x81\x60"
       "b\x81\x60"},
      {"a\U0001F600b", "a?b"},
      {"\u00E9t.jpg", "?t.jpg"},
      // Invalid UTF-8, a byte at a time, and the rest survives.
      {"a\xFF"
       "b",
       "a?b"},
      {"\x80\x80写", "??\x8E\xCA"},
      {"x\xE5\x86", "x??"},
      {"\xE5\x86z", "??z"},
      // Overlong forms, surrogates and code points past U+10FFFF are bytes, not characters.
      {"\xE0\x80\xAF", "???"},
      {"\xED\xA0\x80", "???"},
      {"\xF4\x90\x80\x80", "????"},
      {"\xF0\x9F\x98\x80\xF0\x8F\xBF\xBF", "?????"},
  };
  for (const auto& [utf8, cp932] : rows) EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
}

TEST(Cp932ToUtf8Test, ConvertsAndReplacesInvalidBytes) {
  EXPECT_EQ(Cp932ToUtf8("\x8E\xCA\x90\x5E\x5C"), "写真\\");
  EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\uFFFD");
  EXPECT_EQ(Cp932ToUtf8("\xA0z"), "\uFFFDz");
}

TEST(PathConversionTest, RoundTripsJapaneseNames) {
  const std::filesystem::path path("/tmp/写真/ファイル.jpg");
  EXPECT_EQ(PathToCp932(path),
            "/tmp/\x8E\xCA\x90\x5E/\x83t\x83@\x83"
            "C\x83\x8B.jpg");
  EXPECT_EQ(Cp932ToPath(PathToCp932(path)), path);
}

}  // namespace
}  // namespace veldor
