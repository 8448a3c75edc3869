#pragma once
// Dialog units: the layouts are given as rectangles in units of the dialog's font, a
// quarter of its average character width across and an eighth of its height down.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace veldor::ui {

class DialogUnits {
 public:
  /// Units of `font`: the average width of the Latin letters and the line height.
  explicit DialogUnits(const QFont& font);

  int base_width() const { return base_width_; }
  int base_height() const { return base_height_; }

  /// Pixels of a horizontal or vertical length in dialog units, rounded to nearest.
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect ToPixels(const QRect& units) const;
  QSize ToPixels(const QSize& units) const;

 private:
  int base_width_;
  int base_height_;
};

/// Places `widget` at `units` (left, top, width, height in dialog units).
void PlaceWidget(QWidget& widget, const DialogUnits& dialog_units, const QRect& units);

}  // namespace veldor::ui
