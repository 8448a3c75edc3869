#pragma once
// The output settings page "出力設定": the listing columns and the templates per carrier.

#include <optional>
#include <string>
#include <vector>

#include "lister_win/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

/// The output page "出力設定": the column flags and, for the carrier shown, the templates
/// chosen in the draft.
class CPage2 : public CSheetPage {
 public:
  explicit CPage2(veldor::SheetDraft& draft);

 protected:
  void OnInitDialog() override;
  bool OnKillActive() override;
  bool OnCommand(int id, int code) override;

 private:
  std::optional<veldor::Carrier> ShownCarrier() const;
  void FillList(std::optional<veldor::Carrier> carrier);
  void OnSelectionChanged();

  veldor::SheetDraft& draft_;
  std::vector<std::string> listed_;  ///< the list box's names, by item data
};
