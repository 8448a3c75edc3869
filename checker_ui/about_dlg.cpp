#include "checker_ui/about_dlg.h"

#include "qt_common/desktop_program.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : AboutBox({.caption = QStringLiteral("tovrinのﾊﾞｰｼﾞｮﾝ情報"),
                .size = QSize(235, 55),
                .icon_at = QPoint(11, 17),
                .text = QStringLiteral("tovrin Version 1.0"),
                .text_rect = QRect(40, 10, 0, 0),  // the text takes its own size
                .ok_rect = QRect(178, 7, 50, 14)},
               veldor::ui::ProgramIcon(QStringLiteral("tovrin")), parent) {}
