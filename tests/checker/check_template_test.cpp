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
// lone start marker's line break. Every "[@" is judged by itself, left to right.
TEST_F(CheckTemplateTest, ShowsExactlyTheseMessages) {
  const std::tuple<const char*, std::string, Messages> rows[] = {
      {"Good", kGood, {}},
      {"Empty", "", {Missing("[@START@]"), Missing("[@STOP@]")}},
      {"FirstLineStart", "[@START@]\nr [@FNAME@]\n[@STOP@]\na\n", {Empty("[@START@] より前")}},
      {"EmptyRepeat", "b\n[@START@]\n[@STOP@]\na\n", {Empty("[@START@] と [@STOP@] の間")}},
      {"StartNotAlone", "x [@START@]\nr\n[@STOP@]\n[@BAD@]\n", {NotAlone("[@START@]")}},
      {"StartBlank", "b\n[@START@] \nr\n[@STOP@]\na\n", {NotAlone("[@START@]")}},
      {"StopNotAlone", "b\n[@START@]\nr\n[@STOP@]x\n", {NotAlone("[@STOP@]")}},
      {"OneLine", "[@START@][@STOP@]\n", {NotAlone("[@START@]"), Missing("[@STOP@]")}},
      {"StopFirst", "[@STOP@]\nr\n", {Missing("[@START@]")}},
      {"Record",
       "[@FNAME@]\n[@START@]\nr\n[@STOP@]\n",
       {Empty("[@STOP@] より後"), RepeatOnly(kBefore, "[@FNAME@]")}},
      {"Exact", "b\n[@START@]\n[@fname@]\n[@STOP@]\na\n", {NoSuchTag(kRepeat, "[@fname@]")}},
      {"OpenBefore", "[@FNAME\n[@START@]\nr\n[@STOP@]\na @]\n", {Unclosed(kBefore)}},
      {"OpenRepeat",
       "[@START@]\n[@A [@B\n[@STOP@]\n@]",
       {Empty("[@START@] より前"), Unclosed(kRepeat), Unclosed(kRepeat)}},
      {"OpenAfter", "b\n[@START@]\nr\n[@STOP@]\n[@FNAME\n", {Unclosed(kAfter)}},
      {"Nested",
       "[@X[@PSIZE@]<i>[@NOPE@]\n[@START@]\n[@X[@FNAME@]\n[@STOP@]\na\n",
       {NoSuchTag(kBefore, "[@X[@PSIZE@]"), RepeatOnly(kBefore, "[@PSIZE@]"),
        NoSuchTag(kBefore, "[@NOPE@]"), NoSuchTag(kRepeat, "[@X[@FNAME@]")}},
      // A long candidate is quoted up to the last whole character within 200 bytes.
      {"LongCandidate",
       "b\n[@START@]\n[@" + std::string(197, 'x') + "\x82\xA0@]\n[@STOP@]\na\n",
       {NoSuchTag(kRepeat, "[@" + std::string(197, 'x') + "…")}},
      {"StopAboveStart",
       "r [@NOPE@] [@FNAME@]\n[@STOP@]\nb [@PYEN@]\n[@START@]\na\n",
       {RepeatOnly(kBefore, "[@PYEN@]"), NoSuchTag(kRepeat, "[@NOPE@]")}},
      {"CrLf", "b\r\n[@START@]\r\n[@FNAME@]\r\n[@STOP@]\r\n[@DNAME@]", {}}};
  for (const auto& [name, file, shown] : rows) {
    const auto path = folder_.Write(std::string(name) + ".html", file);
    messages_.shown.clear();
    CheckTemplate(path, messages_);
    Messages expected = shown;
    expected.push_back(Closing(path, !shown.empty()));
    EXPECT_EQ(messages_.shown, expected) << name;
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
}

}  // namespace
}  // namespace veldor
