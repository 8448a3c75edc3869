#include "text/cp932.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

using ::testing::PrintToString;
constexpr std::size_t npos = std::string_view::npos;

struct FindRow {
  std::string_view text, needle;
  std::size_t from, found;
};

// "ソ" is 0x83 0x5C and "表" is 0x95 0x5C: their second bytes look like a backslash. The
// rows after "a\x83" walk the edges of the lead byte ranges 0x81-0x9F and 0xE0-0xFC.
TEST(Cp932Test, FindMbStartsOnlyOnCharacterBoundaries) {
  // clang-format off
  const FindRow rows[] = {
      {"\x83\\\\\x95\\\\", "\\", 0, 2}, {"\x83\\\\\x95\\\\", "\\", 3, 5}, {"\x83\\", "\\", 0, npos},
      {"\x83\\a", "\\a", 0, npos}, {"a\\b\\a", "\\a", 0, 3}, {"ab\x95\\c", "\x95\\", 0, 2},
      {"ab\x95\\c", "", 0, 0}, {"ab\x95\\c", "", 5, 5}, {"ab\x95\\c", "c", 2, 4},
      {"", "a", 0, npos}, {"a\x83", "\x83", 0, 1}, {"\x80\\\\", "\\", 0, 1},
      {"\x81\\\\", "\\", 0, 2}, {"\x9F\\\\", "\\", 0, 2}, {"\xA0\\\\", "\\", 0, 1},
      {"\xDF\\\\", "\\", 0, 1}, {"\xE0\\\\", "\\", 0, 2}, {"\xFC\\\\", "\\", 0, 2},
      {"\xFD\\\\", "\\", 0, 1}};
  // clang-format on
  for (const FindRow& row : rows) {
    EXPECT_EQ(FindMb(row.text, row.needle, row.from), row.found)
        << PrintToString(row.text) << " " << PrintToString(row.needle) << " from " << row.from;
  }
  EXPECT_EQ(CharLength("a\x83", 1), 1u);
  EXPECT_EQ(FindLastMbChar("a\\\x83\\", '\\'), 1u);
  EXPECT_EQ(FindLastMbChar("\x83\\\x95\\", '\\'), npos);
  EXPECT_EQ(FindLastMbChar("a.b.c", '.'), 3u);
  EXPECT_EQ(FindLastMbChar("", '.'), npos);
}

struct CompareRow {
  std::string_view a, b;
  int mbscmp, mbsicmp;  // signs expected from MbsCmp and MbsICmp
};

// Upper case before lower unless folded; a proper prefix first; bytes unsigned; 0x81 0x40
// is the character 0x8140, so it sorts after the single byte 0xA0; "ア" and "ャ" end in
// bytes that look like A and a, but they never fold; a lone lead byte at the end.
TEST(Cp932Test, ComparesCharacterByCharacter) {
  // clang-format off
  const CompareRow rows[] = {
      {"abc", "abc", 0, 0}, {"Z.jpg", "a.jpg", -1, 1}, {"ABC.JPG", "abc.jpg", -1, 0},
      {"abc", "abcd", -1, -1}, {"", "a", -1, -1}, {"\x7F", "\xA1", -1, -1},
      {"\xA0", "\x81\x40", -1, -1}, {"\xB1z", "\x82\xA0", -1, -1},
      {"\x82\xA0", "\x82\xA2", -1, -1}, {"\x82\xA0y", "\x82\xA0z", -1, -1},
      {"\x83\x41", "\x83\x61", -1, -1}, {"[", "a", -1, -1}, {"a\x83", "a\x83\x40", -1, -1}};
  // clang-format on
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  for (const CompareRow& row : rows) {
    SCOPED_TRACE(PrintToString(row.a) + " " + PrintToString(row.b));
    EXPECT_EQ(sign(MbsCmp(row.a, row.b)), row.mbscmp);
    EXPECT_EQ(sign(MbsCmp(row.b, row.a)), -row.mbscmp);
    EXPECT_EQ(sign(MbsICmp(row.a, row.b)), row.mbsicmp);
    EXPECT_EQ(sign(MbsICmp(row.b, row.a)), -row.mbsicmp);
  }
}

// What cannot be converted becomes "?", invalid UTF-8 a byte at a time (overlong forms,
// surrogates, code points past U+10FFFF, a truncated character), and the rest survives;
// characters at the edges of the UTF-8 ranges that CP932 lacks are one "?" each.
// The wave dash and the full-width tilde both become 0x81 0x60. Back to UTF-8, an invalid
// byte becomes U+FFFD.
TEST(Cp932Test, Converts) {
  // clang-format off
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"写真 \\ ソｱｲ応", "\x8E\xCA\x90\x5E \\ \x83\x5C\xB1\xB2\x89\x9E"}, {"", ""},
      {"\u301C\u301Cz\uFF5E", "\x81\x60\x81\x60z\x81\x60"}, {"a\U0001F600b\u00E9", "a?b?"},
      {"a\xFFz\x80\x80写", "a?z??\x8E\xCA"},
      {"\xE5\x86z\xC0\xAF\xC1\xBFx\xE5\x86", "??z????x??"},
      {"\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80", "??????????"},
      {"\xF0\x9F\x98\x80\xF0\x8F\xBF\xBFz\xF0\x9F\x98", "?????z???"},
      {"\u0080\u07FF\u0801\uD7FF\uFFFD\U00010000\U0010FFFF", "???????"},
      {"\xC2\xC0\xE0\x9F\xBF\xF5\x80\x80\x80", "?????????"}};
  // clang-format on
  for (const auto& [utf8, cp932] : rows) EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
  EXPECT_EQ(Cp932ToUtf8("\x8E\xCA\x90\x5E\x5C"
                        "a\x81"),
            "写真\\a\uFFFD");
  EXPECT_EQ(Cp932ToUtf8("\xA0z\x81\x20z\x81\x20"), "\uFFFDz\uFFFDz\uFFFD");
  const std::filesystem::path path("/tmp/写真/ファイル.jpg");
  EXPECT_EQ(PathToCp932(path), "/tmp/\x8E\xCA\x90\x5E/\x83\x74\x83\x40\x83\x43\x83\x8B.jpg");
  EXPECT_EQ(Cp932ToPath(PathToCp932(path)), path);
}

}  // namespace
}  // namespace veldor
