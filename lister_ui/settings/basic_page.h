#pragma once
// The basic settings page "基本設定": sort key and direction, output options, file filter.

#include "lister_ui/settings/sheet_page.h"
#include "settings_sheet/sheet_draft.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace veldor::ui {

/// The basic page "基本設定": its controls load from the draft and store into it each time
/// the user leaves the page or presses OK on it.
class CPage1 : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPage1(SheetDraft& draft, QWidget* parent = nullptr);

  void OnInitDialog() override;
  /// Stores the controls; the draft's warning about the extension text keeps the user here.
  bool OnKillActive() override;

 private:
  void BuildSortGroup();
  void BuildOptionGroup();
  void BuildFilterGroup();
  void ReadControls();
  void OnFilterClicked();

  SheetDraft& draft_;
  QComboBox* sort_key_combo_ = nullptr;
  QButtonGroup* sort_style_group_ = nullptr;
  QCheckBox* over_write_check_ = nullptr;
  QCheckBox* print_result_check_ = nullptr;
  QCheckBox* file_open_check_ = nullptr;
  QButtonGroup* all_files_group_ = nullptr;
  QLineEdit* ext_edit_ = nullptr;
};

}  // namespace veldor::ui
