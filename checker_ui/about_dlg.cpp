#include "checker_ui/about_dlg.h"

#include "checker_ui/checker_dlg.h"

namespace {

veldor::ui::AboutBoxLayout CheckerAboutLayout() {
  veldor::ui::AboutBoxLayout layout;
  layout.caption = QStringLiteral("tovrinのﾊﾞｰｼﾞｮﾝ情報");
  layout.size = QSize(235, 55);
  layout.icon_at = QPoint(11, 17);
  layout.text = QStringLiteral("tovrin Version 1.0");
  layout.text_rect = QRect(40, 10, 0, 0);  // the text takes its own size
  layout.ok_rect = QRect(178, 7, 50, 14);
  return layout;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : AboutBox(CheckerAboutLayout(), CheckerIcon(), parent) {}
