#include "lister_win/settings/basic_page.h"

#include "lister_win/resource.h"
#include "win_common/dialog.h"
#include "win_common/win_text.h"

namespace {

constexpr const wchar_t* kSortKeys[] = {L"ファイル名",       L"ファイルサイズ", L"ファイル更新日付",
                                        L"ファイル作成日付", L"パケット数",     L"パケット料金",
                                        L"拡張テキスト"};

// A check box shows a flag as on only when it equals 1.
void SetCheck(HWND page, int id, int flag) {
  ::CheckDlgButton(page, id, flag == 1 ? BST_CHECKED : BST_UNCHECKED);
}

// A radio pair checks nothing for a value outside it; reading it back then keeps the
// stored value.
void SetRadio(HWND page, int first, int index) {
  if (index == 0 || index == 1) ::CheckRadioButton(page, first, first + 1, first + index);
}
void ReadRadio(HWND page, int first, int& index) {
  for (int i = 0; i < 2; ++i) {
    if (::IsDlgButtonChecked(page, first + i) == BST_CHECKED) index = i;
  }
}

}  // namespace

CPage1::CPage1(veldor::SheetDraft& draft) : CSheetPage(IDD_PAGE1), draft_(draft) {}

void CPage1::OnInitDialog() {
  const veldor::ListingSettings& settings = draft_.settings();
  for (const wchar_t* key : kSortKeys) {
    ::SendMessageW(Item(IDC_SORT_KEY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key));
  }
  ::SendMessageW(Item(IDC_SORT_KEY), CB_SETCURSEL, static_cast<WPARAM>(settings.sort_key), 0);
  SetCheck(hwnd(), IDC_OVER_WRITE, settings.over_write);
  SetCheck(hwnd(), IDC_PRINT_RESULT, settings.print_result);
  SetRadio(hwnd(), IDC_ASCENDING, settings.sort_style);
  SetCheck(hwnd(), IDC_FILE_OPEN, settings.file_open);
  ::SetDlgItemTextW(hwnd(), IDC_EXTENSIONS,
                    veldor::win::WideFromUtf8(draft_.ExtensionText()).c_str());
  SetRadio(hwnd(), IDC_ALL_FILES, settings.all_files);
  ::EnableWindow(Item(IDC_EXTENSIONS), settings.all_files != 0 ? TRUE : FALSE);
}

bool CPage1::OnCommand(int id, int code) {
  if ((id != IDC_ALL_FILES && id != IDC_LISTED_ONLY) || code != BN_CLICKED) return false;
  ::EnableWindow(Item(IDC_EXTENSIONS), id == IDC_LISTED_ONLY ? TRUE : FALSE);
  return true;
}

bool CPage1::OnKillActive() {
  veldor::ListingSettings& settings = draft_.settings();
  const auto index = ::SendMessageW(Item(IDC_SORT_KEY), CB_GETCURSEL, 0, 0);
  if (index != CB_ERR) settings.sort_key = static_cast<int>(index);
  settings.over_write = Checked(IDC_OVER_WRITE) ? 1 : 0;
  settings.print_result = Checked(IDC_PRINT_RESULT) ? 1 : 0;
  ReadRadio(hwnd(), IDC_ASCENDING, settings.sort_style);
  settings.file_open = Checked(IDC_FILE_OPEN) ? 1 : 0;
  draft_.SetExtensionText(veldor::win::Utf8FromWide(veldor::win::WindowText(Item(IDC_EXTENSIONS))));
  ReadRadio(hwnd(), IDC_ALL_FILES, settings.all_files);
  const std::optional<veldor::Message> warning = draft_.ExtensionWarning();
  if (!warning) return true;
  draft_.context().messages.Show(*warning);
  ::SetFocus(Item(IDC_EXTENSIONS));
  ::SendMessageW(Item(IDC_EXTENSIONS), EM_SETSEL, 0, -1);
  return false;
}
