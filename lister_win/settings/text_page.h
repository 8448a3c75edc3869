#pragma once
// The extended-text pages "拡張設定1" (file names) and "拡張設定2" (folder names).

#include <functional>

#include "lister_win/settings/input_dialog.h"
#include "lister_win/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

/// One extended-text list of the draft as a two-column list view, with the buttons that
/// edit it.
class CTextPage : public CSheetPage {
 public:
  /// Shows the input dialog over `owner` and says whether it closed with OK.
  using InputRunner = std::function<bool(CInputDlg&, HWND owner)>;

  CTextPage(veldor::SheetDraft& draft, veldor::ListKind kind);
  /// Replaces the modal run of the input dialog (tests answer it in place).
  void SetInputRunner(InputRunner runner) { run_input_ = std::move(runner); }

 protected:
  void OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnNotify(const NMHDR& header) override;

 private:
  int SelectionMark() const;
  void ShowRows();
  void ShowRow(int row, bool insert);
  /// Runs the input dialog on `input`; true, with the boxes' texts in it, after OK.
  bool RunInput(bool edit, veldor::RowInput& input);
  /// Save follows the editor's edited flag; Edit and Delete need a selected row.
  void UpdateButtons();
  void OnAddOrEdit(bool edit);
  void OnDelete();

  veldor::ListEditor& editor_;
  veldor::MessageSink& messages_;
  InputRunner run_input_;
};

/// "拡張設定1": the file-name list, replace_list.csv.
class CPage3 : public CTextPage {
 public:
  explicit CPage3(veldor::SheetDraft& draft) : CTextPage(draft, veldor::ListKind::FileNames) {}
};

/// "拡張設定2": the folder-name list, replace_list2.csv.
class CPage4 : public CTextPage {
 public:
  explicit CPage4(veldor::SheetDraft& draft) : CTextPage(draft, veldor::ListKind::FolderNames) {}
};
