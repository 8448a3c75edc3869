#pragma once
// The output settings page "出力設定": the listing columns and the templates per carrier.

#include <array>
#include <optional>

#include "lister_ui/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace veldor::ui {

/// The output page "出力設定": the column flags and, for the carrier shown, the templates
/// chosen in the draft.
class CPage2 : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPage2(SheetDraft& draft, QWidget* parent = nullptr);

  void OnInitDialog() override;
  bool OnKillActive() override;

 private:
  void BuildColumnGroup();
  void BuildTemplateGroup();
  void FillList(std::optional<Carrier> carrier);
  void OnSelectionChanged();

  SheetDraft& draft_;
  std::array<QCheckBox*, kColumnCount> item_checks_{};
  QComboBox* carrier_combo_ = nullptr;
  QListWidget* template_list_ = nullptr;
};

}  // namespace veldor::ui
