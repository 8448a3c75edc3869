#pragma once
// What the settings sheet asks of each of its pages.

#include <windows.h>
// After windows.h, which it needs.
#include <prsht.h>

/// One tab of the settings sheet, a page of the system's property sheet: the sheet creates
/// it the first time its tab is shown and asks it to store its controls before the user
/// leaves it or presses OK.
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
  /// Loads the controls from the draft; runs once, when the page is first shown.
  virtual void OnInitDialog() {}
  /// Stores the controls into the draft; false keeps the user on the page.
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
