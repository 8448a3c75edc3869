// The message boxes: what each message shows in a box owned by the window, its default
// button, and the answer of each button.

#include "qt_common/qt_message_sink.h"

#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

using M = QMessageBox;
using B = Buttons;
using A = Answer;
// A message's icon, buttons and default, the button pressed (NoButton: Esc), then what the
// box shows (icon, default button, button texts) and the answer.
using BoxCase = std::tuple<const char*, Icon, B, bool, M::StandardButton, M::Icon,
                           M::StandardButton, const char*, A>;
const char kYesNo[] = "はい(&Y) いいえ(&N)";
const char kOkCancel[] = "OK キャンセル";
const BoxCase kBoxCases[] = {
    {"Ok", Icon::None, B::Ok, 0, M::Ok, M::NoIcon, M::Ok, "OK", A::Ok},
    {"NoDefault", Icon::Question, B::YesNo, 1, M::No, M::Question, M::No, kYesNo, A::No},
    {"Yes", Icon::Exclamation, B::YesNo, 0, M::Yes, M::Warning, M::Yes, kYesNo, A::Yes},
    {"EscIsNo", Icon::Question, B::YesNo, 0, M::NoButton, M::Question, M::Yes, kYesNo, A::No},
    {"Esc", Icon::Stop, B::OkCancel, 0, M::NoButton, M::Critical, M::Ok, kOkCancel, A::Cancel},
};

TEST(BoxTest, ShowsAndAnswers) {
  for (const auto& [name, icon, buttons, second, press, shown_icon, shown_default, shown_buttons,
                    answer] : kBoxCases) {
    SCOPED_TRACE(name);
    QDialog owner;
    QStringList seen;
    WhenModalShown([&, press = press](QWidget& modal) {
      auto& box = dynamic_cast<M&>(modal);
      EXPECT_EQ(box.parentWidget(), &owner);
      seen << box.windowTitle() << box.text() << QString::number(box.textFormat())
           << QString::number(box.icon())
           << QString::number(box.standardButton(box.defaultButton())) << QString();
      // Plain buttons, and room for the caption beside the title bar's buttons.
      for (const auto* button : box.buttons())
        seen.back() += button->text() + (button->icon().isNull() ? ' ' : '+');
      seen.back() +=
          box.width() > 4 * box.fontMetrics().horizontalAdvance("処理結果") ? "" : "narrow";
      if (press == M::NoButton) QTest::keyClick(&box, Qt::Key_Escape);
      if (press != M::NoButton) box.button(press)->click();
    });
    const Message message{"処理結果", "a<b>.txt\r\n", icon, buttons, second};
    EXPECT_EQ(ui::QtMessageSink(&owner).Show(message), answer);
    EXPECT_EQ(seen, (QStringList{"処理結果", "a<b>.txt\n", QString::number(Qt::PlainText),
                                 QString::number(shown_icon), QString::number(shown_default),
                                 QString(shown_buttons) + ' '}));
  }
}

}  // namespace
}  // namespace veldor::testing
