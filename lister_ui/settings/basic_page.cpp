#include "lister_ui/settings/basic_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "qt_common/native_keys.h"

namespace veldor::ui {
namespace {

// The page's three group boxes span its width.
void AddGroupBox(UnitLayout& layout, QWidget* page, const char* name, const QString& title, int y,
                 int height) {
  layout.Add(new QGroupBox(title, page), name, QRect(2, y, 205, height));
}

// A check box shows a flag as on only when it equals 1.
void SetCheck(QCheckBox* box, int flag) { box->setChecked(flag == 1); }

// A radio group checks nothing for a value outside its buttons; reading it back then
// keeps the stored value.
void SetRadio(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) button->setChecked(true);
}
void ReadRadio(const QButtonGroup* group, int& index) {
  if (group->checkedId() >= 0) index = group->checkedId();
}

}  // namespace

CPage1::CPage1(SheetDraft& draft, QWidget* parent) : CSheetPage(parent), draft_(draft) {
  setObjectName(QStringLiteral("basicPage"));
  BuildSortGroup();
  BuildOptionGroup();
  BuildFilterGroup();
  PlaceControls();
}

void CPage1::BuildSortGroup() {
  AddGroupBox(layout_, this, "sortGroup", QStringLiteral("ソート"), 5, 45);
  auto* label = layout_.Add(new QLabel(QStringLiteral("キーとして使用する項目(&K)"), this),
                            "sortKeyLabel", QRect(7, 18, 85, 8));
  // The list drops down over the page; only its closed height is a control's height.
  sort_key_combo_ = layout_.Add(new QComboBox(this), "sortKeyCombo", QRect(7, 29, 91, 12));
  sort_key_combo_->addItems({QStringLiteral("ファイル名"), QStringLiteral("ファイルサイズ"),
                             QStringLiteral("ファイル更新日付"), QStringLiteral("ファイル作成日付"),
                             QStringLiteral("パケット数"), QStringLiteral("パケット料金"),
                             QStringLiteral("拡張テキスト")});
  label->setBuddy(sort_key_combo_);
  sort_style_group_ = new QButtonGroup(this);
  auto* ascending = layout_.Add(new QRadioButton(QStringLiteral("昇順ソート[小→大](&A)"), this),
                                "ascendingRadio", QRect(112, 21, 93, 11));
  auto* descending = layout_.Add(new QRadioButton(QStringLiteral("降順ソート[大→小](&D)"), this),
                                 "descendingRadio", QRect(112, 33, 76, 11));
  sort_style_group_->addButton(ascending, 0);
  sort_style_group_->addButton(descending, 1);
  MakeNativeRadioGroup({ascending, descending});
}

void CPage1::BuildOptionGroup() {
  AddGroupBox(layout_, this, "optionGroup", QStringLiteral("出力時オプション"), 53, 51);
  over_write_check_ = layout_.Add(new QCheckBox(QStringLiteral("上書き確認をする(&S)"), this),
                                  "overWriteCheck", QRect(7, 65, 94, 10));
  print_result_check_ =
      layout_.Add(new QCheckBox(QStringLiteral("フォルダ出力結果の表示(&P)"), this),
                  "printResultCheck", QRect(7, 77, 94, 10));
  file_open_check_ = layout_.Add(new QCheckBox(QStringLiteral("出力ファイルを開く(O)"), this),
                                 "fileOpenCheck", QRect(7, 89, 78, 10));
}

void CPage1::BuildFilterGroup() {
  AddGroupBox(layout_, this, "filterGroup", QStringLiteral("処理対象とするファイル"), 109, 41);
  all_files_group_ = new QButtonGroup(this);
  auto* every = layout_.Add(new QRadioButton(QStringLiteral("すべて(&E)"), this), "allFilesRadio",
                            QRect(6, 121, 49, 11));
  auto* listed = layout_.Add(new QRadioButton(QStringLiteral("次の拡張子のみ(&N)"), this),
                             "listedExtensionsRadio", QRect(6, 135, 67, 8));
  all_files_group_->addButton(every, 0);
  all_files_group_->addButton(listed, 1);
  MakeNativeRadioGroup({every, listed});
  ext_edit_ = layout_.Add(new QLineEdit(this), "extensionsEdit", QRect(78, 132, 124, 14));
  connect(every, &QRadioButton::clicked, this, &CPage1::OnFilterClicked);
  connect(listed, &QRadioButton::clicked, this, &CPage1::OnFilterClicked);
}

void CPage1::OnInitDialog() {
  const ListingSettings& settings = draft_.settings();
  const int sort_key = settings.sort_key;
  sort_key_combo_->setCurrentIndex(sort_key >= 0 && sort_key < sort_key_combo_->count() ? sort_key
                                                                                        : -1);
  SetCheck(over_write_check_, settings.over_write);
  SetCheck(print_result_check_, settings.print_result);
  SetRadio(sort_style_group_, settings.sort_style);
  SetCheck(file_open_check_, settings.file_open);
  ext_edit_->setText(QString::fromStdString(draft_.ExtensionText()));
  SetRadio(all_files_group_, settings.all_files);
  ext_edit_->setEnabled(settings.all_files != 0);
}

void CPage1::OnFilterClicked() { ext_edit_->setEnabled(all_files_group_->checkedId() != 0); }

void CPage1::ReadControls() {
  ListingSettings& settings = draft_.settings();
  if (sort_key_combo_->currentIndex() >= 0) settings.sort_key = sort_key_combo_->currentIndex();
  settings.over_write = over_write_check_->isChecked() ? 1 : 0;
  settings.print_result = print_result_check_->isChecked() ? 1 : 0;
  ReadRadio(sort_style_group_, settings.sort_style);
  settings.file_open = file_open_check_->isChecked() ? 1 : 0;
  draft_.SetExtensionText(ext_edit_->text().toStdString());
  ReadRadio(all_files_group_, settings.all_files);
}

bool CPage1::OnKillActive() {
  ReadControls();
  const std::optional<Message> warning = draft_.ExtensionWarning();
  if (!warning) return true;
  draft_.context().messages.Show(*warning);
  ext_edit_->setFocus();
  ext_edit_->selectAll();
  return false;
}

}  // namespace veldor::ui
