// The message boxes: what each message shows in a box owned by the window, its default
// button, and the answer of each button.

#include "qt_common/qt_message_sink.h"

#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

using Box = QMessageBox;

// A message's icon, buttons and default, the button pressed (NoButton: Esc), then what
// the box shows (icon, default button, button texts) and the answer.
struct BoxCase {
  const char* name;
  Icon icon;
  Buttons buttons;
  bool second_default;
  Box::StandardButton press;
  Box::Icon shown_icon;
  Box::StandardButton shown_default;
  const char* shown_buttons;
  Answer answer;
};
const char kYesNo[] = "はい(&Y) いいえ(&N)";
const char kOkCancel[] = "OK キャンセル";
const BoxCase kBoxCases[] = {
    {"Warning", Icon::Exclamation, Buttons::Ok, 0, Box::Ok, Box::Warning, Box::Ok, "OK",
     Answer::Ok},
    {"Yes", Icon::Question, Buttons::YesNo, 0, Box::Yes, Box::Question, Box::Yes, kYesNo,
     Answer::Yes},
    {"NoDefault", Icon::Question, Buttons::YesNo, 1, Box::No, Box::Question, Box::No, kYesNo,
     Answer::No},
    {"EscIsNo", Icon::None, Buttons::YesNo, 0, Box::NoButton, Box::NoIcon, Box::Yes, kYesNo,
     Answer::No},
    {"Ok", Icon::Stop, Buttons::OkCancel, 0, Box::Ok, Box::Critical, Box::Ok, kOkCancel,
     Answer::Ok},
    {"EscIsCancel", Icon::Stop, Buttons::OkCancel, 0, Box::NoButton, Box::Critical, Box::Ok,
     kOkCancel, Answer::Cancel},
};

class BoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxTest, ShowsAndAnswers) {
  const BoxCase& c = GetParam();
  QDialog owner;
  QStringList seen;
  WhenModalShown([&](QWidget& modal) {
    auto& box = dynamic_cast<Box&>(modal);
    QStringList texts;
    for (auto b : {Box::Ok, Box::Yes, Box::No, Box::Cancel}) {
      if (box.button(b) != nullptr) texts << box.button(b)->text();
    }
    EXPECT_EQ(box.parentWidget(), &owner);
    seen << box.windowTitle() << box.text() << QString::number(box.textFormat())
         << QString::number(box.icon()) << QString::number(box.standardButton(box.defaultButton()))
         << texts.join(' ');
    if (c.press == Box::NoButton) QTest::keyClick(&box, Qt::Key_Escape);
    if (c.press != Box::NoButton) box.button(c.press)->click();
  });
  const Message message{Utf8ToCp932("処理結果"), "a<b>.txt\r\n", c.icon, c.buttons,
                        c.second_default};
  EXPECT_EQ(ui::QtMessageSink(&owner).Show(message), c.answer);
  EXPECT_EQ(seen, (QStringList{"処理結果", "a<b>.txt\n", QString::number(Qt::PlainText),
                               QString::number(c.shown_icon), QString::number(c.shown_default),
                               c.shown_buttons}));
}

INSTANTIATE_TEST_SUITE_P(Boxes, BoxTest, ::testing::ValuesIn(kBoxCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veldor::testing
