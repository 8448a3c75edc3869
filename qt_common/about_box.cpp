#include "qt_common/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "qt_common/desktop_program.h"
#include "qt_common/dialog_font.h"

namespace veldor::ui {
namespace {

// The size at which the desktop shows a dialog's large icon.
constexpr int kIconPixels = 32;

}  // namespace

AboutBox::AboutBox(const AboutBoxLayout& layout, const QIcon& icon, QWidget* parent)
    : QDialog(parent, kDialogFrame), layout_(DialogFont()) {
  setObjectName(QStringLiteral("aboutBox"));
  setFont(DialogFont());
  setWindowTitle(layout.caption);
  setWindowIcon(icon);
  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("iconLabel"));
  picture->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
  // The text runs up to the OK button at most, whatever room its rectangle gives it.
  auto* text = layout_.Add(new QLabel(layout.text, this), "versionLabel", layout.text_rect,
                           layout.ok_rect.left() - layout.text_rect.left() - 2);
  auto* ok = layout_.Add(new QPushButton(QStringLiteral("OK"), this), "okButton", layout.ok_rect);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout_.Place(*this, layout.size);

  if (layout.text_rect.size().isEmpty()) text->adjustSize();
  const DialogUnits& units = layout_.units();
  picture->setGeometry(units.ToPixelsX(layout.icon_at.x()), units.ToPixelsY(layout.icon_at.y()),
                       kIconPixels, kIconPixels);
  ok->setFocus();
}

}  // namespace veldor::ui
