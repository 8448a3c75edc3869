#include "lister_ui/about_dlg.h"

#include "qt_common/desktop_program.h"
#include "veldor_version.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : AboutBox({.caption = QStringLiteral("VELDORのﾊﾞｰｼﾞｮﾝ情報"),
                .size = QSize(271, 55),
                .icon_at = QPoint(13, 15),
                .text = QStringLiteral(
                    "パケット料金表示支援プログラム　 VELDOR  Version " VELDOR_VERSION),
                .text_rect = QRect(40, 15, 172, 8),
                .ok_rect = QRect(214, 13, 50, 14)},
               veldor::ui::ProgramIcon(QStringLiteral("veldor")), parent) {}
