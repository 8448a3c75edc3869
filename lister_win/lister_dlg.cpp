#include "lister_win/lister_dlg.h"

#include <shellapi.h>

#include <utility>

#include "lister_win/resource.h"
#include "lister_win/sheet.h"
#include "listing/listing_run.h"

namespace {

// Posted at initialisation: the command line's paths are listed once the dialog is up.
constexpr UINT kFirstDrop = WM_APP + 1;

veldor::Shell& Pick(veldor::Shell* given, std::unique_ptr<veldor::Shell>& own) {
  if (given != nullptr) return *given;
  own = std::make_unique<veldor::DesktopShell>();
  return *own;
}

}  // namespace

CListerDlg::CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages,
                       veldor::Shell* shell, std::vector<std::filesystem::path> paths)
    : program_folder_(std::move(program_folder)),
      messages_(messages != nullptr ? *messages : boxes_),
      shell_(Pick(shell, own_shell_)),
      first_drop_(std::move(paths)) {}

void CListerDlg::OnInitDialog() {
  boxes_.SetOwner(hwnd());
  veldor::win::AddAboutEntry(hwnd(), IDS_ABOUTBOX);
  veldor::win::SetProgramIcons(hwnd());
  veldor::win::FitTexts(hwnd(), true);
  lister_.emplace(program_folder_, messages_, shell_);
  MarkRadios();
  if (!first_drop_.empty()) ::PostMessageW(hwnd(), kFirstDrop, 0, 0);
}

void CListerDlg::MarkRadios() {
  // Values outside 1..3 never reach here: the settings load turns them into 1.
  const veldor::ListingSettings& settings = lister_->settings();
  ::CheckRadioButton(hwnd(), IDC_DOCOMO, IDC_AU, IDC_DOCOMO + settings.company - 1);
  ::CheckRadioButton(hwnd(), IDC_TXT, IDC_HTML, IDC_TXT + settings.output_mode - 1);
}

void CListerDlg::OnRadio(int id) {
  veldor::ListingSettings& settings = lister_->settings();
  if (id >= IDC_TXT) {
    settings.output_mode = id - IDC_TXT + 1;
  } else if (carrier_guard_) {
    carrier_guard_ = false;
  } else {
    settings.company = id - IDC_DOCOMO + 1;
  }
}

INT_PTR CListerDlg::OnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      // The focus goes to the marked carrier, so that no other radio is clicked by it.
      ::SetFocus(::GetDlgItem(hwnd(), IDC_DOCOMO + lister_->settings().company - 1));
      return FALSE;
    case kFirstDrop:
      veldor::RunDrop(std::exchange(first_drop_, {}), context());
      return TRUE;
    case WM_DROPFILES:
      veldor::RunDrop(veldor::win::TakeDroppedPaths(reinterpret_cast<HDROP>(wparam)), context());
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id >= IDC_DOCOMO && id <= IDC_HTML && HIWORD(wparam) == BN_CLICKED) {
        OnRadio(id);
        return TRUE;
      }
      if (id == IDC_SETTINGS && HIWORD(wparam) == BN_CLICKED) {
        if (RunSettingsSheet(hwnd(), context())) MarkRadios();
        return TRUE;
      }
      // The close box and Esc end the dialog; it has no OK button, so Enter does nothing.
      if (id != IDCANCEL) break;
      ::EndDialog(hwnd(), IDCANCEL);
      return TRUE;
    }
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != veldor::win::kAboutCommand) break;
      veldor::win::ShowAboutBox(hwnd(), IDD_ABOUTBOX);
      return TRUE;
    case WM_PAINT:
      carrier_guard_ = false;
      if (veldor::win::PaintMinimised(hwnd())) return TRUE;
      break;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(::SendMessageW(hwnd(), WM_GETICON, ICON_BIG, 0));
    case WM_DESTROY:
      // The only time the settings file is written.
      if (lister_) lister_->SaveSettings();
      break;
    default:
      break;
  }
  handled = false;
  return FALSE;
}
