#include "checker/check_template.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {

namespace {

using testing::RecordingMessages;
using testing::TempFolder;
using testing::U8Message;
using Messages = std::vector<Message>;

// Section captions.
constexpr const char* kBefore = "[@START@]以前でのエラー";
constexpr const char* kRepeat = "繰り返し部分内でのエラー";
constexpr const char* kAfter = "[@STOP@]以降でのエラー";

Message Missing(const std::string& marker) {
  return U8Message("文法エラー",
                   marker + " が見つかりません。\r\nこの拡張タグは必ず一つ、なければいけません。",
                   Icon::Exclamation);
}
Message StartMissing() { return Missing("[@START@]"); }
Message StopMissing() { return Missing("[@STOP@]"); }
Message NotAlone(const std::string& marker) {
  return U8Message("文法エラー",
                   marker +
                       " 以外の文字列が同じ行にあります。\r\n"
                       "この拡張タグがある行には他の文字列を書くことはできません。",
                   Icon::Exclamation);
}
Message Unclosed(const char* section) {
  const std::string blank = section == std::string(kRepeat) ? " " : "";
  return U8Message(section, "@]" + blank + "が存在しません。\r\nもう一度確認してください。",
                   Icon::Exclamation);
}
Message RepeatOnly(const char* section, const std::string& candidate) {
  return U8Message(section,
                   candidate +
                       " は繰り返し部分の中でのみ使用できる拡張タグです。\r\n"
                       "[@START@] と [@STOP@]の範囲内で使用してください。",
                   Icon::Exclamation);
}
Message NoSuchTag(const char* section, const std::string& candidate) {
  return U8Message(section, candidate + " というタグは存在しません。\r\nもう一度確認してください。",
                   Icon::Exclamation);
}
Message ErrorsFound(const std::string& path) {
  return U8Message("処理終了", path + "\r\nにはエラーがみつかったので、再度確認してください。",
                   Icon::Stop);
}
Message NoErrors(const std::string& path) {
  return U8Message("処理終了", path + "\r\nにエラーは見つかりませんでした。", Icon::None);
}
Message CannotOpen(const std::string& path) {
  return U8Message("ファイルが開けません",
                   path + "\r\nが開けません。削除、移動されていないか確認してください。",
                   Icon::Exclamation);
}
Message WrongExtension() {
  return U8Message("ファイルが違います",
                   "テンプレートファイルの拡張子は\r\n「.html」か「.htm」にしてください。",
                   Icon::Exclamation);
}

constexpr const char* kGoodTemplate =
    "<html><title>[@DNAME@] [@DTEXT@] [@COMPANY@]</title>\r\n"
    "[@START@]\r\n"
    "<li>[@FNAME@] [@MDATE@] [@CDATE@] [@FTEXT@] [@FSIZE@] [@PYEN@] [@PSIZE@]"
    " [@DNAME@] [@DTEXT@] [@COMPANY@]\r\n"
    "[@STOP@]\r\n"
    "<p>[@COMPANY@] [@DNAME@] [@DTEXT@]</p>\r\n";

// A template and the messages its check shows before the closing message, which reports
// errors when there are any before it.
struct CheckCase {
  const char* name;
  std::string file;
  Messages expected;
};

class CheckTemplateTest : public ::testing::TestWithParam<CheckCase> {
 protected:
  TempFolder folder_;
  RecordingMessages messages_;
};

TEST_P(CheckTemplateTest, ShowsExactlyTheseMessages) {
  const CheckCase& c = GetParam();
  const auto file = folder_.Write("t.html", c.file);
  CheckTemplate(file, messages_);
  Messages expected = c.expected;
  expected.push_back(expected.empty() ? NoErrors(file.string()) : ErrorsFound(file.string()));
  EXPECT_EQ(messages_.shown, expected);
  EXPECT_EQ(folder_.Read("t.html"), c.file) << "the check changes nothing on disk";
}

INSTANTIATE_TEST_SUITE_P(
    Templates, CheckTemplateTest,
    ::testing::Values(
        CheckCase{"GoodTemplate", kGoodTemplate, {}},
        CheckCase{"EmptyFile", "", {StartMissing(), StopMissing()}},
        CheckCase{"TextWithoutMarkers", "<p>[@BAD@]</p>\n", {StartMissing(), StopMissing()}},
        CheckCase{"FirstLineStartCountsAsAlone", "[@START@]\nr [@FNAME@]\n[@STOP@]\na\n", {}},
        CheckCase{"EmptySectionsAreNotErrorsThemselves", "[@START@]\n[@STOP@]", {}},
        CheckCase{"StartNotAloneStopsBeforeTags",
                  "x [@START@]\nr\n[@STOP@]\n[@BAD@]\n",
                  {NotAlone("[@START@]")}},
        CheckCase{
            "StartWithTrailingBlank", "b\n[@START@] \nr\n[@STOP@]\na\n", {NotAlone("[@START@]")}},
        CheckCase{"StopNotAlone", "b\n[@START@]\nr\n[@STOP@]x\n", {NotAlone("[@STOP@]")}},
        // The stop marker is searched from just past a lone start marker's line break.
        CheckCase{"StopDirectlyAfterStartOnOneLineIsMissing",
                  "[@START@][@STOP@]\n",
                  {NotAlone("[@START@]"), StopMissing()}},
        CheckCase{"FirstLineStopWithoutStart", "[@STOP@]\nr\n", {StartMissing()}},
        CheckCase{"RecordTagInBefore",
                  "[@FNAME@]\n[@START@]\nr\n[@STOP@]\na\n",
                  {RepeatOnly(kBefore, "[@FNAME@]")}},
        CheckCase{"CandidatesCompareExactly",
                  "b\n[@START@]\n[@fname@][@ FNAME@]\n[@STOP@]\na\n",
                  {NoSuchTag(kRepeat, "[@fname@]"), NoSuchTag(kRepeat, "[@ FNAME@]")}},
        CheckCase{
            "UnclosedInBefore", "[@FNAME\n[@START@]\nr\n[@STOP@]\na @]\n", {Unclosed(kBefore)}},
        CheckCase{
            "UnclosedInRepeat", "b\n[@START@]\n[@FNAME\n[@STOP@]\na @]\n", {Unclosed(kRepeat)}},
        CheckCase{"UnclosedInAfter", "b\n[@START@]\nr\n[@STOP@]\n[@FNAME\n", {Unclosed(kAfter)}},
        CheckCase{"EveryLaterOpenIsUnclosedToo",
                  "b\n[@START@]\n[@DNAME@] [@A [@B\n[@STOP@]\na\n",
                  {Unclosed(kRepeat), Unclosed(kRepeat)}},
        CheckCase{"TwoErrorsOnOneLineLeftToRight",
                  "<b>[@PSIZE@]</b><i>[@NOPE@]</i>\n[@START@]\nr\n[@STOP@]\na\n",
                  {RepeatOnly(kBefore, "[@PSIZE@]"), NoSuchTag(kBefore, "[@NOPE@]")}},
        CheckCase{"CandidateAcrossLines",
                  "b\n[@START@]\n[@FNA\nME@]\n[@STOP@]\na\n",
                  {NoSuchTag(kRepeat, "[@FNA\nME@]")}},
        CheckCase{"NestedOpenIsJudgedByItself",
                  "[@X[@FNAME@]\n[@START@]\n[@X[@FNAME@]\n[@STOP@]\na\n",
                  {NoSuchTag(kBefore, "[@X[@FNAME@]"), RepeatOnly(kBefore, "[@FNAME@]"),
                   NoSuchTag(kRepeat, "[@X[@FNAME@]")}},
        // 0x81 0x5B is one double-byte character: its second byte is no "[".
        CheckCase{"DoubleByteCharacterEndingInBracketOpensNothing",
                  "b\n[@START@]\n\x81[@NOPE@]\n[@STOP@]\na\n",
                  {}},
        CheckCase{"StopAboveStartJudgesTextAboveStopAsRepeat",
                  "r [@NOPE@] [@FNAME@]\n[@STOP@]\nb [@PYEN@]\n[@START@]\na\n",
                  {RepeatOnly(kBefore, "[@PYEN@]"), NoSuchTag(kRepeat, "[@NOPE@]")}},
        CheckCase{"TextAboveSecondStartIsNotJudged",
                  "[@NOPE@]\n[@START@]\nmid\n[@START@]\nrep [@FNAME@]\n[@STOP@]\ntail\n",
                  {}},
        CheckCase{"CrLfAndLastLineWithoutBreak",
                  "b\r\n[@START@]\r\n[@FNAME@]\r\n[@STOP@]\r\n[@DNAME@]",
                  {}}),
    [](const auto& row) { return std::string(row.param.name); });

class CheckFilesTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  RecordingMessages messages_;
};

TEST_F(CheckFilesTest, FileThatCannotBeReadGetsOneMessageAndNoClosing) {
  const auto missing = folder_ / "missing.html";
  std::filesystem::create_directory(folder_ / "folder.html");
  CheckDroppedFiles({missing, folder_ / "folder.html", folder_.Write("ok.htm", kGoodTemplate)},
                    messages_);
  EXPECT_EQ(messages_.shown,
            (Messages{CannotOpen(missing.string()), CannotOpen((folder_ / "folder.html").string()),
                      NoErrors((folder_ / "ok.htm").string())}));
}

TEST_F(CheckFilesTest, UnreadableFileCannotBeOpened) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  const auto file = folder_.Write("locked.html", kGoodTemplate);
  std::filesystem::permissions(file, std::filesystem::perms::none);
  CheckTemplate(file, messages_);
  EXPECT_EQ(messages_.shown, Messages{CannotOpen(file.string())});
}

TEST_F(CheckFilesTest, DropChecksOnlyExactLowerCaseExtensionsInOrder) {
  const auto good = folder_.Write("テンプレ.html", kGoodTemplate);
  const auto htm = folder_.Write("broken.htm", "");
  const auto dot_file = folder_.Write(".html", kGoodTemplate);
  CheckDroppedFiles(
      {folder_.Write("upper.HTML", kGoodTemplate), good, folder_.Write("notes.txt", kGoodTemplate),
       htm, folder_.Write("no_extension", kGoodTemplate),
       folder_.Write("page.html.bak", kGoodTemplate), dot_file,
       folder_.Write("mixed.Htm", kGoodTemplate), folder_.Write("site.html/index", kGoodTemplate)},
      messages_);
  EXPECT_EQ(messages_.shown,
            (Messages{WrongExtension(), NoErrors(good.string()), WrongExtension(), StartMissing(),
                      StopMissing(), ErrorsFound(htm.string()), WrongExtension(), WrongExtension(),
                      NoErrors(dot_file.string()), WrongExtension(), WrongExtension()}));
}

TEST_F(CheckFilesTest, PathLongerThanTheOldLimitIsChecked) {
  std::filesystem::path rel;
  for (int i = 0; i < 8; ++i) rel /= std::string(60, static_cast<char>('a' + i));
  const auto file = folder_.Write(rel / "template.html", kGoodTemplate);
  ASSERT_GT(file.string().size(), 480u);
  CheckDroppedFiles({file}, messages_);
  EXPECT_EQ(messages_.shown, Messages{NoErrors(file.string())});
}

}  // namespace
}  // namespace veldor
