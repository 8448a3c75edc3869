#include "qt_common/qt_message_sink.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <iterator>

#include "support/qt_test_support.h"
#include "text/cp932.h"

namespace veldor {
namespace {

// What the user saw in the box, taken while it was open.
struct SeenBox {
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  QWidget* parent = nullptr;
  QStringList button_texts;  ///< in the order the standard buttons are numbered
};

// Shows `message` through the sink and answers the box with `press` (a standard button,
// or NoButton for Esc).
Answer ShowAndAnswer(ui::QtMessageSink& sink, const Message& message,
                     QMessageBox::StandardButton press, SeenBox& seen) {
  testing::WhenModalShown([&](QWidget& modal) {
    auto& box = dynamic_cast<QMessageBox&>(modal);
    seen = {box.windowTitle(),     box.text(),
            box.textFormat(),      box.icon(),
            box.standardButtons(), QMessageBox::NoButton,
            box.parentWidget(),    {}};
    if (box.defaultButton() != nullptr)
      seen.default_button = box.standardButton(box.defaultButton());
    for (auto button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      if (box.button(button) != nullptr) seen.button_texts << box.button(button)->text();
    }
    if (press == QMessageBox::NoButton) {
      QTest::keyClick(&box, Qt::Key_Escape);
    } else {
      box.button(press)->click();
    }
  });
  return sink.Show(message);
}

// A message, the button the user presses (NoButton for Esc), what the box shows and the
// answer it gives.
struct BoxCase {
  const char* name;
  Icon icon;
  Buttons buttons;
  bool second_default;
  QMessageBox::StandardButton press;
  QMessageBox::Icon qt_icon;
  QMessageBox::StandardButtons qt_buttons;
  QMessageBox::StandardButton qt_default;
  Answer answer;
};

constexpr auto kYesNo = QMessageBox::Yes | QMessageBox::No;
constexpr auto kOkCancel = QMessageBox::Ok | QMessageBox::Cancel;
const BoxCase kBoxCases[] = {
    {"ok, no icon", Icon::None, Buttons::Ok, false, QMessageBox::Ok, QMessageBox::NoIcon,
     QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
    {"exclamation is a warning", Icon::Exclamation, Buttons::Ok, false, QMessageBox::Ok,
     QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok},
    {"question answered yes", Icon::Question, Buttons::YesNo, false, QMessageBox::Yes,
     QMessageBox::Question, kYesNo, QMessageBox::Yes, Answer::Yes},
    {"question with No as default", Icon::Question, Buttons::YesNo, true, QMessageBox::No,
     QMessageBox::Question, kYesNo, QMessageBox::No, Answer::No},
    {"Esc on a question is No", Icon::Question, Buttons::YesNo, false, QMessageBox::NoButton,
     QMessageBox::Question, kYesNo, QMessageBox::Yes, Answer::No},
    {"stop with OK and Cancel", Icon::Stop, Buttons::OkCancel, false, QMessageBox::Ok,
     QMessageBox::Critical, kOkCancel, QMessageBox::Ok, Answer::Ok},
    {"Esc is Cancel", Icon::Stop, Buttons::OkCancel, false, QMessageBox::NoButton,
     QMessageBox::Critical, kOkCancel, QMessageBox::Ok, Answer::Cancel},
};

// The buttons are labelled in Japanese, as the dialogs' own buttons are.
QStringList ButtonTexts(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return {"はい(&Y)", "いいえ(&N)"};
    case Buttons::OkCancel:
      return {"OK", "キャンセル"};
    case Buttons::Ok:
      break;
  }
  return {"OK"};
}

}  // namespace

class QtMessageSinkTest : public QObject {
  Q_OBJECT

 private slots:
  void boxShowsTheMessageAndReturnsTheAnswer_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < static_cast<int>(std::size(kBoxCases)); ++row) {
      QTest::newRow(kBoxCases[row].name) << row;
    }
  }

  void boxShowsTheMessageAndReturnsTheAnswer() {
    QFETCH(int, row);
    const BoxCase& c = kBoxCases[row];
    QDialog owner;
    ui::QtMessageSink sink(&owner);
    const Message message{Utf8ToCp932("処理結果"), Utf8ToCp932("a<b>.txt\r\n\r\nを出力しました。"),
                          c.icon, c.buttons, c.second_default};
    SeenBox seen;
    const Answer answer = ShowAndAnswer(sink, message, c.press, seen);

    QCOMPARE(seen.title, QStringLiteral("処理結果"));
    QCOMPARE(seen.text, QStringLiteral("a<b>.txt\n\nを出力しました。"));
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.icon, c.qt_icon);
    QCOMPARE(seen.buttons, c.qt_buttons);
    QCOMPARE(seen.default_button, c.qt_default);
    QCOMPARE(seen.button_texts, ButtonTexts(c.buttons));
    QCOMPARE(seen.parent, &owner);
    QCOMPARE(answer, c.answer);
  }

  void boxBelongsToTheModalWindowInFront() {
    QDialog owner;
    ui::QtMessageSink sink(&owner);
    QDialog sheet(&owner);
    SeenBox seen;
    Answer answer = Answer::Cancel;
    testing::WhenModalShown([&](QWidget&) {
      answer = ShowAndAnswer(sink, Message{"caption", "text"}, QMessageBox::Ok, seen);
      sheet.accept();
    });
    sheet.exec();
    QCOMPARE(seen.parent, &sheet);
    QCOMPARE(answer, Answer::Ok);
  }
};

}  // namespace veldor

QTEST_MAIN(veldor::QtMessageSinkTest)
#include "qt_message_sink_test.moc"
