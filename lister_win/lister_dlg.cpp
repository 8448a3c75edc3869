#include "lister_win/lister_dlg.h"

#include <utility>

#include "lister_win/resource.h"
#include "lister_win/settings/settings_sheet.h"
#include "listing/listing_run.h"

namespace {

constexpr veldor::PerCarrier<int> kCarrierRadios{{IDC_DOCOMO, IDC_VODAFONE, IDC_AU}};

}  // namespace

CListerDlg::CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages,
                       veldor::Shell* shell, std::vector<std::filesystem::path> paths)
    : DropDialog(messages, IDS_ABOUTBOX, IDD_ABOUTBOX, std::move(paths)),
      program_folder_(std::move(program_folder)),
      shell_(veldor::GivenOrDesktopShell(shell, own_shell_)) {}

BOOL CListerDlg::OnInitDialog() {
  lister_.emplace(program_folder_, messages(), shell_);
  MarkRadios();
  // The focus goes to the marked carrier, so that no other radio is clicked by it.
  if (const auto carrier = veldor::CarrierOfCompany(lister_->settings().company)) {
    ::SetFocus(::GetDlgItem(hwnd(), kCarrierRadios[*carrier]));
  }
  return FALSE;
}

void CListerDlg::HandleDrop(std::vector<std::filesystem::path> paths) {
  veldor::RunDrop(paths, context());
}

void CListerDlg::MarkRadios() {  // Values outside 1..3 never reach here: the settings load turns
                                 // them into 1.
  const veldor::ListingSettings& settings = lister_->settings();
  if (const auto carrier = veldor::CarrierOfCompany(settings.company)) {
    ::CheckRadioButton(hwnd(), IDC_DOCOMO, IDC_AU, kCarrierRadios[*carrier]);
  }
  ::CheckRadioButton(hwnd(), IDC_TXT, IDC_HTML, IDC_TXT + settings.output_mode - 1);
}

void CListerDlg::OnRadio(int id) {
  veldor::ListingSettings& settings = lister_->settings();
  if (id >= IDC_TXT) {
    settings.output_mode = id - IDC_TXT + 1;
  } else if (carrier_guard_) {
    carrier_guard_ = false;
  } else {
    for (const veldor::Carrier carrier : veldor::kCarriers) {
      if (kCarrierRadios[carrier] == id) settings.company = veldor::CompanyValue(carrier);
    }
  }
}

INT_PTR CListerDlg::OnOwnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
  switch (message) {
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
      break;
    }
    case WM_PAINT:
      carrier_guard_ = false;  // and the shared painting goes on
      break;
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
