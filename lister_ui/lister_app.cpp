#include "lister_ui/lister_app.h"

#include <system_error>

#include "listing/lister.h"
#include "qt_common/drop_paths.h"
#include "qt_common/qt_message_sink.h"

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
  veldor::ui::QtMessageSink start_up_messages(nullptr);
  const std::optional<std::filesystem::path> found =
      veldor::StartUpProgramFolder(start_up_messages);
  if (!found) return 1;
  const std::filesystem::path& program_folder = *found;
  // Relative names of the program folder's files resolve here, the program folder.
  std::error_code ignored;
  std::filesystem::current_path(program_folder, ignored);
  std::unique_ptr<CListerDlg> dialog = CreateMainDialog(program_folder);
  dialog->exec();
  return 0;
}
