#include "engine/replace_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/recording_messages.h"
#include "tests/support/temp_folder.h"

namespace veldor {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;

struct ParseRow {
  const char* line;
  std::optional<ReplaceRow> expected;
};

TEST(ParseReplaceLineTest, ReadsLinesAsTheListFileDefinesThem) {
  const ParseRow rows[] = {
      {"photo01.jpg,Sea at dawn", ReplaceRow{"photo01.jpg", "Sea at dawn"}},
      {"photo01.jpg,one, two", ReplaceRow{"photo01.jpg", "one, two"}},
      {"name,one,two", ReplaceRow{"name", "one,two"}},
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
  for (const auto& row : rows) {
    EXPECT_EQ(ParseReplaceLine(row.line), row.expected) << "line: " << row.line;
  }
}

TEST(FormatReplaceLineTest, QuotesOnlyValuesWithQuoteOrComma) {
  EXPECT_EQ(FormatReplaceLine({"photo.jpg", "Sea at dawn"}), "photo.jpg,Sea at dawn");
  EXPECT_EQ(FormatReplaceLine({"a,b.jpg", "one, two"}), "\"a,b.jpg\",\"one, two\"");
  EXPECT_EQ(FormatReplaceLine({"say \"hi\"", "x"}), "\"say \"\"hi\"\"\",x");
  EXPECT_EQ(FormatReplaceLine({"", "x"}), ",x");
  EXPECT_EQ(FormatReplaceLine({"name", ""}), "name,");
}

class ReplaceListsTest : public ::testing::Test {
 protected:
  std::string FileBytes(ListKind kind) const { return folder_.Read(ReplaceListFileName(kind)); }
  void PutFolderInPlaceOfFile(ListKind kind) const {
    std::filesystem::remove(lists_.FilePath(kind));
    std::filesystem::create_directory(lists_.FilePath(kind));
  }

  TempFolder folder_;
  ReplaceLists lists_{folder_.path()};
};

TEST_F(ReplaceListsTest, LoadsLinesEndingInCrLfOrLfAndALastLineWithoutEnd) {
  folder_.Write("replace_list.csv", "a.jpg,first\r\nb.jpg,second\n\r\nno comma\nc.jpg,third");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  EXPECT_EQ(lists_.list(ListKind::FileNames).names(),
            (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(lists_.list(ListKind::FileNames).texts(),
            (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_EQ(lists_.list(ListKind::FolderNames).size(), 0u);
}

TEST_F(ReplaceListsTest, LookupTakesTheFirstExactMatchOrGivesTheKeyBack) {
  folder_.Write("replace_list2.csv",
                "Trip,first\r\nTrip,second\r\n,for the empty name\r\n\x83\x5C,double-byte\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FolderNames), 0);
  EXPECT_EQ(lists_.list(ListKind::FolderNames).size(), 4u);
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "Trip"), "first");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "trip"), "trip");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, ""), "for the empty name");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "\x83\x5C"), "double-byte");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "\x83"), "\x83");
  // The other list is not consulted.
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "Trip"), "Trip");
}

TEST_F(ReplaceListsTest, ALoadReplacesThePreviousContent) {
  folder_.Write("replace_list.csv", "a.jpg,old\r\nb.jpg,gone\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  folder_.Write("replace_list.csv", "a.jpg,new\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "a.jpg"), "new");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "b.jpg"), "b.jpg");
}

TEST_F(ReplaceListsTest, AMissingFileIsCreatedEmptyAndLoadsAsEmpty) {
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FolderNames), 0);
  EXPECT_EQ(FileBytes(ListKind::FolderNames), "");
  EXPECT_EQ(lists_.list(ListKind::FolderNames).size(), 0u);
}

TEST_F(ReplaceListsTest, AFolderInPlaceOfTheFileFailsTheLoadAndKeepsTheList) {
  folder_.Write("replace_list.csv", "a.jpg,kept\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  PutFolderInPlaceOfFile(ListKind::FileNames);
  EXPECT_EQ(lists_.LoadReplaceList(ListKind::FileNames), -1);
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "a.jpg"), "kept");
}

TEST_F(ReplaceListsTest, WritesRowsWithCrLfAndTheListFollowsTheFile) {
  const std::vector<ReplaceRow> rows = {
      {"a.jpg", "Sea at dawn"}, {"b.jpg", ""}, {"a,b.jpg", "one, two"}, {"a.jpg", "second"}};
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, rows), 0);
  EXPECT_EQ(FileBytes(ListKind::FileNames),
            "a.jpg,Sea at dawn\r\nb.jpg,\r\n\"a,b.jpg\",\"one, two\"\r\na.jpg,second\r\n");
  // What the next listing sees is what a reload gives: the row without text is gone.
  const auto& list = lists_.list(ListKind::FileNames);
  EXPECT_EQ(list.names(), (std::vector<std::string>{"a.jpg", "a,b.jpg", "a.jpg"}));
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "b.jpg"), "b.jpg");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "a,b.jpg"), "one, two");
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "a.jpg"), "Sea at dawn");
}

TEST_F(ReplaceListsTest, WritingNoRowsLeavesAnEmptyFile) {
  folder_.Write("replace_list2.csv", "Trip,old\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FolderNames), 0);
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FolderNames, {}), 0);
  EXPECT_EQ(FileBytes(ListKind::FolderNames), "");
  EXPECT_EQ(lists_.list(ListKind::FolderNames).size(), 0u);
}

TEST_F(ReplaceListsTest, AFailedWriteKeepsTheListInMemory) {
  folder_.Write("replace_list.csv", "a.jpg,kept\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  PutFolderInPlaceOfFile(ListKind::FileNames);
  EXPECT_EQ(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "new"}}), -1);
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, "a.jpg"), "kept");
}

TEST_F(ReplaceListsTest, TrickyRowsSurviveWriteAndReload) {
  const std::vector<ReplaceRow> rows = {
      {"a,b.jpg", "one,two"},
      {"say \"hi\".jpg", "she said \"\"yes\"\""},
      {"quote\",comma.jpg", "\",\","},
      {"\"", "\""},
      {"\",", ",\""},
      {" lead and trail ", "  spaced  "},
      {"", "empty name"},
      {"\x83\x5C\x95\x5C.jpg", "\x83\x5C,\"\x95\x5C\""},
      {"\"starts with quote", "\"starts with quote"},
      {"ends with quote\"", "ends with quote\""},
  };
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, rows), 0);
  ReplaceLists reloaded(folder_.path());
  ASSERT_EQ(reloaded.LoadReplaceList(ListKind::FileNames), 0);
  std::vector<ReplaceRow> read;
  const auto& list = reloaded.list(ListKind::FileNames);
  for (std::size_t i = 0; i < list.size(); ++i) read.emplace_back(list.names()[i], list.texts()[i]);
  EXPECT_EQ(read, rows);
}

TEST(ReplaceListMessageTest, NamesTheFileWithTheTextForEachSituation) {
  struct Row {
    ListKind kind;
    ListMessage situation;
    Message expected;
  };
  const Row rows[] = {
      {ListKind::FileNames, ListMessage::StartupReadError,
       U8Message("読み取りエラーです",
                 "\"replace_list.csv\"の読み込みに失敗しました。\r\n"
                 "他のプログラムがこのファイルにアクセスしていないか\r\n"
                 "確かめた後、再度起動してください。",
                 Icon::Exclamation)},
      {ListKind::FolderNames, ListMessage::PageReadError,
       U8Message("読み取りエラーです",
                 "\"replace_list2.csv\"の読み込みに失敗しました。\r\n"
                 "他のプログラムがこのファイルにアクセスしていないか\r\n確かめてください。",
                 Icon::Exclamation)},
      {ListKind::FileNames, ListMessage::PageWriteError,
       U8Message("書き込みエラーです",
                 "\"replace_list.csv\"の書き込みに失敗しました。\r\n"
                 "他のプログラムがこのファイルにアクセスしていないか\r\n"
                 "確かめた後、再度保存してください。",
                 Icon::Exclamation)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ReplaceListMessage(row.kind, row.situation), row.expected)
        << "situation " << static_cast<int>(row.situation);
  }
}

TEST_F(ReplaceListsTest, StartupCreatesMissingListsSilently) {
  RecordingMessages messages;
  LoadListsAtStartup(lists_, messages);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(FileBytes(ListKind::FileNames), "");
  EXPECT_EQ(FileBytes(ListKind::FolderNames), "");
}

TEST_F(ReplaceListsTest, StartupReportsEachListThatCannotBeReadAndGoesOn) {
  std::filesystem::create_directory(lists_.FilePath(ListKind::FileNames));
  folder_.Write("replace_list2.csv", "Trip,loaded\r\n");
  RecordingMessages messages;
  LoadListsAtStartup(lists_, messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            ReplaceListMessage(ListKind::FileNames, ListMessage::StartupReadError));
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "Trip"), "loaded");

  std::filesystem::create_directory(folder_ / "second");
  std::filesystem::create_directory(folder_ / "second" / "replace_list.csv");
  std::filesystem::create_directory(folder_ / "second" / "replace_list2.csv");
  ReplaceLists both_broken(folder_ / "second");
  RecordingMessages second;
  LoadListsAtStartup(both_broken, second);
  EXPECT_EQ(second.Texts(),
            (std::vector<std::string>{"\"replace_list.csv\"の読み込みに失敗しました。\r\n"
                                      "他のプログラムがこのファイルにアクセスしていないか\r\n"
                                      "確かめた後、再度起動してください。",
                                      "\"replace_list2.csv\"の読み込みに失敗しました。\r\n"
                                      "他のプログラムがこのファイルにアクセスしていないか\r\n"
                                      "確かめた後、再度起動してください。"}));
}

}  // namespace
}  // namespace veldor
