#pragma once
// Dialog units: the layouts are given as rectangles in units of the dialog's font, a
// quarter of its average character width across and an eighth of its height down.

#include <QFont>
#include <QRect>
#include <QSize>

class QPushButton;

namespace veldor::ui {

class DialogUnits {
 public:
  /// Units of `font`: the average width of the Latin letters and the line height.
  explicit DialogUnits(const QFont& font);

  int base_width() const { return base_width_; }
  int base_height() const { return base_height_; }

  /// Widens the horizontal unit until `units` dialog units span at least `pixels`. The
  /// layouts were made for a style with small check marks; a style that needs more room
  /// for a control's text gets a wider unit, so the layout keeps its proportions.
  void FitWidth(int units, int pixels);
  /// Widens the horizontal unit to `other`'s where that is wider.
  void Widen(const DialogUnits& other);

  /// Pixels of a horizontal or vertical length in dialog units, rounded to nearest.
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QRect ToPixels(const QRect& units) const;
  QSize ToPixels(const QSize& units) const;

 private:
  int base_width_;
  int base_height_;
};

/// The width a push button needs to show its text (without the mnemonic's "&") with the
/// style's margins. Unlike its size hint, this leaves out the style's minimum button width,
/// which the small buttons of the layouts are not meant to have.
int PushButtonTextWidth(const QPushButton& button);

}  // namespace veldor::ui
