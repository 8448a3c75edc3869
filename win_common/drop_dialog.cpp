#include "win_common/drop_dialog.h"

#include <shellapi.h>

#include <utility>

namespace veldor::win {

namespace {
// Posted at initialisation: the command line's paths are handled once the dialog is up.
constexpr UINT kFirstDrop = WM_APP + 1;
}  // namespace

std::vector<std::filesystem::path> CommandLinePaths() {
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  std::vector<std::filesystem::path> paths;
  for (int i = 1; i < argc; ++i) paths.push_back(std::filesystem::absolute(argv[i]));
  ::LocalFree(argv);
  return paths;
}

DropDialog::DropDialog(MessageSink* messages, UINT about_text, UINT about_box,
                       std::vector<std::filesystem::path> first_drop)
    : messages_(messages != nullptr ? *messages : boxes_),
      about_text_(about_text),
      about_box_(about_box),
      first_drop_(std::move(first_drop)) {}

INT_PTR DropDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) {
  if (message != WM_INITDIALOG) {
    const INT_PTR result = OnOwnMessage(message, wparam, lparam, handled);
    if (handled) return result;
    handled = true;
  }
  switch (message) {
    case WM_INITDIALOG:
      boxes_.SetOwner(hwnd());
      AddAboutEntry(hwnd(), about_text_);
      SetProgramIcons(hwnd());
      FitTexts(hwnd(), true);
      if (!first_drop_.empty()) ::PostMessageW(hwnd(), kFirstDrop, 0, 0);
      return OnInitDialog();
    case kFirstDrop:
      HandleDrop(std::exchange(first_drop_, {}));
      return TRUE;
    case WM_DROPFILES:
      HandleDrop(TakeDroppedPaths(reinterpret_cast<HDROP>(wparam)));
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != kAboutCommand) break;
      ShowAboutBox(hwnd(), about_box_);
      return TRUE;
    case WM_PAINT:
      if (PaintMinimised(hwnd())) return TRUE;
      break;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(::SendMessageW(hwnd(), WM_GETICON, ICON_BIG, 0));
    case WM_COMMAND:
      // The close box and Esc end the dialog; it has no OK button, so Enter does nothing.
      if (LOWORD(wparam) != IDCANCEL) break;
      ::EndDialog(hwnd(), IDCANCEL);
      return TRUE;
    default:
      break;
  }
  handled = false;
  return FALSE;
}

}  // namespace veldor::win
