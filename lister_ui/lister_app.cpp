#include "lister_ui/lister_app.h"

#include <system_error>

#include "platform/user_program_folder.h"
#include "qt_common/drop_paths.h"

CListerApp::CListerApp(const QStringList& arguments)
    : paths_(veldor::ui::CommandLinePaths(arguments)) {}

std::unique_ptr<CListerDlg> CListerApp::CreateMainDialog(
    const std::filesystem::path& program_folder, veldor::MessageSink* messages,
    veldor::Shell* shell) {
  auto dialog = std::make_unique<CListerDlg>(program_folder, messages, shell);
  dialog->DropWhenShown(paths_);
  return dialog;
}

int CListerApp::Run() {
  const std::filesystem::path program_folder = veldor::DesktopProgramFolder();
  // Relative names of the program folder's files resolve here, the program folder.
  std::error_code ignored;
  std::filesystem::current_path(program_folder, ignored);
  std::unique_ptr<CListerDlg> dialog = CreateMainDialog(program_folder);
  dialog->exec();
  return 0;
}
