#include "qt_common/qt_message_sink.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "qt_common/qt_text.h"

namespace veldor::ui {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonPair {
  QMessageBox::StandardButton first;
  QMessageBox::StandardButton second;  // NoButton for a message with OK alone
};

ButtonPair ToQtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case Buttons::OkCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::Ok:
      break;
  }
  return {QMessageBox::Ok, QMessageBox::NoButton};
}

// The buttons speak the program's language, as the sheet's and dialogs' own buttons do,
// whatever translations Qt finds on the system.
QString ButtonText(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return QStringLiteral("はい(&Y)");
    case QMessageBox::No:
      return QStringLiteral("いいえ(&N)");
    case QMessageBox::Cancel:
      return QStringLiteral("キャンセル");
    default:
      break;
  }
  return QStringLiteral("OK");
}

// Plain text buttons, as everywhere else in the programs: no icons from the style.
void SetButtons(QMessageBox& box, QMessageBox::StandardButtons buttons) {
  box.setStandardButtons(buttons);
  for (QAbstractButton* button : box.buttons()) {
    button->setText(ButtonText(box.standardButton(button)));
    button->setIcon(QIcon());
  }
}

// Room a title bar keeps for its icon and buttons beside the caption, in pixels.
constexpr int kTitleBarRoom = 160;

// A box fits its contents, which may be narrower than its caption: keep it wide enough
// for the title bar to show the whole caption (in a font a little larger than the box's).
void FitCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const int caption = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 5 / 4;
  grid->addItem(new QSpacerItem(caption + kTitleBarRoom, 0, QSizePolicy::Minimum), grid->rowCount(),
                0, 1, grid->columnCount());
}

}  // namespace

void ConfigureMessageBox(QMessageBox& box, const Message& message) {
  box.setWindowTitle(QString::fromStdString(message.caption));
  // Paths and tag candidates can hold "<": never let them be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ToDisplayText(message.text));
  box.setIcon(ToQtIcon(message.icon));
  FitCaption(box);
  const ButtonPair pair = ToQtButtons(message.buttons);
  if (pair.second == QMessageBox::NoButton) {
    SetButtons(box, pair.first);
    box.setDefaultButton(pair.first);
    return;
  }
  SetButtons(box, pair.first | pair.second);
  box.setDefaultButton(message.second_button_default ? pair.second : pair.first);
  box.setEscapeButton(pair.second);
}

Answer AnswerOf(const QMessageBox& box, Buttons buttons) {
  const ButtonPair pair = ToQtButtons(buttons);
  const QAbstractButton* clicked = box.clickedButton();
  const bool first = clicked != nullptr && clicked == box.button(pair.first);
  switch (buttons) {
    case Buttons::YesNo:
      return first ? Answer::Yes : Answer::No;
    case Buttons::OkCancel:
      return first ? Answer::Ok : Answer::Cancel;
    case Buttons::Ok:
      break;
  }
  return Answer::Ok;
}

QtMessageSink::QtMessageSink(QWidget* fallback_parent) : fallback_parent_(fallback_parent) {}

Answer QtMessageSink::Show(const Message& message) {
  QWidget* parent = QApplication::activeModalWidget();
  if (parent == nullptr) parent = fallback_parent_.data();
  QMessageBox box(parent);
  ConfigureMessageBox(box, message);
  box.exec();
  return AnswerOf(box, message.buttons);
}

}  // namespace veldor::ui
