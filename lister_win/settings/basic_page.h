#pragma once
// The basic settings page "基本設定": sort key and direction, output options, file filter.

#include "lister_win/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

/// The basic page "基本設定": its controls load from the draft and store into it each time
/// the user leaves the page or presses OK on it.
class CPage1 : public CSheetPage {
 public:
  explicit CPage1(veldor::SheetDraft& draft);

 protected:
  void OnInitDialog() override;
  /// Stores the controls; the draft's warning about the extension text keeps the user here.
  bool OnKillActive() override;
  /// The sheet always creates this page and sends it OK first: it applies the whole draft.
  bool OnApply() override { return draft_.Apply(); }
  bool OnCommand(int id, int code) override;

 private:
  veldor::SheetDraft& draft_;
};
