#include "qt_common/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "qt_common/desktop_program.h"
#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"

namespace veldor::ui {
namespace {

// The size at which the desktop shows a dialog's large icon.
constexpr int kIconPixels = 32;

}  // namespace

AboutBox::AboutBox(const AboutBoxLayout& layout, const QIcon& icon, QWidget* parent)
    : QDialog(parent, kDialogFrame), units_(DialogFont()) {
  setObjectName(QStringLiteral("aboutBox"));
  setFont(DialogFont());
  setWindowTitle(layout.caption);
  setWindowIcon(icon);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("iconLabel"));
  picture->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
  auto* text = new QLabel(layout.text, this);
  text->setObjectName(QStringLiteral("versionLabel"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The text runs up to the OK button at most, whatever room its rectangle gives it.
  DialogUnits& units = units_;
  const int text_units = layout.text_rect.width() > 0
                             ? layout.text_rect.width()
                             : layout.ok_rect.left() - layout.text_rect.left() - 2;
  units.FitWidth(text_units, text->sizeHint().width());
  units.FitWidth(layout.ok_rect.width(), PushButtonTextWidth(*ok));

  picture->setGeometry(units.ToPixelsX(layout.icon_at.x()), units.ToPixelsY(layout.icon_at.y()),
                       kIconPixels, kIconPixels);
  if (layout.text_rect.size().isEmpty()) {
    text->move(units.ToPixels(layout.text_rect).topLeft());
    text->adjustSize();
  } else {
    PlaceWidget(*text, units, layout.text_rect);
  }
  PlaceWidget(*ok, units, layout.ok_rect);
  ok->setFocus();
  setFixedSize(units.ToPixels(layout.size));
}

}  // namespace veldor::ui
