#pragma once
// The extended-text pages "拡張設定1" (file names) and "拡張設定2" (folder names).

#include <functional>

#include "lister_ui/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

class QPushButton;
class QTableWidget;

namespace veldor::ui {

class CInputDlg;

/// One extended-text list of the draft as a two-column table, with the buttons that edit it.
class CTextPage : public CSheetPage {
  Q_OBJECT

 public:
  /// Shows the input dialog and says whether it closed with OK.
  using InputRunner = std::function<bool(CInputDlg&)>;

  CTextPage(SheetDraft& draft, ListKind kind, QWidget* parent = nullptr);

  /// Replaces the modal run of the input dialog (tests answer it in place).
  void SetInputRunner(InputRunner runner) { run_input_ = std::move(runner); }

  void OnInitDialog() override;

 private:
  void BuildControls();
  int SelectedRow() const;
  void ShowRows();
  void ShowRow(int row);
  /// Runs the input dialog on `input`; true, with the boxes' texts in it, after OK.
  bool RunInput(bool edit, RowInput& input);
  /// Save follows the editor's edited flag; Edit and Delete need a selected row.
  void UpdateButtons();
  void OnAdd();
  void OnEdit();
  void OnDelete();

  ListEditor& editor_;
  MessageSink& messages_;
  InputRunner run_input_;
  QTableWidget* list_view_ = nullptr;
  QPushButton* edit_button_ = nullptr;
  QPushButton* delete_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
};

/// "拡張設定1": the file-name list, replace_list.csv.
class CPage3 : public CTextPage {
 public:
  explicit CPage3(SheetDraft& draft, QWidget* parent = nullptr)
      : CTextPage(draft, ListKind::FileNames, parent) {}
};

/// "拡張設定2": the folder-name list, replace_list2.csv.
class CPage4 : public CTextPage {
 public:
  explicit CPage4(SheetDraft& draft, QWidget* parent = nullptr)
      : CTextPage(draft, ListKind::FolderNames, parent) {}
};

}  // namespace veldor::ui
