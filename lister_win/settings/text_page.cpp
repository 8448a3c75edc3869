#include "lister_win/settings/text_page.h"

#include <commctrl.h>

#include "lister_win/resource.h"
#include "win_common/win_text.h"

namespace {

void AddColumn(HWND list, int index, const wchar_t* header, int width) {
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<wchar_t*>(header);
  ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

}  // namespace

CTextPage::CTextPage(veldor::SheetDraft& draft, veldor::ListKind kind)
    : CSheetPage(kind == veldor::ListKind::FileNames ? IDD_PAGE3 : IDD_PAGE4),
      editor_(draft.list(kind)),
      messages_(draft.context().messages),
      run_input_([](CInputDlg& dialog, HWND owner) { return dialog.DoModal(owner); }) {}

void CTextPage::OnInitDialog() {
  const HWND list = Item(IDC_LIST);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const bool files = editor_.kind() == veldor::ListKind::FileNames;
  AddColumn(list, 0, files ? L"ファイル名" : L"フォルダ名", 100);
  AddColumn(list, 1, L"対応テキスト", 159);
  editor_.Open();
  ShowRows();
  UpdateButtons();
}

void CTextPage::ShowRows() {
  ::SendMessageW(Item(IDC_LIST), LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t row = 0; row < editor_.rows().size(); ++row)
    ShowRow(static_cast<int>(row), true);
}

void CTextPage::ShowRow(int row, bool insert) {
  const veldor::ReplaceRow& shown = editor_.rows()[static_cast<std::size_t>(row)];
  const std::wstring name = veldor::win::Wide(shown.first);
  const std::wstring text = veldor::win::Wide(shown.second);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(name.c_str());
  ::SendMessageW(Item(IDC_LIST), insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                 reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 1;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(Item(IDC_LIST), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int CTextPage::SelectionMark() const {
  const HWND list = Item(IDC_LIST);
  if (::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) < 1) return -1;
  return static_cast<int>(::SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
}

void CTextPage::UpdateButtons() {
  ::EnableWindow(Item(IDC_SAVE), editor_.edited() ? TRUE : FALSE);
  const BOOL has_row = SelectionMark() >= 0 ? TRUE : FALSE;
  ::EnableWindow(Item(IDC_EDIT), has_row);
  ::EnableWindow(Item(IDC_DELETE), has_row);
}

bool CTextPage::RunInput(bool edit, veldor::RowInput& input) {
  CInputDlg dialog(editor_.InputModeFor(edit), messages_);
  dialog.name = veldor::win::WideFromUtf8(input.name);
  dialog.text = veldor::win::WideFromUtf8(input.text);
  if (!run_input_(dialog, hwnd())) return false;
  input = {veldor::win::Utf8FromWide(dialog.name), veldor::win::Utf8FromWide(dialog.text)};
  return true;
}

void CTextPage::OnAddOrEdit(bool edit) {
  const int mark = SelectionMark();
  if (edit && mark < 0) return;
  veldor::RowInput input =
      edit ? editor_.InputOf(static_cast<std::size_t>(mark)) : veldor::RowInput{};
  if (RunInput(edit, input)) {
    if (edit) {
      editor_.Edit(static_cast<std::size_t>(mark), input);
    } else {
      editor_.Add(input);
    }
    ShowRow(edit ? mark : static_cast<int>(editor_.rows().size() - 1), !edit);
  }
  UpdateButtons();
  ::SetFocus(Item(IDC_LIST));
}

void CTextPage::OnDelete() {
  const int mark = SelectionMark();
  if (mark < 0) return;
  editor_.Delete(static_cast<std::size_t>(mark));
  ::SendMessageW(Item(IDC_LIST), LVM_DELETEITEM, static_cast<WPARAM>(mark), 0);
  UpdateButtons();
}

bool CTextPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ADD:
    case IDC_EDIT:
      OnAddOrEdit(id == IDC_EDIT);
      return true;
    case IDC_DELETE:
      OnDelete();
      return true;
    case IDC_SAVE:
      editor_.Save();
      UpdateButtons();
      return true;
    case IDC_EXTERNAL:
      editor_.OpenExternally();
      UpdateButtons();
      return true;
    case IDC_RELOAD:
      if (editor_.Reload()) ShowRows();
      UpdateButtons();
      return true;
    default:
      return false;
  }
}

bool CTextPage::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_LIST) return false;
  if (header.code == NM_DBLCLK) {
    if (SelectionMark() >= 0) OnAddOrEdit(true);
    return true;
  }
  if (header.code == LVN_ITEMCHANGED) {
    UpdateButtons();
    return true;
  }
  return false;
}
