#pragma once
// The settings sheet "VELDOR" and its four pages: 基本設定, 出力設定, 拡張設定1 and 拡張設定2.

#include "lister_win/settings/basic_page.h"
#include "lister_win/settings/output_page.h"
#include "lister_win/settings/text_page.h"
#include "listing/lister.h"
#include "settings_sheet/sheet_draft.h"

/// The system's property sheet over a draft of the settings and lists: it creates a page
/// the first time its tab is shown, asks the page being left, and on OK asks the page on
/// view, then applies the draft (Cancel drops it).
class CPSeet {
 public:
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

  veldor::SheetDraft draft_;
  CPage1 page1_;
  CPage2 page2_;
  CPage3 page3_;
  CPage4 page4_;
  bool accepted_ = false;
};
