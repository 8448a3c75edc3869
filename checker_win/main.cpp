// tovrin.exe: the checker's drop dialog; template files named on the command line ("Send
// to", a drop on the program's icon) are checked as a first drop.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "checker_win/checker_dlg.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  CCheckerDlg dialog(nullptr, veldor::win::CommandLinePaths());
  dialog.DoModal();
  return 0;
}
