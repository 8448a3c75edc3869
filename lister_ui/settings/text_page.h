#pragma once
// The extended-text pages "拡張設定1" (file names) and "拡張設定2" (folder names).

#include <functional>
#include <string>
#include <vector>

#include "lister_ui/settings/sheet_page.h"
#include "listing/lister.h"

class QPushButton;
class QTableWidget;

namespace veldor::ui {

class CInputDlg;

/// One extended-text list as an editable two-column table. The rows are the page's own
/// working copy: only a write (Save, the sheet's OK, or the question before the external
/// editor) changes the list file.
class CTextPage : public CSheetPage {
  Q_OBJECT

 public:
  /// Shows the input dialog and says whether it closed with OK.
  using InputRunner = std::function<bool(CInputDlg&)>;

  CTextPage(ListerContext& context, ListKind kind, QWidget* parent = nullptr);

  /// Replaces the modal run of the input dialog (tests answer it in place).
  void SetInputRunner(InputRunner runner) { run_input_ = std::move(runner); }
  /// 1 while the rows may differ from the list file; Save is enabled exactly then.
  int edited() const { return edited_; }
  /// The rows as (name, text) in CP932, top to bottom.
  std::vector<ReplaceRow> Rows() const;

  void OnInitDialog() override;
  /// Writes the rows, unless the page's last read failed: then the file keeps entries
  /// the page never showed, until the user saves on purpose.
  bool OnApply() override;

  int ReadListToView();
  int SaveViewToList();
  void SetEdited(int edited);
  void UpdateItemButtons();

 private:
  void BuildControls();
  int SelectedRow() const;
  void AppendRow(const ReplaceRow& row);
  bool RunInput(bool edit, QString& name, QString& text);
  void SetCell(int row, int column, const QString& shown, const std::string& bytes);
  void OnAdd();
  void OnEdit();
  void OnDoubleClick();
  void OnDelete();
  void OnExternalEditor();
  void OnReload();

  ListerContext& context_;
  ListKind kind_;
  InputRunner run_input_;
  int edited_ = 0;
  bool last_read_failed_ = false;
  QTableWidget* list_view_ = nullptr;
  QPushButton* edit_button_ = nullptr;
  QPushButton* delete_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QPushButton* reload_button_ = nullptr;
};

/// "拡張設定1": the file-name list, replace_list.csv.
class CPage3 : public CTextPage {
 public:
  explicit CPage3(ListerContext& context, QWidget* parent = nullptr)
      : CTextPage(context, ListKind::FileNames, parent) {}
};

/// "拡張設定2": the folder-name list, replace_list2.csv.
class CPage4 : public CTextPage {
 public:
  explicit CPage4(ListerContext& context, QWidget* parent = nullptr)
      : CTextPage(context, ListKind::FolderNames, parent) {}
};

}  // namespace veldor::ui
