#include "qt_common/native_keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace veldor::ui {
namespace {

class RadioGroupKeys : public QObject {
 public:
  explicit RadioGroupKeys(const QList<QRadioButton*>& radios)
      : QObject(radios.front()), radios_(radios) {
    for (QRadioButton* radio : radios_) {
      radio->installEventFilter(this);
      // Qt takes the unchecked radios out of the Tab order when the choice changes, too.
      connect(radio, &QAbstractButton::toggled, this, &RadioGroupKeys::KeepTabStops);
    }
    KeepTabStops();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      // Qt's own handling first: it takes the other radios out of the Tab order.
      watched->event(event);
      KeepTabStops();
      return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const qsizetype step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                           : key == Qt::Key_Up || key == Qt::Key_Left  ? radios_.size() - 1
                                                                       : 0;
    if (step == 0) return false;
    qsizetype at = radios_.indexOf(static_cast<QRadioButton*>(watched));
    for (qsizetype tried = 1; tried < radios_.size(); ++tried) {
      at = (at + step) % radios_.size();
      QRadioButton* next = radios_[at];
      if (!next->isEnabled() || !next->isVisible()) continue;
      next->setFocus(Qt::OtherFocusReason);
      next->click();
      break;
    }
    return true;
  }

 private:
  void KeepTabStops() {
    for (QRadioButton* radio : radios_) radio->setFocusPolicy(Qt::StrongFocus);
  }

  QList<QRadioButton*> radios_;
};

class EnterClicks : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

}  // namespace

void MakeNativeRadioGroup(const QList<QRadioButton*>& group) {
  if (!group.isEmpty()) new RadioGroupKeys(group);
}

void MakePlainPushButton(QPushButton& button) {
  button.setAutoDefault(false);
  button.setDefault(false);
  button.installEventFilter(new EnterClicks(&button));
}

}  // namespace veldor::ui
