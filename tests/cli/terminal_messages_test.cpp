#include "cli/terminal_messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/recording_messages.h"

namespace veldor {
namespace {

using testing::U8Message;

struct Terminal {
  std::ostringstream out;
  std::ostringstream prompt;
  std::istringstream in;
  TerminalMessages messages;

  Terminal(MessageFormat format, AnswerPolicy policy, bool interactive = false,
           const std::string& typed = "")
      : in(typed), messages(out, in, interactive, format, policy, &prompt) {}
};

TEST(TerminalMessagesTest, JsonIsOneEscapedObjectPerLineNamingEveryIconAndButtons) {
  Terminal t(MessageFormat::Json, AnswerPolicy::No);
  t.messages.Show(
      U8Message("上書き確認", "C:\\a \"b\"\r\nに\tある\x01", Icon::Question, Buttons::YesNo));
  t.messages.Show(U8Message("処理終了", "済み", Icon::None));
  t.messages.Show(U8Message("c", "t", Icon::Exclamation, Buttons::OkCancel));
  t.messages.Show(U8Message("c", "t", Icon::Stop, Buttons::Ok));
  EXPECT_EQ(t.out.str(),
            "{\"caption\": \"上書き確認\", \"text\": \"C:\\\\a \\\"b\\\"\\r\\nに\\tある\\u0001\", "
            "\"icon\": \"question\", \"buttons\": \"yesno\", \"answer\": \"no\"}\n"
            "{\"caption\": \"処理終了\", \"text\": \"済み\", \"icon\": \"none\", "
            "\"buttons\": \"ok\", \"answer\": \"ok\"}\n"
            "{\"caption\": \"c\", \"text\": \"t\", \"icon\": \"exclamation\", "
            "\"buttons\": \"okcancel\", \"answer\": \"cancel\"}\n"
            "{\"caption\": \"c\", \"text\": \"t\", \"icon\": \"stop\", "
            "\"buttons\": \"ok\", \"answer\": \"ok\"}\n");
  EXPECT_EQ(t.prompt.str(), "");
}

struct AnswerCase {
  const char* name;
  AnswerPolicy policy;
  bool interactive;
  std::string typed;
  Buttons buttons;
  Answer expected;
};

class TerminalAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(TerminalAnswerTest, AnswersAsThePolicyOrTheUserSays) {
  const AnswerCase& c = GetParam();
  for (const MessageFormat format : {MessageFormat::Text, MessageFormat::Json}) {
    Terminal t(format, c.policy, c.interactive, c.typed);
    EXPECT_EQ(t.messages.Show(U8Message("c", "t", Icon::Question, c.buttons)), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Policies, TerminalAnswerTest,
    ::testing::Values(
        AnswerCase{"YesAnswersYes", AnswerPolicy::Yes, true, "n\n", Buttons::YesNo, Answer::Yes},
        AnswerCase{"YesAnswersOk", AnswerPolicy::Yes, false, "", Buttons::OkCancel, Answer::Ok},
        AnswerCase{"NoAnswersNo", AnswerPolicy::No, true, "y\n", Buttons::YesNo, Answer::No},
        AnswerCase{"NoAnswersCancel", AnswerPolicy::No, false, "", Buttons::OkCancel,
                   Answer::Cancel},
        AnswerCase{"OkOnlyIsOk", AnswerPolicy::No, false, "", Buttons::Ok, Answer::Ok},
        AnswerCase{"AskWithoutTerminalDeclines", AnswerPolicy::Ask, false, "y\n", Buttons::YesNo,
                   Answer::No},
        AnswerCase{"AskTypedYes", AnswerPolicy::Ask, true, "y\n", Buttons::YesNo, Answer::Yes},
        AnswerCase{"AskTypedNo", AnswerPolicy::Ask, true, " n \n", Buttons::OkCancel,
                   Answer::Cancel},
        AnswerCase{"AskRepeatsUntilUnderstood", AnswerPolicy::Ask, true, "maybe\n\nyes\n",
                   Buttons::OkCancel, Answer::Ok},
        AnswerCase{"AskEndOfInputDeclines", AnswerPolicy::Ask, true, "maybe\n", Buttons::YesNo,
                   Answer::No}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TerminalMessagesTest, TextShowsCaptionIconLinesAndAnswer) {
  Terminal t(MessageFormat::Text, AnswerPolicy::Yes);
  t.messages.Show(
      U8Message("処理終了", "/tmp/a.html\r\nにエラーは見つかりませんでした。", Icon::None));
  t.messages.Show(U8Message("上書き確認", "上書きしますか？", Icon::Question, Buttons::YesNo));
  EXPECT_EQ(t.out.str(),
            "[処理終了]\n"
            "  /tmp/a.html\n"
            "  にエラーは見つかりませんでした。\n"
            "\n"
            "[上書き確認] 質問\n"
            "  上書きしますか？\n"
            "  → はい\n"
            "\n");
}

TEST(TerminalMessagesTest, TextShowsControlCharactersOfNamesAsQuestionMarks) {
  Terminal t(MessageFormat::Text, AnswerPolicy::Yes);
  t.messages.Show(U8Message("e\x1b[31m.jpg", "a\x1b]0;x\x07\tb\rc\x7f\r\nd\n", Icon::None));
  EXPECT_EQ(t.out.str(), "[e?[31m.jpg]\n  a?]0;x?\tb?c?\n  d\n  \n\n");
}

TEST(TerminalMessagesTest, TextAsksOnTheOutput) {
  Terminal t(MessageFormat::Text, AnswerPolicy::Ask, true, "n\n");
  EXPECT_EQ(
      t.messages.Show(U8Message("確認", "消しますか？", Icon::Exclamation, Buttons::OkCancel)),
      Answer::Cancel);
  EXPECT_EQ(t.out.str(), "[確認] 警告\n  消しますか？\n  OK(y) / キャンセル(n)? \n");
}

TEST(TerminalMessagesTest, JsonAsksOnThePromptAndKeepsRecordsClean) {
  Terminal t(MessageFormat::Json, AnswerPolicy::Ask, true, "y\n");
  EXPECT_EQ(t.messages.Show(U8Message("確認", "消しますか？", Icon::Question, Buttons::YesNo)),
            Answer::Yes);
  EXPECT_EQ(t.prompt.str(), "[確認] 質問\n  消しますか？\n  はい(y) / いいえ(n)? ");
  EXPECT_EQ(t.out.str(),
            "{\"caption\": \"確認\", \"text\": \"消しますか？\", \"icon\": \"question\", "
            "\"buttons\": \"yesno\", \"answer\": \"yes\"}\n");
}

TEST(TerminalMessagesTest, WarnedOnlyAfterExclamationOrStop) {
  for (const Icon icon : {Icon::Exclamation, Icon::Stop}) {
    Terminal t(MessageFormat::Text, AnswerPolicy::No);
    t.messages.Show(U8Message("c", "t", Icon::None));
    t.messages.Show(U8Message("c", "t", Icon::Question, Buttons::YesNo));
    EXPECT_FALSE(t.messages.warned());
    t.messages.Show(U8Message("c", "t", icon));
    t.messages.Show(U8Message("c", "t", Icon::None));
    EXPECT_TRUE(t.messages.warned());
  }
}

}  // namespace
}  // namespace veldor
