#pragma once

#include "qt_common/about_box.h"

/// The about box of the template checker.
class CAboutDlg : public veldor::ui::AboutBox {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);
};
