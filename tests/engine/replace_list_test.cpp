#include "engine/replace_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::U8Message;
using Rows = std::vector<ReplaceRow>;

TEST(ParseReplaceLineTest, ReadsLinesAsTheListFileDefinesThem) {
  const std::pair<const char*, std::optional<ReplaceRow>> rows[] = {
      {"photo01.jpg,Sea at dawn", ReplaceRow{"photo01.jpg", "Sea at dawn"}},
      {"name,one, two", ReplaceRow{"name", "one, two"}},
      {"photo01.jpg", std::nullopt},
      {"photo01.jpg,", std::nullopt},
      {"", std::nullopt},
      {",text", ReplaceRow{"", "text"}},
      {"\"a,b.jpg\",memo", ReplaceRow{"a,b.jpg", "memo"}},
      {"\"a\"\",b\",t", ReplaceRow{"a\",b", "t"}},
      {"\"\",t", ReplaceRow{"", "t"}},
      {"\"x\",", std::nullopt},
      // No closing quote and comma: the name is empty and the text starts after the quote.
      {"\"abc", ReplaceRow{"", "abc"}},
      {"\"a\"\",b", ReplaceRow{"", "a\"\",b"}},
      {"\"\"x\"", ReplaceRow{"", "x"}},
      {"\"", std::nullopt},
      {"a,\"memo\"", ReplaceRow{"a", "memo"}},
      {"a,\"say \"\"hi\"\"\"", ReplaceRow{"a", "say \"hi\""}},
      // The last character is taken for the closing quote even when it is not one.
      {"a,\"memo", ReplaceRow{"a", "mem"}},
      {"a,\"\"", std::nullopt},
      {"a,\"", std::nullopt},
      {"a,b\"c", ReplaceRow{"a", "b\"c"}},
      {"a,\"\"\"\"\"", ReplaceRow{"a", "\"\""}},
      // 0x5C as the second byte of a double-byte character is just part of the text.
      {"\x83\x5C.jpg,\x95\x5C", ReplaceRow{"\x83\x5C.jpg", "\x95\x5C"}},
  };
  for (const auto& [line, expected] : rows) EXPECT_EQ(ParseReplaceLine(line), expected) << line;
}

class ReplaceListsTest : public ::testing::Test {
 protected:
  Rows Read(ListKind kind) const {
    Rows rows;
    const ReplaceList& list = lists_.list(kind);
    for (std::size_t i = 0; i < list.size(); ++i)
      rows.emplace_back(list.names()[i], list.texts()[i]);
    return rows;
  }

  testing::TempFolder folder_;
  ReplaceLists lists_{folder_.path()};
  testing::RecordingMessages messages_;
};

TEST_F(ReplaceListsTest, LoadReplacesTheListAndLookupTakesTheFirstExactMatch) {
  folder_.Write("replace_list.csv", "a.jpg,old\r\nz.jpg,gone\r\n");
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FileNames));
  folder_.Write("replace_list.csv",
                "Trip,first\r\nTrip,second\n\r\nno comma\n,empty name\r\n\x83\x5C,sign");
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FileNames));
  EXPECT_EQ(
      Read(ListKind::FileNames),
      (Rows{{"Trip", "first"}, {"Trip", "second"}, {"", "empty name"}, {"\x83\x5C", "sign"}}));
  for (const auto& [key, text] : Rows{{"Trip", "first"},
                                      {"trip", "trip"},
                                      {"", "empty name"},
                                      {"\x83\x5C", "sign"},
                                      {"\x83", "\x83"}}) {
    EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, key), text) << key;
  }
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "Trip"), "Trip");
}

TEST_F(ReplaceListsTest, WritesCrLfQuotingOnlyWhereNeededAndRereadsTrickyRows) {
  ASSERT_TRUE(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "Sea at dawn"},
                                                            {"b.jpg", ""},
                                                            {"a,b.jpg", "one, two"},
                                                            {"say \"hi\"", "x"},
                                                            {"", "x"}}));
  EXPECT_EQ(
      folder_.Read("replace_list.csv"),
      "a.jpg,Sea at dawn\r\nb.jpg,\r\n\"a,b.jpg\",\"one, two\"\r\n\"say \"\"hi\"\"\",x\r\n,x\r\n");
  // The list in memory is what a reload gives: the row without text is gone.
  EXPECT_EQ(
      Read(ListKind::FileNames),
      (Rows{{"a.jpg", "Sea at dawn"}, {"a,b.jpg", "one, two"}, {"say \"hi\"", "x"}, {"", "x"}}));

  const Rows tricky = {{"say \"hi\".jpg", "she said \"\"yes\"\""},
                       {"quote\",comma.jpg", "\",\","},
                       {"\"", "\""},
                       {" lead and trail ", "  spaced  "},
                       {"\x83\x5C\x95\x5C.jpg", "\x83\x5C,\"\x95\x5C\""},
                       {"\"starts with quote", "ends with quote\""}};
  ASSERT_TRUE(lists_.WriteReplaceList(ListKind::FolderNames, tricky));
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FolderNames));
  EXPECT_EQ(Read(ListKind::FolderNames), tricky);
}

TEST_F(ReplaceListsTest, StartupCreatesMissingListsAndReportsOneThatCannotBeRead) {
  LoadListsAtStartup(lists_, messages_);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(folder_.Read("replace_list.csv") + folder_.Read("replace_list2.csv"), "");

  ASSERT_TRUE(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "kept"}}));
  std::filesystem::remove(lists_.FilePath(ListKind::FileNames));
  std::filesystem::create_directory(lists_.FilePath(ListKind::FileNames));
  folder_.Write("replace_list2.csv", "Trip,loaded\r\n");
  LoadListsAtStartup(lists_, messages_);
  EXPECT_EQ(messages_.shown, std::vector<Message>{ReplaceListMessage(
                                 ListKind::FileNames, ListMessage::StartupReadError)});
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "Trip"), "loaded");
  // A failed load or write keeps the list in memory.
  EXPECT_FALSE(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "new"}}));
  EXPECT_EQ(Read(ListKind::FileNames), (Rows{{"a.jpg", "kept"}}));
}

TEST(ReplaceListMessageTest, NamesTheFileWithTheTextForEachSituation) {
  const std::string ask =
      "の読み込みに失敗しました。\r\n他のプログラムがこのファイルにアクセスしていないか\r\n確かめ";
  EXPECT_EQ(
      ReplaceListMessage(ListKind::FileNames, ListMessage::StartupReadError),
      U8Message("読み取りエラーです", "\"replace_list.csv\"" + ask + "た後、再度起動してください。",
                Icon::Exclamation));
  EXPECT_EQ(ReplaceListMessage(ListKind::FolderNames, ListMessage::PageReadError),
            U8Message("読み取りエラーです", "\"replace_list2.csv\"" + ask + "てください。",
                      Icon::Exclamation));
  EXPECT_EQ(ReplaceListMessage(ListKind::FileNames, ListMessage::PageWriteError),
            U8Message("書き込みエラーです",
                      "\"replace_list.csv\"の書き込みに失敗しました。\r\n"
                      "他のプログラムがこのファイルにアクセスしていないか\r\n"
                      "確かめた後、再度保存してください。",
                      Icon::Exclamation));
}

}  // namespace
}  // namespace veldor
