// VELDOR.exe: the listing program's main dialog. Folders and files named on the command
// line ("Send to", a drop on the program's icon) are listed as a first drop.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <system_error>

#include "lister_win/lister_dlg.h"
#include "listing/lister.h"
#include "win_common/drop_dialog.h"
#include "win_common/message_box_sink.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{
      sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  std::vector<std::filesystem::path> paths = veldor::win::CommandLinePaths();
  veldor::win::MessageBoxSink start_up_messages;
  const std::optional<std::filesystem::path> found =
      veldor::StartUpProgramFolder(start_up_messages);
  if (!found) return 1;
  const std::filesystem::path& program_folder = *found;
  // Relative names of the program folder's files resolve here, the program folder.
  std::error_code ignored;
  std::filesystem::current_path(program_folder, ignored);
  CListerDlg dialog(program_folder, nullptr, nullptr, std::move(paths));
  dialog.DoModal();
  return 0;
}
