#pragma once
// The about box of both programs: the program icon, one line of text and an OK button,
// laid out in dialog units.

#include <QDialog>
#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "qt_common/unit_layout.h"

namespace veldor::ui {

struct AboutBoxLayout {
  QString caption;
  QSize size;      ///< client size, dialog units
  QPoint icon_at;  ///< top left of the icon, dialog units
  QString text;
  QRect text_rect;  ///< dialog units; an empty size lets the text take its natural size
  QRect ok_rect;    ///< dialog units
};

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(const AboutBoxLayout& layout, const QIcon& icon, QWidget* parent);

  /// The dialog units the box is laid out in.
  const DialogUnits& dialog_units() const { return layout_.units(); }

 private:
  UnitLayout layout_;
};

}  // namespace veldor::ui
