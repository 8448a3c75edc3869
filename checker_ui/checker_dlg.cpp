#include "checker_ui/checker_dlg.h"

#include <QLabel>

#include "checker/check_template.h"
#include "checker_ui/about_dlg.h"
#include "qt_common/desktop_program.h"

CCheckerDlg::CCheckerDlg(veldor::MessageSink* messages) : DropWindow(messages) {
  setObjectName(QStringLiteral("checkerDialog"));
  setWindowTitle(QStringLiteral("tovrin"));
  setWindowIcon(veldor::ui::ProgramIcon(QStringLiteral("tovrin")));
  auto* hint = layout_.Add(
      new QLabel(QStringLiteral("テンプレートファイルを\nドラッグ＆ドロップしてください。"), this),
      "dropHintLabel", QRect(21, 23, 89, 19));
  hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout_.Place(*this, QSize(131, 67));
  CreateContextMenu(QStringLiteral("tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

void CCheckerDlg::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CCheckerDlg::HandleDrop(const std::vector<std::filesystem::path>& paths) {
  veldor::CheckDroppedFiles(paths, messages());
}
