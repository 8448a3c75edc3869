#include "qt_common/dialog_units.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

namespace veldor::ui {
namespace {

// a*b/c rounded to nearest, as the dialog manager scales its templates.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width is taken over the 52 Latin letters, halved with rounding.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  base_width_ = (letters / 26 + 1) / 2;
  base_height_ = metrics.height();
}

void DialogUnits::FitWidth(int units, int pixels) {
  if (units <= 0) return;
  while (ToPixelsX(units) < pixels) ++base_width_;
}

void DialogUnits::Widen(const DialogUnits& other) {
  base_width_ = std::max(base_width_, other.base_width_);
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, base_width_, 4); }

int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, base_height_, 8); }

QRect DialogUnits::ToPixels(const QRect& units) const {
  return QRect(ToPixelsX(units.left()), ToPixelsY(units.top()), ToPixelsX(units.width()),
               ToPixelsY(units.height()));
}

QSize DialogUnits::ToPixels(const QSize& units) const {
  return QSize(ToPixelsX(units.width()), ToPixelsY(units.height()));
}

int PushButtonTextWidth(const QPushButton& button) {
  QString text = button.text();
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  return button.fontMetrics().horizontalAdvance(text) + 2 * (margin + frame);
}

}  // namespace veldor::ui
