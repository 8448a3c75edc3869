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

class ReplaceListsTest : public ::testing::Test {
 protected:
  std::string FileBytes(ListKind kind) const { return folder_.Read(ReplaceListFileName(kind)); }
  void PutFolderInPlaceOfFile(ListKind kind) const {
    std::filesystem::remove(lists_.FilePath(kind));
    std::filesystem::create_directory(lists_.FilePath(kind));
  }
  std::string Find(const std::string& name, ListKind kind = ListKind::FileNames) {
    return lists_.FindExtendedText(kind, name);
  }

  TempFolder folder_;
  ReplaceLists lists_{folder_.path()};
};

TEST_F(ReplaceListsTest, ALoadReplacesThePreviousContentWithTheFileLines) {
  folder_.Write("replace_list.csv", "a.jpg,old\r\nz.jpg,gone\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
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
  EXPECT_EQ(Find("Trip", ListKind::FolderNames), "first");
  EXPECT_EQ(Find("trip", ListKind::FolderNames), "trip");
  EXPECT_EQ(Find("", ListKind::FolderNames), "for the empty name");
  EXPECT_EQ(Find("\x83\x5C", ListKind::FolderNames), "double-byte");
  EXPECT_EQ(Find("\x83", ListKind::FolderNames), "\x83");
  EXPECT_EQ(Find("Trip"), "Trip");  // the other list is not consulted
}

TEST_F(ReplaceListsTest, AMissingFileIsCreatedEmptyAndLoadsAsEmpty) {
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FolderNames), 0);
  EXPECT_EQ(FileBytes(ListKind::FolderNames), "");
  EXPECT_EQ(lists_.list(ListKind::FolderNames).size(), 0u);
}

TEST_F(ReplaceListsTest, AFailedLoadOrWriteKeepsTheListInMemory) {
  folder_.Write("replace_list.csv", "a.jpg,kept\r\n");
  ASSERT_EQ(lists_.LoadReplaceList(ListKind::FileNames), 0);
  PutFolderInPlaceOfFile(ListKind::FileNames);
  EXPECT_EQ(lists_.LoadReplaceList(ListKind::FileNames), -1);
  EXPECT_EQ(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "new"}}), -1);
  EXPECT_EQ(Find("a.jpg"), "kept");
}

TEST_F(ReplaceListsTest, WritesRowsWithCrLfQuotingOnlyWhereNeededAndTheListFollowsTheFile) {
  const std::vector<ReplaceRow> rows = {
      {"a.jpg", "Sea at dawn"}, {"b.jpg", ""}, {"a,b.jpg", "one, two"},
      {"say \"hi\"", "x"},      {"", "x"},     {"a.jpg", "second"}};
  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, rows), 0);
  EXPECT_EQ(FileBytes(ListKind::FileNames),
            "a.jpg,Sea at dawn\r\nb.jpg,\r\n\"a,b.jpg\",\"one, two\"\r\n"
            "\"say \"\"hi\"\"\",x\r\n,x\r\na.jpg,second\r\n");
  // What the next listing sees is what a reload gives: the row without text is gone.
  EXPECT_EQ(lists_.list(ListKind::FileNames).size(), 5u);
  EXPECT_EQ(Find("b.jpg"), "b.jpg");
  EXPECT_EQ(Find("a,b.jpg"), "one, two");
  EXPECT_EQ(Find("a.jpg"), "Sea at dawn");

  ASSERT_EQ(lists_.WriteReplaceList(ListKind::FileNames, {}), 0);
  EXPECT_EQ(FileBytes(ListKind::FileNames), "");
  EXPECT_EQ(lists_.list(ListKind::FileNames).size(), 0u);
}

TEST_F(ReplaceListsTest, TrickyRowsSurviveWriteAndReload) {
  const std::vector<ReplaceRow> rows = {
      {"say \"hi\".jpg", "she said \"\"yes\"\""},
      {"quote\",comma.jpg", "\",\","},
      {"\"", "\""},
      {" lead and trail ", "  spaced  "},
      {"\x83\x5C\x95\x5C.jpg", "\x83\x5C,\"\x95\x5C\""},
      {"\"starts with quote", "ends with quote\""},
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

TEST_F(ReplaceListsTest, StartupReportsAListThatCannotBeReadAndGoesOn) {
  std::filesystem::create_directory(lists_.FilePath(ListKind::FileNames));
  folder_.Write("replace_list2.csv", "Trip,loaded\r\n");
  RecordingMessages messages;
  LoadListsAtStartup(lists_, messages);
  EXPECT_EQ(messages.shown, std::vector<Message>{ReplaceListMessage(
                                ListKind::FileNames, ListMessage::StartupReadError)});
  EXPECT_EQ(Find("Trip", ListKind::FolderNames), "loaded");
}

}  // namespace
}  // namespace veldor
