#pragma once
// The basic settings page "基本設定": sort key and direction, output options, file filter.

#include <string>

#include "engine/settings.h"
#include "lister_ui/settings/sheet_page.h"
#include "platform/messages.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace veldor::ui {

/// The basic page "基本設定". The fields are copies of the settings made when the page is built;
/// they follow the controls each time the user leaves the page or presses OK on it.
class CPage1 : public CSheetPage {
  Q_OBJECT

 public:
  CPage1(const ListingSettings& settings, MessageSink& messages, QWidget* parent = nullptr);

  int sort_key;
  int over_write;
  int print_result;
  int sort_style;
  int file_open;
  std::string ext_strings;  ///< CP932, the stored form: every extension and one blank
  int all_files;

  void OnInitDialog() override;
  /// Refuses an extension text without any ".", whichever filter is chosen.
  bool OnKillActive() override;

 private:
  void BuildSortGroup();
  void BuildOptionGroup();
  void BuildFilterGroup();
  void ReadControls();
  void OnFilterClicked();

  MessageSink& messages_;
  QComboBox* sort_key_combo_ = nullptr;
  QButtonGroup* sort_style_group_ = nullptr;
  QCheckBox* over_write_check_ = nullptr;
  QCheckBox* print_result_check_ = nullptr;
  QCheckBox* file_open_check_ = nullptr;
  QButtonGroup* all_files_group_ = nullptr;
  QLineEdit* ext_edit_ = nullptr;
};

}  // namespace veldor::ui
