#include "lister_ui/about_dlg.h"

#include "lister_ui/lister_dlg.h"

namespace {

veldor::ui::AboutBoxLayout ListerAboutLayout() {
  veldor::ui::AboutBoxLayout layout;
  layout.caption = QStringLiteral("VELDORのﾊﾞｰｼﾞｮﾝ情報");
  layout.size = QSize(271, 55);
  layout.icon_at = QPoint(13, 15);
  layout.text = QStringLiteral("パケット料金表示支援プログラム　 VELDOR  Version 1.02");
  layout.text_rect = QRect(40, 15, 172, 8);
  layout.ok_rect = QRect(214, 13, 50, 14);
  return layout;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : AboutBox(ListerAboutLayout(), ListerIcon(), parent) {}
