#include "qt_common/unit_layout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace veldor::ui {

int TextWidth(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    return PushButtonTextWidth(*button);
  }
  if (qobject_cast<const QLabel*>(&widget) != nullptr ||
      qobject_cast<const QAbstractButton*>(&widget) != nullptr) {
    return widget.sizeHint().width();
  }
  return 0;
}

void UnitLayout::AddWidget(QWidget& widget, const char* object_name, const QRect& units,
                           int text_units) {
  widget.setObjectName(QString::fromLatin1(object_name));
  controls_.push_back({&widget, units, std::max(text_units, units.width())});
}

void UnitLayout::Place(QWidget& window, const QSize& size_units) {
  size_units_ = size_units;
  for (const Control& control : controls_) {
    if (control.widget) units_.FitWidth(control.text_units, TextWidth(*control.widget));
  }
  PlaceControls(window);
}

void UnitLayout::PlaceIn(QWidget& window, const DialogUnits& units) {
  if (units.base_width() <= units_.base_width()) return;
  units_ = units;
  PlaceControls(window);
}

void UnitLayout::PlaceControls(QWidget& window) const {
  // Parents come before their children, so a parent is in place when its children are
  // moved into its coordinates.
  for (const Control& control : controls_) {
    if (!control.widget) continue;
    QRect pixels = units_.ToPixels(control.units);
    if (control.text_units > control.units.width()) {
      pixels.setWidth(std::max(pixels.width(), TextWidth(*control.widget)));
    }
    // A check box or radio shorter than its style's indicator and text grows about its
    // middle, so that nothing of it is cut off.
    if (qobject_cast<const QAbstractButton*>(control.widget) != nullptr &&
        qobject_cast<const QPushButton*>(control.widget) == nullptr) {
      control.widget->ensurePolished();
      const int need = control.widget->sizeHint().height();
      if (need > pixels.height()) {
        pixels.translate(0, -(need - pixels.height()) / 2);
        pixels.setHeight(need);
      }
    }
    QWidget* parent = control.widget->parentWidget();
    if (parent != nullptr && parent != &window) {
      pixels.translate(-parent->mapTo(&window, QPoint(0, 0)));
    }
    control.widget->setGeometry(pixels);
  }
  window.setFixedSize(units_.ToPixels(size_units_));
}

}  // namespace veldor::ui
