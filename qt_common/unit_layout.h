#pragma once
// Controls laid out in dialog units, with a unit that grows until every text fits.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

#include "qt_common/dialog_units.h"

class QWidget;

namespace veldor::ui {

/// Each control is added with its rectangle in dialog units. Place then widens the
/// horizontal unit just enough for every label, check box, radio and push button to show
/// its text in its rectangle, and places them all: the layout keeps its proportions in a
/// style that needs more room than the one it was made for.
class UnitLayout {
 public:
  explicit UnitLayout(const QFont& font) : units_(font) {}

  /// Adds `widget` named `object_name` at `units` (in the window's coordinates, whatever
  /// its parent). Its text may use `text_units` across when that is more than the
  /// rectangle's width; the control then grows to show it.
  template <typename W>
  W* Add(W* widget, const char* object_name, const QRect& units, int text_units = 0) {
    AddWidget(*widget, object_name, units, text_units);
    return widget;
  }

  /// Fits the unit to every text added, places the controls and fixes the size of `window`
  /// to `size_units`.
  void Place(QWidget& window, const QSize& size_units);
  /// Lays the window out again in `units` where they are wider than its own (windows shown
  /// together, as the pages of a sheet, take the widest unit any of them needs).
  void PlaceIn(QWidget& window, const DialogUnits& units);

  const DialogUnits& units() const { return units_; }

 private:
  struct Control {
    QPointer<QWidget> widget;
    QRect units;
    int text_units;
  };

  void AddWidget(QWidget& widget, const char* object_name, const QRect& units, int text_units);
  void PlaceControls(QWidget& window) const;

  DialogUnits units_;
  QSize size_units_;
  std::vector<Control> controls_;
};

/// The width `widget` needs to show its text: a push button's text with its margins, the
/// size hint of a label, check box or radio; 0 for a control without such a text.
int TextWidth(const QWidget& widget);

}  // namespace veldor::ui
