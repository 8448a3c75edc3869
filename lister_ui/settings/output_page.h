#pragma once
// The output settings page "出力設定": the listing columns and the templates per carrier.

#include <array>
#include <string>
#include <vector>

#include "lister_ui/settings/sheet_page.h"
#include "listing/lister.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace veldor::ui {

/// The output page "出力設定". The column flags go back to the settings through the sheet's caller;
/// the template lists are stored by the page itself when the sheet is accepted.
class CPage2 : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPage2(ListerContext& context, QWidget* parent = nullptr);

  /// The column flags, indexed by Column like `ListingSettings::output_items`.
  std::array<int, kColumnCount> output_items;
  /// The carrier shown: `company` - 1 at the start.
  int carrier_index;
  /// The template names chosen per carrier (docomo, Vodafone, au), CP932.
  const std::vector<std::string>& working_list(int carrier) const {
    return working_lists_[static_cast<std::size_t>(carrier - 1)];
  }

  void OnInitDialog() override;
  bool OnKillActive() override;
  /// Asks for each carrier without a template; the first Cancel refuses.
  bool OnApply() override;

 private:
  void BuildColumnGroup();
  void BuildTemplateGroup();
  void FillList(int carrier);
  void OnCarrierChanged(int index);
  void OnSelectionChanged();

  ListerContext& context_;
  std::array<std::vector<std::string>, 3> working_lists_;
  std::array<QCheckBox*, kColumnCount> item_checks_{};
  QComboBox* carrier_combo_ = nullptr;
  QListWidget* template_list_ = nullptr;
};

}  // namespace veldor::ui
