// 拡張設定1 and 拡張設定2: an extended-text list as an editable two-column table.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "lister_win/resource.h"
#include "lister_win/sheet.h"
#include "text/cp932.h"
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

veldor::Message Question(const char* text, veldor::Buttons buttons) {
  return veldor::Message{"確認", text, veldor::Icon::Question, buttons, false};
}

}  // namespace

CTextPage::CTextPage(veldor::ListerContext& context, veldor::ListKind kind)
    : CSheetPage(kind == veldor::ListKind::FileNames ? IDD_PAGE3 : IDD_PAGE4),
      context_(context),
      kind_(kind),
      run_input_([](CInputDlg& dialog, HWND owner) { return dialog.DoModal(owner); }) {}

void CTextPage::OnInitDialog() {
  const HWND list = Item(IDC_LIST);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  AddColumn(list, 0, kind_ == veldor::ListKind::FileNames ? L"ファイル名" : L"フォルダ名", 100);
  AddColumn(list, 1, L"対応テキスト", 159);
  // Save starts enabled, as the resource has it; a good read disables it.
  edited_ = 1;
  ReadListToView();
  UpdateItemButtons();
}

void CTextPage::ShowRow(int row, bool insert) {
  const std::wstring name = veldor::win::Wide(rows_[static_cast<std::size_t>(row)].first);
  const std::wstring text = veldor::win::Wide(rows_[static_cast<std::size_t>(row)].second);
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

int CTextPage::ReadListToView() {
  if (!context_.lists.LoadReplaceList(kind_)) {
    last_read_failed_ = true;
    context_.messages.Show(ReplaceListMessage(kind_, veldor::ListMessage::PageReadError));
    return -1;
  }
  last_read_failed_ = false;
  const veldor::ReplaceList& list = context_.lists.list(kind_);
  for (std::size_t i = 0; i < list.size(); ++i) {
    rows_.emplace_back(list.name(i), list.text(i));
    ShowRow(static_cast<int>(rows_.size() - 1), true);
  }
  SetEdited(0);
  return 0;
}

int CTextPage::SaveViewToList() {
  if (!context_.lists.WriteReplaceList(kind_, rows_)) {
    context_.messages.Show(ReplaceListMessage(kind_, veldor::ListMessage::PageWriteError));
    return -1;
  }
  // The file now holds what the page shows, so the sheet's OK may write it again.
  last_read_failed_ = false;
  SetEdited(0);
  return 0;
}

bool CTextPage::OnApply() { return last_read_failed_ || SaveViewToList() == 0; }

void CTextPage::SetEdited(int edited) {
  if (edited == edited_) return;
  edited_ = edited;
  ::EnableWindow(Item(IDC_SAVE), edited == 1 ? TRUE : FALSE);
}

int CTextPage::SelectionMark() const {
  const HWND list = Item(IDC_LIST);
  if (::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) < 1) return -1;
  return static_cast<int>(::SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
}

void CTextPage::UpdateItemButtons() {
  const BOOL has_row = SelectionMark() >= 0 ? TRUE : FALSE;
  ::EnableWindow(Item(IDC_EDIT), has_row);
  ::EnableWindow(Item(IDC_DELETE), has_row);
}

bool CTextPage::RunInput(bool edit, veldor::ReplaceRow& row) {
  using Mode = CInputDlg::Mode;
  const bool files = kind_ == veldor::ListKind::FileNames;
  CInputDlg dialog(edit ? (files ? Mode::EditFileName : Mode::EditFolderName)
                        : (files ? Mode::AddFileName : Mode::AddFolderName),
                   context_.messages);
  dialog.name = veldor::win::Wide(row.first);
  dialog.text = veldor::win::Wide(row.second);
  if (!run_input_(dialog, hwnd())) return false;
  // A box the user left as it was keeps the file's own bytes.
  if (dialog.name != veldor::win::Wide(row.first))
    row.first = veldor::win::Cp932FromWide(dialog.name);
  if (dialog.text != veldor::win::Wide(row.second)) {
    row.second = veldor::win::Cp932FromWide(dialog.text);
  }
  return true;
}

void CTextPage::OnAddOrEdit(bool edit) {
  const int mark = SelectionMark();
  if (edit && mark < 0) return;
  veldor::ReplaceRow row = edit ? rows_[static_cast<std::size_t>(mark)] : veldor::ReplaceRow{};
  if (RunInput(edit, row)) {
    if (edit) {
      rows_[static_cast<std::size_t>(mark)] = std::move(row);
    } else {
      rows_.push_back(std::move(row));
    }
    ShowRow(edit ? mark : static_cast<int>(rows_.size() - 1), !edit);
    SetEdited(1);
  }
  UpdateItemButtons();
  ::SetFocus(Item(IDC_LIST));
}

void CTextPage::OnDelete() {
  const int mark = SelectionMark();
  if (mark < 0) return;
  rows_.erase(rows_.begin() + mark);
  ::SendMessageW(Item(IDC_LIST), LVM_DELETEITEM, static_cast<WPARAM>(mark), 0);
  SetEdited(1);
  UpdateItemButtons();
}

void CTextPage::OnExternalEditor() {
  // A failed save has shown its message; the editor opens the file all the same.
  if (edited_ == 1 && context_.messages.Show(Question(
                          "リストは編集されています。\r\n同期を取るために内容を保存しますか？",
                          veldor::Buttons::YesNo)) == veldor::Answer::Yes) {
    SaveViewToList();
  }
  context_.shell.OpenFile(context_.lists.FilePath(kind_));
}

void CTextPage::OnReload() {
  if (edited_ == 1 &&
      context_.messages.Show(Question("保存された状態を読み込みます。\r\nよろしいですか？",
                                      veldor::Buttons::OkCancel)) != veldor::Answer::Ok) {
    return;
  }
  rows_.clear();
  ::SendMessageW(Item(IDC_LIST), LVM_DELETEALLITEMS, 0, 0);
  ReadListToView();
  UpdateItemButtons();
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
      SaveViewToList();
      return true;
    case IDC_EXTERNAL:
      OnExternalEditor();
      return true;
    case IDC_RELOAD:
      OnReload();
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
    UpdateItemButtons();
    return true;
  }
  return false;
}
