// Settings files, the same on every system.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
};

// Names match without regard to case; blanks around names and values go; one pair of
// quotes goes; the first of duplicates wins; numbers are the leading decimal digits,
// modulo 2^32 as a signed 32-bit number.
TEST_F(ProfileTest, ReadsTrimmedValuesAndLeadingNumbers) {
  const Profile profile(
      folder_.Write("quorsel.ini",
                    "; not a section\r\norphan=1\r\n[ Main ]\r\n  Count = 42abc "
                    "\r\nneg=-7\r\nplus=+50\r\npair=''\r\n"
                    "word=abc\r\ndash=-\r\nwrap=4294967295\r\nhuge=4294967296\r\n"
                    "text= two  words \t\r\nquoted=\"  kept  \"\r\nhalf=\"open\r\n"
                    "dup=first\r\nDUP=second\r\nno equals sign\r\n[Other]\ncount=99\n"));
  // clang-format off
  const std::tuple<const char*, const char*, int> rows[] = {
      {"COUNT", "42abc", 42}, {"neg", "-7", -7}, {"plus", "+50", 50}, {"pair", "", 0},
      {"word", "abc", 0}, {"dash", "-", 0}, {"wrap", "4294967295", -1}, {"huge", "4294967296", 0},
      {"text", "two  words", 0}, {"quoted", "  kept  ", 0}, {"half", "\"open", 0},
      {"dup", "first", 0}, {"orphan", "-", -100}, {"no equals sign", "-", -100}};
  // clang-format on
  for (const auto& [key, text, number] : rows) {
    EXPECT_EQ(profile.GetString("MAIN", key, "-"), text) << key;
    EXPECT_EQ(profile.GetInt("main", key, -100), number) << key;
  }
  EXPECT_EQ(profile.GetInt("other", "count", 0), 99);
  EXPECT_EQ(Profile(folder_ / "none.ini").GetInt("A", "k", 3), 3);
  EXPECT_FALSE(fs::exists(folder_ / "none.ini"));
}

// A rewrite keeps every other line, ends every line with CR LF, replaces the key in place
// or appends it after the last non-blank line of its section or in a new section at the
// end. The value is kept byte for byte, a lone CR too, and quoted where the reader would
// drop its blanks or quotes. A name or value that would plant lines is refused and leaves
// the file as it was.
TEST_F(ProfileTest, RewritesTheFile) {
  const std::tuple<const char*, const char*, const char*, const char*, const char*> rows[] = {
      {"[A]\nx=1\nk = old \ny=2\n[B]\nk=b\n", "a", "K", "new",
       "[A]\r\nx=1\r\nK=new\r\ny=2\r\n[B]\r\nk=b\r\n"},
      {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
       "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
      {"[A]\r\nx=1\r\n[B]\r\ny=2", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\ny=2\r\nk=v\r\n"},
      {"[A]\r\nx=1", "PAGE_1", "k", "v", "[A]\r\nx=1\r\n[PAGE_1]\r\nk=v\r\n"},
      {"; note\r\n[A]\r\n\tx =  1 \r\njunk\r\n", "A", "x", "2", "; note\r\n[A]\r\nx=2\r\njunk\r\n"},
      {"[A]\r\nk=1\r\n", "A", "k", "x\r\n[B]\r\nevil=1", "[A]\r\nk=1\r\n"},
      {"[A]\r\nk=1\r\n", "A", "k", ".jpg \r0", "[A]\r\nk=.jpg \r0\r\n"},
      {"[A]\r\nk=1\r\n", "A", "k", " a.html/", "[A]\r\nk=\" a.html/\"\r\n"},
      {"[A]\r\nk=1\r\n", "A", "k", "'q'", "[A]\r\nk=\"'q'\"\r\n"},
      {"[A]\r\nk=1\r\n", "A", "k=2", "x", "[A]\r\nk=1\r\n"},
      {"[A]\r\nk=1\r\n", "A]", "k", "x", "[A]\r\nk=1\r\n"}};
  for (const auto& [before, section, key, value, after] : rows) {
    Profile profile(folder_.Write("quorsel.ini", before));
    EXPECT_EQ(profile.WriteString(section, key, value), std::string_view(after) != before);
    EXPECT_EQ(folder_.Read("quorsel.ini"), after);
  }
}

}  // namespace
}  // namespace veldor
