#pragma once
// The settings sheet "VELDOR" and its four pages: 基本設定, 出力設定, 拡張設定1 and 拡張設定2.
// The sheet is the system's property sheet: it creates a page the first time its tab is
// shown, asks the page being left, and on OK applies every page it created, in order.

#include <windows.h>
// After windows.h, which it needs.
#include <prsht.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/replace_list.h"
#include "lister_win/input_dlg.h"
#include "listing/lister.h"

/// One tab of the settings sheet.
class CSheetPage {
 public:
  explicit CSheetPage(UINT resource) : resource_(resource) {}
  virtual ~CSheetPage() = default;
  CSheetPage(const CSheetPage&) = delete;
  CSheetPage& operator=(const CSheetPage&) = delete;

  /// The page as the sheet creates it; `accepted` learns each apply's outcome.
  PROPSHEETPAGEW Page(bool* accepted);
  /// The page's window, once the sheet has created it (its tab has been shown).
  HWND hwnd() const { return hwnd_; }

 protected:
  /// Puts the fields into the controls; runs once, when the page is first shown.
  virtual void OnInitDialog() {}
  /// Reads the controls back into the fields; false keeps the user on the page.
  virtual bool OnKillActive() { return true; }
  /// Called on OK for every created page, in page order; false keeps the sheet open.
  virtual bool OnApply() { return true; }
  /// A control's command or notification; true when handled.
  virtual bool OnCommand(int, int) { return false; }
  virtual bool OnNotify(const NMHDR&) { return false; }

  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  bool Checked(int id) const { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  UINT resource_;
  bool* accepted_ = nullptr;
  HWND hwnd_ = nullptr;
};

/// 基本設定: sort key and direction, output options, the file filter.
class CPage1 : public CSheetPage {
 public:
  CPage1(const veldor::ListingSettings& settings, veldor::MessageSink& messages);

  // The fields, copied from the settings when the page is built.
  int sort_key, over_write, print_result, sort_style, file_open;
  std::string ext_strings;  ///< CP932, as FormatExtensionList gives it
  int all_files;

 protected:
  void OnInitDialog() override;
  bool OnKillActive() override;
  bool OnCommand(int id, int code) override;

 private:
  veldor::MessageSink& messages_;
};

/// 出力設定: the listings' optional columns and each carrier's templates.
class CPage2 : public CSheetPage {
 public:
  explicit CPage2(veldor::ListerContext& context);

  std::array<int, veldor::kColumnCount> output_items;  ///< indexed by Column, as in the settings

 protected:
  void OnInitDialog() override;
  bool OnKillActive() override;
  bool OnApply() override;
  bool OnCommand(int id, int code) override;

 private:
  void FillTemplates(int company);
  void StoreSelection();

  veldor::ListerContext& context_;
  std::array<std::vector<std::string>, 4> working_;  ///< by carrier 1..3, as in the settings
  std::vector<std::string> listed_;                  ///< the list box's names, by item data
};

/// 拡張設定1 and 拡張設定2: one extended-text list as an editable two-column table. The rows
/// are the page's own working copy: only a write (Save, the sheet's OK, or the question
/// before the external editor) changes the list file.
class CTextPage : public CSheetPage {
 public:
  /// Shows the input dialog over `owner` and says whether it closed with OK.
  using InputRunner = std::function<bool(CInputDlg&, HWND owner)>;

  CTextPage(veldor::ListerContext& context, veldor::ListKind kind);
  void SetInputRunner(InputRunner runner) { run_input_ = std::move(runner); }

  int edited() const { return edited_; }
  const std::vector<veldor::ReplaceRow>& rows() const { return rows_; }

 protected:
  void OnInitDialog() override;
  /// Writes the rows, unless the page's last read failed: then the file keeps entries
  /// the page never showed, until the user saves on purpose.
  bool OnApply() override;
  bool OnCommand(int id, int code) override;
  bool OnNotify(const NMHDR& header) override;

 private:
  int ReadListToView();
  int SaveViewToList();
  void SetEdited(int edited);
  void UpdateItemButtons();
  int SelectionMark() const;
  void ShowRow(int row, bool insert);
  bool RunInput(bool edit, veldor::ReplaceRow& row);
  void OnAddOrEdit(bool edit);
  void OnDelete();
  void OnExternalEditor();
  void OnReload();

  veldor::ListerContext& context_;
  veldor::ListKind kind_;
  InputRunner run_input_;
  std::vector<veldor::ReplaceRow> rows_;  ///< the list view's rows, in CP932
  int edited_ = 0;
  bool last_read_failed_ = false;
};

class CPSeet {
 public:
  /// The pages take their values from `context` now.
  explicit CPSeet(veldor::ListerContext& context);

  /// Runs the sheet over `owner`; true when it closed with OK.
  bool DoModal(HWND owner);
  /// Creates it without waiting, for tests; `accepted()` tells how OK went.
  HWND CreateModeless(HWND owner);
  bool accepted() const { return accepted_; }

  CPage1& page1() { return page1_; }
  CPage2& page2() { return page2_; }
  CTextPage& page3() { return page3_; }
  CTextPage& page4() { return page4_; }

 private:
  INT_PTR Run(HWND owner, bool modeless);

  CPage1 page1_;
  CPage2 page2_;
  CTextPage page3_, page4_;
  bool accepted_ = false;
};

/// Copies what the pages hold for the settings (not the template lists and the extended
/// texts, which their pages store themselves) into `settings`.
void StoreSheetValues(CPSeet& sheet, veldor::ListingSettings& settings);
/// The settings button: runs the sheet and, after OK, stores its values in the settings.
bool RunSettingsSheet(HWND owner, veldor::ListerContext& context);
