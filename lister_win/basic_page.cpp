// 基本設定: sort key and direction, output options and the file filter.
#include "lister_win/resource.h"
#include "lister_win/sheet.h"
#include "text/cp932.h"
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

CPage1::CPage1(const veldor::ListingSettings& settings, veldor::MessageSink& messages)
    : CSheetPage(IDD_PAGE1),
      sort_key(settings.sort_key),
      over_write(settings.over_write),
      print_result(settings.print_result),
      sort_style(settings.sort_style),
      file_open(settings.file_open),
      ext_strings(veldor::FormatExtensionList(settings.extensions)),
      all_files(settings.all_files),
      messages_(messages) {}

void CPage1::OnInitDialog() {
  for (const wchar_t* key : kSortKeys) {
    ::SendMessageW(Item(IDC_SORT_KEY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key));
  }
  ::SendMessageW(Item(IDC_SORT_KEY), CB_SETCURSEL, static_cast<WPARAM>(sort_key), 0);
  SetCheck(hwnd(), IDC_OVER_WRITE, over_write);
  SetCheck(hwnd(), IDC_PRINT_RESULT, print_result);
  SetRadio(hwnd(), IDC_ASCENDING, sort_style);
  SetCheck(hwnd(), IDC_FILE_OPEN, file_open);
  ::SetDlgItemTextW(hwnd(), IDC_EXTENSIONS, veldor::win::Wide(ext_strings).c_str());
  SetRadio(hwnd(), IDC_ALL_FILES, all_files);
  ::EnableWindow(Item(IDC_EXTENSIONS), all_files != 0 ? TRUE : FALSE);
}

bool CPage1::OnCommand(int id, int code) {
  if ((id != IDC_ALL_FILES && id != IDC_LISTED_ONLY) || code != BN_CLICKED) return false;
  ::EnableWindow(Item(IDC_EXTENSIONS), id == IDC_LISTED_ONLY ? TRUE : FALSE);
  return true;
}

bool CPage1::OnKillActive() {
  const auto index = ::SendMessageW(Item(IDC_SORT_KEY), CB_GETCURSEL, 0, 0);
  if (index != CB_ERR) sort_key = static_cast<int>(index);
  over_write = Checked(IDC_OVER_WRITE) ? 1 : 0;
  print_result = Checked(IDC_PRINT_RESULT) ? 1 : 0;
  ReadRadio(hwnd(), IDC_ASCENDING, sort_style);
  file_open = Checked(IDC_FILE_OPEN) ? 1 : 0;
  const std::wstring text = veldor::win::WindowText(Item(IDC_EXTENSIONS));
  // The text as it was loaded stays byte for byte while the user leaves it alone.
  if (text != veldor::win::Wide(ext_strings)) ext_strings = veldor::win::Cp932FromWide(text);
  ReadRadio(hwnd(), IDC_ALL_FILES, all_files);
  if (ext_strings.find('.') != std::string::npos) return true;
  messages_.Show(veldor::Message{"警告",
                                 "拡張子の設定が正しく設定されていません。\r\n確認してください。",
                                 veldor::Icon::Exclamation, veldor::Buttons::Ok, false});
  ::SetFocus(Item(IDC_EXTENSIONS));
  ::SendMessageW(Item(IDC_EXTENSIONS), EM_SETSEL, 0, -1);
  return false;
}
