#include "checker/check_template.h"

#include <gtest/gtest.h>

#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::U8Message;
using Messages = std::vector<Message>;

// Section captions.
constexpr const char* kBefore = "[@START@]以前でのエラー";
constexpr const char* kRepeat = "繰り返し部分内でのエラー";
constexpr const char* kAfter = "[@STOP@]以降でのエラー";
const std::string kAgain = "\r\nもう一度確認してください。";

Message Warn(const std::string& caption, const std::string& text) {
  return U8Message(caption, text, Icon::Exclamation);
}
Message Missing(const std::string& marker) {
  return Warn("文法エラー",
              marker + " が見つかりません。\r\nこの拡張タグは必ず一つ、なければいけません。");
}
Message NotAlone(const std::string& marker) {
  return Warn("文法エラー", marker +
                                " 以外の文字列が同じ行にあります。\r\n"
                                "この拡張タグがある行には他の文字列を書くことはできません。");
}
// Only the repeat section's text has a blank after "@]".
Message Unclosed(const char* section) {
  return Warn(section,
              (section == kRepeat ? "@] が存在しません。" : "@]が存在しません。") + kAgain);
}
Message RepeatOnly(const char* section, const std::string& candidate) {
  return Warn(section, candidate +
                           " は繰り返し部分の中でのみ使用できる拡張タグです。\r\n"
                           "[@START@] と [@STOP@]の範囲内で使用してください。");
}
Message NoSuchTag(const char* section, const std::string& candidate) {
  return Warn(section, candidate + " というタグは存在しません。" + kAgain);
}
Message Empty(const std::string& where) {
  return Warn("文法エラー", where + "に何も書かれていません。\r\n各部分に一行以上書いてください。");
}
Message Closing(const std::filesystem::path& path, bool errors) {
  const char* text = errors ? "\r\nにはエラーがみつかったので、再度確認してください。"
                            : "\r\nにエラーは見つかりませんでした。";
  return U8Message("処理終了", path.string() + text, errors ? Icon::Stop : Icon::None);
}

constexpr const char* kGood =
    "<html><title>[@DNAME@] [@DTEXT@] [@COMPANY@]</title>\r\n[@START@]\r\n"
    "<li>[@FNAME@] [@MDATE@] [@CDATE@] [@FTEXT@] [@FSIZE@] [@PYEN@] [@PSIZE@]"
    " [@DNAME@] [@DTEXT@] [@COMPANY@]\r\n[@STOP@]\r\n<p>[@COMPANY@] [@DNAME@] [@DTEXT@]</p>\r\n";

class CheckTemplateTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
  testing::RecordingMessages messages_;
};

// A template and the messages its check shows before the closing message. Marker errors
// stop the check before any tag is judged. The stop marker is searched from just past a
// lone start marker's line break. Every "[@" is judged by itself, left to right. Each
// message names the line and column of what it is about (an empty section: the marker line
// that closes it, or for the last, opens it), its rule, and for a near miss the tag meant.
TEST_F(CheckTemplateTest, ShowsExactlyTheseMessages) {
  const std::tuple<const char*, std::string, Messages, std::vector<std::string>> rows[] = {
      {"Good", kGood, {}, {}},
      {"Empty", "", {Missing("[@START@]"), Missing("[@STOP@]")}, {"start-missing", "stop-missing"}},
      {"FirstLineStart",
       "[@START@]\nr [@FNAME@]\n[@STOP@]\na\n",
       {Empty("[@START@] より前")},
       {"1:1 empty-before"}},
      {"EmptyRepeat",
       "b\n[@START@]\n[@STOP@]\na\n",
       {Empty("[@START@] と [@STOP@] の間")},
       {"3:1 empty-repeat"}},
      {"StartNotAlone",
       "x [@START@]\nr\n[@STOP@]\n[@BAD@]\n",
       {NotAlone("[@START@]")},
       {"1:3 start-not-alone"}},
      {"StartBlank",
       "b\n[@START@] \nr\n[@STOP@]\na\n",
       {NotAlone("[@START@]")},
       {"2:1 start-not-alone"}},
      {"StopNotAlone",
       "b\n[@START@]\nr\n[@STOP@]x\n",
       {NotAlone("[@STOP@]")},
       {"4:1 stop-not-alone"}},
      {"OneLine",
       "[@START@][@STOP@]\n",
       {NotAlone("[@START@]"), Missing("[@STOP@]")},
       {"1:1 start-not-alone", "stop-missing"}},
      {"StopFirst", "[@STOP@]\nr\n", {Missing("[@START@]")}, {"start-missing"}},
      {"Record",
       "[@FNAME@]\n[@START@]\nr\n[@STOP@]\n",
       {Empty("[@STOP@] より後"), RepeatOnly(kBefore, "[@FNAME@]")},
       {"4:1 empty-after", "1:1 repeat-only-tag"}},
      {"Exact",
       "b\n[@START@]\n[@fname@]\n[@STOP@]\na\n",
       {NoSuchTag(kRepeat, "[@fname@]")},
       {"3:1 no-such-tag [@FNAME@]"}},
      {"OpenBefore",
       "[@FNAME\n[@START@]\nr\n[@STOP@]\na @]\n",
       {Unclosed(kBefore)},
       {"1:1 unclosed-tag"}},
      {"OpenRepeat",
       "[@START@]\n[@A [@B\n[@STOP@]\n@]",
       {Empty("[@START@] より前"), Unclosed(kRepeat), Unclosed(kRepeat)},
       {"1:1 empty-before", "2:1 unclosed-tag", "2:5 unclosed-tag"}},
      {"OpenAfter",
       "b\n[@START@]\nr\n[@STOP@]\n[@FNAME\n",
       {Unclosed(kAfter)},
       {"5:1 unclosed-tag"}},
      {"Nested",
       "[@X[@PSIZE@]<i>[@NOPE@]\n[@START@]\n[@X[@FNAME@]\n[@STOP@]\na\n",
       {NoSuchTag(kBefore, "[@X[@PSIZE@]"), RepeatOnly(kBefore, "[@PSIZE@]"),
        NoSuchTag(kBefore, "[@NOPE@]"), NoSuchTag(kRepeat, "[@X[@FNAME@]")},
       {"1:1 no-such-tag", "1:4 repeat-only-tag", "1:16 no-such-tag", "3:1 no-such-tag"}},
      // A long candidate is quoted up to the last whole character within 200 bytes.
      {"LongCandidate",
       "b\n[@START@]\n[@" + std::string(197, 'x') + "\x82\xA0@]\n[@STOP@]\na\n",
       {NoSuchTag(kRepeat, "[@" + std::string(197, 'x') + "…")},
       {"3:1 no-such-tag"}},
      {"StopAboveStart",
       "r [@NOPE@] [@FNAME@]\n[@STOP@]\nb [@PYEN@]\n[@START@]\na\n",
       {RepeatOnly(kBefore, "[@PYEN@]"), NoSuchTag(kRepeat, "[@NOPE@]")},
       {"3:3 repeat-only-tag", "1:3 no-such-tag"}},
      {"CrLf", "b\r\n[@START@]\r\n[@FNAME@]\r\n[@STOP@]\r\n[@DNAME@]", {}, {}},
      // A double-byte character is one column; CR LF ends a line.
      {"Columns",
       "b\r\n[@START@]\r\n\x82\xA0\x82\xA0[@FNAEM@]\r\n[@STOP@]\r\na\r\n",
       {NoSuchTag(kRepeat, "[@FNAEM@]")},
       {"3:3 no-such-tag [@FNAME@]"}},
      {"LeadByteAtLineEnd",
       "b\n[@START@]\nr\x82\n[@NOPE@]\n[@STOP@]\na\n",
       {NoSuchTag(kRepeat, "[@NOPE@]")},
       {"4:1 no-such-tag"}}};
  for (const auto& [name, file, shown, places] : rows) {
    const auto path = folder_.Write(std::string(name) + ".html", file);
    messages_.shown.clear();
    messages_.places.clear();
    CheckTemplate(path, messages_);
    Messages expected = shown;
    expected.push_back(Closing(path, !shown.empty()));
    EXPECT_EQ(messages_.shown, expected) << name;
    std::vector<std::string> expected_places = places;
    expected_places.push_back(shown.empty() ? "no-errors" : "errors-found");
    EXPECT_EQ(messages_.places, expected_places) << name;
  }
}

// Only ".html" and ".htm" (the last extension, in lower case) are checked, in the order
// dropped.
TEST_F(CheckTemplateTest, DroppedFilesAreCheckedInOrder) {
  const auto good = folder_.Write("テンプレ.html", kGood);
  const auto htm = folder_.Write("broken.htm", "");
  const auto dot_file = folder_.Write(".html", kGood);
  CheckDroppedFiles(
      {folder_.Write("upper.HTML", kGood), good, folder_.Write("notes.txt", kGood), htm,
       folder_.Write("no_extension", kGood), folder_.Write("page.html.bak", kGood), dot_file},
      messages_);
  const Message wrong =
      Warn("ファイルが違います",
           "テンプレートファイルの拡張子は\r\n「.html」か「.htm」にしてください。");
  EXPECT_EQ(messages_.shown,
            (Messages{wrong, Closing(good, false), wrong, Missing("[@START@]"), Missing("[@STOP@]"),
                      Closing(htm, true), wrong, wrong, Closing(dot_file, false)}));
  EXPECT_EQ(messages_.places[0], "wrong-extension");
}

}  // namespace
}  // namespace veldor
