#include "qt_common/qt_message_sink.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

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
            box.parentWidget()};
    if (box.defaultButton() != nullptr)
      seen.default_button = box.standardButton(box.defaultButton());
    if (press == QMessageBox::NoButton) {
      QTest::keyClick(&box, Qt::Key_Escape);
    } else {
      box.button(press)->click();
    }
  });
  return sink.Show(message);
}

}  // namespace

class QtMessageSinkTest : public QObject {
  Q_OBJECT

 private slots:
  void boxShowsTheMessageAndReturnsTheAnswer_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("second_default");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("qt_icon");
    QTest::addColumn<int>("qt_buttons");
    QTest::addColumn<int>("qt_default");
    QTest::addColumn<int>("answer");
    const auto row = [](const char* name, Icon icon, Buttons buttons, bool second,
                        QMessageBox::StandardButton press, QMessageBox::Icon qt_icon,
                        QMessageBox::StandardButtons qt_buttons,
                        QMessageBox::StandardButton qt_default, Answer answer) {
      QTest::newRow(name) << static_cast<int>(icon) << static_cast<int>(buttons) << second
                          << static_cast<int>(press) << static_cast<int>(qt_icon)
                          << static_cast<int>(qt_buttons.toInt()) << static_cast<int>(qt_default)
                          << static_cast<int>(answer);
    };
    row("ok, no icon", Icon::None, Buttons::Ok, false, QMessageBox::Ok, QMessageBox::NoIcon,
        QMessageBox::Ok, QMessageBox::Ok, Answer::Ok);
    row("exclamation is a warning", Icon::Exclamation, Buttons::Ok, false, QMessageBox::Ok,
        QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, Answer::Ok);
    row("question answered yes", Icon::Question, Buttons::YesNo, false, QMessageBox::Yes,
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, Answer::Yes);
    row("question with No as default", Icon::Question, Buttons::YesNo, true, QMessageBox::No,
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, Answer::No);
    row("Esc on a question is No", Icon::Question, Buttons::YesNo, false, QMessageBox::NoButton,
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, Answer::No);
    row("stop with OK and Cancel", Icon::Stop, Buttons::OkCancel, false, QMessageBox::Ok,
        QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, Answer::Ok);
    row("Esc is Cancel", Icon::Stop, Buttons::OkCancel, false, QMessageBox::NoButton,
        QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
        Answer::Cancel);
  }

  void boxShowsTheMessageAndReturnsTheAnswer() {
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(bool, second_default);
    QFETCH(int, press);
    QDialog owner;
    ui::QtMessageSink sink(&owner);
    const Message message{Utf8ToCp932("処理結果"), Utf8ToCp932("a<b>.txt\r\n\r\nを出力しました。"),
                          static_cast<Icon>(icon), static_cast<Buttons>(buttons), second_default};
    SeenBox seen;
    const Answer answer =
        ShowAndAnswer(sink, message, static_cast<QMessageBox::StandardButton>(press), seen);

    QCOMPARE(seen.title, QStringLiteral("処理結果"));
    QCOMPARE(seen.text, QStringLiteral("a<b>.txt\n\nを出力しました。"));
    QCOMPARE(seen.format, Qt::PlainText);
    QTEST(static_cast<int>(seen.icon), "qt_icon");
    QTEST(static_cast<int>(seen.buttons.toInt()), "qt_buttons");
    QTEST(static_cast<int>(seen.default_button), "qt_default");
    QCOMPARE(seen.parent, &owner);
    QTEST(static_cast<int>(answer), "answer");
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
