#include "checker_win/checker_dlg.h"

#include <shellapi.h>

#include <utility>

#include "checker/check_template.h"
#include "checker_win/resource.h"

namespace {
// Posted at initialisation: the command line's paths are checked once the dialog is up.
constexpr UINT kFirstDrop = WM_APP + 1;
}  // namespace

CCheckerDlg::CCheckerDlg(veldor::MessageSink* messages, std::vector<std::filesystem::path> paths)
    : messages_(messages != nullptr ? *messages : boxes_), first_drop_(std::move(paths)) {}

INT_PTR CCheckerDlg::OnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
  switch (message) {
    case WM_INITDIALOG:
      boxes_.SetOwner(hwnd());
      veldor::win::AddAboutEntry(hwnd(), IDS_ABOUTBOX);
      veldor::win::SetProgramIcons(hwnd());
      veldor::win::FitTexts(hwnd(), true);
      if (!first_drop_.empty()) ::PostMessageW(hwnd(), kFirstDrop, 0, 0);
      return TRUE;
    case kFirstDrop:
      veldor::CheckDroppedFiles(std::exchange(first_drop_, {}), messages_);
      return TRUE;
    case WM_DROPFILES:
      veldor::CheckDroppedFiles(veldor::win::TakeDroppedPaths(reinterpret_cast<HDROP>(wparam)),
                                messages_);
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != veldor::win::kAboutCommand) break;
      veldor::win::ShowAboutBox(hwnd(), IDD_ABOUTBOX);
      return TRUE;
    case WM_PAINT:
      if (veldor::win::PaintMinimised(hwnd())) return TRUE;
      break;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(::SendMessageW(hwnd(), WM_GETICON, ICON_BIG, 0));
    case WM_COMMAND:
      // The close box and Esc end the dialog; it has no buttons, so Enter does nothing.
      if (LOWORD(wparam) != IDCANCEL) break;
      ::EndDialog(hwnd(), IDCANCEL);
      return TRUE;
    default:
      break;
  }
  handled = false;
  return FALSE;
}
