#include "checker_ui/checker_app.h"

#include "qt_common/drop_paths.h"

CCheckerApp::CCheckerApp(const QStringList& arguments)
    : paths_(veldor::ui::CommandLinePaths(arguments)) {}

std::unique_ptr<CCheckerDlg> CCheckerApp::CreateMainDialog(veldor::MessageSink* messages) {
  auto dialog = std::make_unique<CCheckerDlg>(messages);
  dialog->DropWhenShown(paths_);
  return dialog;
}

int CCheckerApp::Run() {
  std::unique_ptr<CCheckerDlg> dialog = CreateMainDialog();
  dialog->exec();
  return 0;
}
