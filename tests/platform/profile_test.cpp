#include "platform/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class ProfileTest : public ::testing::Test {
 protected:
  Profile WithFile(std::string_view bytes) {
    folder_.Write("quorsel.ini", bytes);
    return Profile(folder_ / "quorsel.ini");
  }
  std::string FileBytes() const { return folder_.Read("quorsel.ini"); }

  TempFolder folder_;
};

TEST_F(ProfileTest, MissingFileGivesDefaults) {
  const Profile profile(folder_ / "quorsel.ini");
  EXPECT_EQ(profile.GetInt("MAIN_OPTION", "company", 3), 3);
  EXPECT_EQ(profile.GetString("PAGE_1", "ext_strings", ".jpg "), ".jpg ");
  EXPECT_FALSE(fs::exists(folder_ / "quorsel.ini"));
}

constexpr std::string_view kQuirks =
    "; not a section\r\n"
    "orphan=1\r\n"
    "[ Main ]\r\n"
    "  Count = 42abc \r\n"
    "neg=-7\r\n"
    "plus=+5\r\n"
    "word=abc\r\n"
    "empty=\r\n"
    "dash=-\r\n"
    "wrap=4294967295\r\n"
    "huge=4294967296\r\n"
    "text= two  words \t\r\n"
    "quoted=\"  kept  \"\r\n"
    "half=\"open\r\n"
    "sjis=\x95\x5C\x83\x5C\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "no equals sign\r\n"
    "[Other]\n"
    "count=99\n";

struct IntRow {
  const char* key;
  int expected;
};

class ProfileIntTest : public ProfileTest, public ::testing::WithParamInterface<IntRow> {};

TEST_P(ProfileIntTest, ReadsLeadingDecimalDigits) {
  const Profile profile = WithFile(kQuirks);
  EXPECT_EQ(profile.GetInt("main", GetParam().key, -100), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfileIntTest,
                         ::testing::Values(IntRow{"count", 42}, IntRow{"COUNT", 42},
                                           IntRow{"neg", -7}, IntRow{"plus", 5}, IntRow{"word", 0},
                                           IntRow{"empty", 0}, IntRow{"dash", 0},
                                           IntRow{"wrap", -1}, IntRow{"huge", 0},
                                           IntRow{"missing", -100}, IntRow{"orphan", -100}),
                         [](const auto& row) { return std::string(row.param.key); });

TEST_F(ProfileTest, ReadsStringsTrimmedAndUnquoted) {
  const Profile profile = WithFile(kQuirks);
  EXPECT_EQ(profile.GetString("MAIN", "text", "-"), "two  words");
  EXPECT_EQ(profile.GetString("MAIN", "quoted", "-"), "  kept  ");
  EXPECT_EQ(profile.GetString("MAIN", "half", "-"), "\"open");
  EXPECT_EQ(profile.GetString("MAIN", "empty", "-"), "");
  EXPECT_EQ(profile.GetString("MAIN", "sjis", "-"), "\x95\x5C\x83\x5C");
  EXPECT_EQ(profile.GetString("MAIN", "dup", "-"), "first");
  EXPECT_EQ(profile.GetString("MAIN", "no equals sign", "-"), "-");
  EXPECT_EQ(profile.GetInt("other", "count", 0), 99);
  EXPECT_EQ(profile.GetInt("Missing", "count", 8), 8);
}

struct WriteRow {
  const char* name;
  std::string_view before;  // "<none>" for a missing file
  std::string_view section;
  std::string_view key;
  std::string_view value;
  std::string_view after;
};

class ProfileWriteTest : public ProfileTest, public ::testing::WithParamInterface<WriteRow> {};

TEST_P(ProfileWriteTest, RewritesTheFile) {
  const WriteRow& row = GetParam();
  if (row.before != "<none>") folder_.Write("quorsel.ini", row.before);
  Profile profile(folder_ / "quorsel.ini");
  ASSERT_TRUE(profile.WriteString(row.section, row.key, row.value));
  EXPECT_EQ(FileBytes(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileWriteTest,
    ::testing::Values(WriteRow{"NewFile", "<none>", "A", "k", "v", "[A]\r\nk=v\r\n"},
                      WriteRow{"ReplacesInPlace", "[A]\nx=1\nk = old \ny=2\n[B]\nk=b\n", "a", "K",
                               "new", "[A]\r\nx=1\r\nK=new\r\ny=2\r\n[B]\r\nk=b\r\n"},
                      WriteRow{"AppendsAtTheEndOfItsSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
                               "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
                      WriteRow{"AppendsToTheLastSection", "[A]\r\nx=1\r\n[B]\r\ny=2", "B", "k", "v",
                               "[A]\r\nx=1\r\n[B]\r\ny=2\r\nk=v\r\n"},
                      WriteRow{"AppendsTheSectionAtTheEnd", "[A]\r\nx=1", "PAGE_1", "k", "v",
                               "[A]\r\nx=1\r\n[PAGE_1]\r\nk=v\r\n"},
                      WriteRow{"KeepsOtherLinesAsTheyAre", "; note\r\n[A]\r\n\tx =  1 \r\njunk\r\n",
                               "A", "x", "2", "; note\r\n[A]\r\nx=2\r\njunk\r\n"},
                      WriteRow{"KeepsTrailingBlanksOfTheValue", "", "P", "ext", ".jpg .gif ",
                               "[P]\r\next=.jpg .gif \r\n"},
                      WriteRow{"KeepsShiftJisBytes", "[A]\r\nk=\x95\x5C\r\n", "A", "k",
                               "\x83\x5C\x95\x5C", "[A]\r\nk=\x83\x5C\x95\x5C\r\n"},
                      WriteRow{"EmptyValue", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ProfileTest, WrittenValuesReadBack) {
  Profile profile(folder_ / "quorsel.ini");
  ASSERT_TRUE(profile.WriteInt("MAIN_OPTION", "company", 2));
  ASSERT_TRUE(profile.WriteInt("MAIN_OPTION", "sort_style", -1));
  ASSERT_TRUE(profile.WriteInt("MAIN_OPTION", "company", 3));
  EXPECT_EQ(profile.GetInt("MAIN_OPTION", "company", 0), 3);
  EXPECT_EQ(profile.GetInt("MAIN_OPTION", "sort_style", 0), -1);
  EXPECT_EQ(FileBytes(), "[MAIN_OPTION]\r\ncompany=3\r\nsort_style=-1\r\n");
}

TEST_F(ProfileTest, WriteFailsWhenTheFileCannotBeWritten) {
  fs::create_directory(folder_ / "quorsel.ini");
  Profile blocked(folder_ / "quorsel.ini");
  EXPECT_FALSE(blocked.WriteInt("A", "k", 1));
  EXPECT_TRUE(fs::is_directory(folder_ / "quorsel.ini"));

  Profile nowhere(folder_ / "missing" / "quorsel.ini");
  EXPECT_FALSE(nowhere.WriteString("A", "k", "v"));
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(ProfileTest, WriteRefusesLineBreaksThatWouldPlantLines) {
  Profile profile = WithFile("[A]\r\nk=1\r\n");
  EXPECT_FALSE(profile.WriteString("A", "k", "x\r\n[B]\r\nevil=1"));
  EXPECT_FALSE(profile.WriteString("A", "k=2", "x"));
  EXPECT_FALSE(profile.WriteString("A]", "k", "x"));
  EXPECT_EQ(FileBytes(), "[A]\r\nk=1\r\n");
}

}  // namespace
}  // namespace veldor
