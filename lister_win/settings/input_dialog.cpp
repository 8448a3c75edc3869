#include "lister_win/settings/input_dialog.h"

#include "lister_win/resource.h"
#include "win_common/win_text.h"

bool CInputDlg::DoModal(HWND owner) { return RunModal(owner, IDD_INPUT) == IDOK; }

HWND CInputDlg::CreateModeless(HWND owner) { return Create(owner, IDD_INPUT); }

INT_PTR CInputDlg::OnMessage(UINT message, WPARAM wparam, LPARAM, bool& handled) {
  switch (message) {
    case WM_INITDIALOG: {
      ::SetDlgItemTextW(hwnd(), IDC_NAME, name.c_str());
      ::SetDlgItemTextW(hwnd(), IDC_TEXT, text.c_str());
      ::SetDlgItemTextW(hwnd(), IDC_NAME_LABEL,
                        veldor::AsksForFolderName(mode) ? L"フォルダ名(&F)" : L"ファイル名(&F)");
      UpdateOk();
      veldor::win::FitTexts(hwnd(), true);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_NAME:
        case IDC_TEXT:
          if (HIWORD(wparam) == EN_CHANGE) UpdateOk();
          return TRUE;
        case IDOK:
          OnOk();
          return TRUE;
        case IDCANCEL:
          ::EndDialog(hwnd(), IDCANCEL);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  handled = false;
  return FALSE;
}

// OK needs a character in each box; blanks count.
void CInputDlg::UpdateOk() {
  const bool filled = ::GetWindowTextLengthW(::GetDlgItem(hwnd(), IDC_NAME)) > 0 &&
                      ::GetWindowTextLengthW(::GetDlgItem(hwnd(), IDC_TEXT)) > 0;
  ::EnableWindow(::GetDlgItem(hwnd(), IDOK), filled ? TRUE : FALSE);
}

void CInputDlg::OnOk() {
  if (!::IsWindowEnabled(::GetDlgItem(hwnd(), IDOK))) return;  // Enter with a box empty
  for (const int id : {IDC_NAME, IDC_TEXT}) {
    const std::optional<veldor::Message> refusal = veldor::CheckInputText(
        veldor::win::Utf8FromWide(veldor::win::WindowText(::GetDlgItem(hwnd(), id))));
    if (!refusal) continue;
    messages_.Show(*refusal);
    ::SetFocus(::GetDlgItem(hwnd(), id));
    return;
  }
  name = veldor::win::WindowText(::GetDlgItem(hwnd(), IDC_NAME));
  text = veldor::win::WindowText(::GetDlgItem(hwnd(), IDC_TEXT));
  ::EndDialog(hwnd(), IDOK);
}
