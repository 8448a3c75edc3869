#include "text/cp932.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

// What cannot be converted becomes "?", invalid UTF-8 a byte at a time (overlong forms,
// surrogates, code points past U+10FFFF, a truncated character, a lead byte before a byte
// outside 80-BF), and the rest survives; characters at the edges of the UTF-8 ranges that
// CP932 lacks are one "?" each. The wave dash and the full-width tilde both become 0x81 0x60,
// and the double vertical line, minus sign, em dash and overline have codes too; nothing is
// approximated (ä is not "a"). The same bytes on every system. Back to UTF-8, an invalid
// byte becomes U+FFFD.
TEST(Cp932Test, Converts) {
  // clang-format off
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"写真 \\ ソｱｲ応", "\x8E\xCA\x90\x5E \\ \x83\x5C\xB1\xB2\x89\x9E"}, {"", ""},
      {"\u301C\u301Cz\uFF5E", "\x81\x60\x81\x60z\x81\x60"}, {"a\U0001F600b\u00E9", "a?b?"},
      {"\u2016\u2212\u2014\u203E\u00E4", "\x81\x61\x81\x7C\x81\x5C\x7E?"},
      {"a\xFFz\x80\x80写", "a?z??\x8E\xCA"},
      {"\xE5\x86z\xC0\xAF\xC1\xBFx\xE5\x86", "??z????x??"},
      {"\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80", "??????????"},
      {"\xF0\x9F\x98\x80\xF0\x8F\xBF\xBFz\xF0\x9F\x98", "?????z???"},
      {"\u0080\u07FF\u0801\uD7FF\uFFFD\U00010000\U0010FFFF", "???????"},
      {"\xC2\xC0\xE0\x9F\xBF\xF5\x80\x80\x80", "?????????"}, {"\xC2\x7Fz", "?\x7Fz"}};
  // clang-format on
  for (const auto& [utf8, cp932] : rows) EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
  EXPECT_EQ(Cp932ToUtf8("\x8E\xCA\x90\x5E\x5C"
                        "a\x81"),
            "写真\\a\uFFFD");
  EXPECT_EQ(CharLength("\x8E\xCA\x81", 2), 1u);  // nothing after the lead byte to pair with
  EXPECT_EQ(Cp932ToUtf8("\xA0z\x81\x20z\x81\x20"), "\uFFFDz\uFFFDz\uFFFD");
  EXPECT_EQ(Cp932ToUtf8("\x80\xFD\xFE\xFF"), "\uFFFD\uFFFD\uFFFD\uFFFD");  // code page 932 has them
  const std::filesystem::path path(u8"/tmp/写真/ファイル.jpg");            // UTF-8 on every system
  EXPECT_EQ(PathToCp932(path), "/tmp/\x8E\xCA\x90\x5E/\x83\x74\x83\x40\x83\x43\x83\x8B.jpg");
  EXPECT_EQ(Cp932ToPath(PathToCp932(path)), path);
}

// A name from the disk: UTF-8 is converted; bytes that are not UTF-8 but are Shift_JIS are
// read as Shift_JIS; any other byte that is not UTF-8 is "?" or U+FFFD. Each component of
// a path on its own. What the input dialog refuses: each character Shift_JIS lacks, once.
TEST(Cp932Test, NamesFromTheDisk) {
  // clang-format off
  const std::tuple<std::string_view, std::string_view, std::string_view> rows[] = {
      {"caf\u00E9\u5199.jpg", "caf?\x8E\xCA.jpg", "caf\u00E9\u5199.jpg"},
      {"\x82\xA0sjis.jpg", "\x82\xA0sjis.jpg", "\u3042sjis.jpg"},
      {"\xFF\u00E9\x82", "???", "\uFFFD\u00E9\uFFFD"}};
  // clang-format on
  for (const auto& [name, cp932, utf8] : rows) {
    EXPECT_EQ(NameToCp932(name), cp932) << name;
    EXPECT_EQ(NameToUtf8(name), utf8) << name;
  }
#ifndef _WIN32
  const std::filesystem::path mixed("/caf\xC3\xA9/\x82\xA0");
  EXPECT_EQ(PathToCp932(mixed), "/caf?/\x82\xA0");
  EXPECT_EQ(PathToUtf8(mixed), "/caf\u00E9/\u3042");
#endif
  EXPECT_EQ(CharactersCp932Lacks("caf\u00E9\U0001F600\u00E9?\u8868\u2162"),
            "\u00E9 (U+00E9) \U0001F600 (U+1F600)");
}

}  // namespace
}  // namespace veldor
