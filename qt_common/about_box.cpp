#include "qt_common/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"

namespace veldor::ui {
namespace {

// The size at which the desktop shows a dialog's large icon.
constexpr int kIconPixels = 32;

}  // namespace

AboutBox::AboutBox(const AboutBoxLayout& layout, const QIcon& icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("aboutBox"));
  setFont(DialogFont());
  setWindowTitle(layout.caption);
  setWindowIcon(icon);
  const DialogUnits units(font());

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("iconLabel"));
  picture->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
  picture->setGeometry(units.ToPixelsX(layout.icon_at.x()), units.ToPixelsY(layout.icon_at.y()),
                       kIconPixels, kIconPixels);

  auto* text = new QLabel(layout.text, this);
  text->setObjectName(QStringLiteral("versionLabel"));
  if (layout.text_rect.size().isEmpty()) {
    text->move(units.ToPixels(layout.text_rect).topLeft());
    text->adjustSize();
  } else {
    PlaceWidget(*text, units, layout.text_rect);
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  PlaceWidget(*ok, units, layout.ok_rect);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();

  setFixedSize(units.ToPixels(layout.size));
}

}  // namespace veldor::ui
