#include "lister_ui/settings/output_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "qt_common/qt_text.h"
#include "template_rules/template_files.h"
#include "text/cp932.h"

namespace veldor::ui {
namespace {

struct ColumnCheck {
  Column column;
  const char* name;
  const char* text;
  int x, y, width;
};

// In dialog order: the tab order runs across the first row, then the second.
constexpr ColumnCheck kColumnChecks[] = {
    {Column::FileSize, "fileSizeCheck", "ファイルサイズ", 5, 15, 58},
    {Column::ModifiedDate, "modifiedDateCheck", "ファイル更新日付", 70, 15, 70},
    {Column::CreatedDate, "createdDateCheck", "ファイル作成日付", 141, 15, 60},
    {Column::PacketCount, "packetCountCheck", "パケット数", 5, 30, 55},
    {Column::PacketCharge, "packetChargeCheck", "パケット料金", 70, 30, 64},
    {Column::ExtendedText, "extendedTextCheck", "拡張テキスト", 141, 30, 50},
};

}  // namespace

CPage2::CPage2(ListerContext& context, QWidget* parent)
    : CSheetPage(parent),
      output_items(context.settings.output_items),
      carrier_index(context.settings.company - 1),
      context_(context) {
  setObjectName(QStringLiteral("outputPage"));
  BuildColumnGroup();
  BuildTemplateGroup();
  PlaceControls();
}

// The controls of a group are its children, so that the mnemonic of its title moves the
// focus to its first control.
void CPage2::BuildColumnGroup() {
  auto* group = layout_.Add(new QGroupBox(QStringLiteral("txt, csv出力設定(&T)"), this),
                            "columnGroup", QRect(2, 5, 205, 45));
  for (const ColumnCheck& column : kColumnChecks) {
    item_checks_[static_cast<std::size_t>(column.column)] =
        layout_.Add(new QCheckBox(QString::fromUtf8(column.text), group), column.name,
                    QRect(column.x, column.y, column.width, 15));
  }
}

void CPage2::BuildTemplateGroup() {
  auto* group = layout_.Add(new QGroupBox(QStringLiteral("html出力設定(&H)"), this),
                            "templateGroup", QRect(2, 56, 205, 94));
  carrier_combo_ = layout_.Add(new QComboBox(group), "carrierCombo", QRect(6, 66, 98, 12));
  carrier_combo_->addItems(
      {QStringLiteral("docomo"), QStringLiteral("Vodafone"), QStringLiteral("au")});
  template_list_ = layout_.Add(new QListWidget(group), "templateList", QRect(6, 80, 98, 65));
  template_list_->setSelectionMode(QAbstractItemView::MultiSelection);
  auto* note = layout_.Add(
      new QLabel(QStringLiteral("テンプレートファイルを\n携帯電話会社別に\n設定できます。\n\n"
                                "詳しい内容については\nヘルプをご覧ください。"),
                 group),
      "templateNoteLabel", QRect(122, 81, 75, 55));
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  connect(carrier_combo_, &QComboBox::currentIndexChanged, this, &CPage2::OnCarrierChanged);
  connect(template_list_, &QListWidget::itemSelectionChanged, this, &CPage2::OnSelectionChanged);
}

void CPage2::OnInitDialog() {
  {
    const QSignalBlocker blocker(carrier_combo_);
    carrier_combo_->setCurrentIndex(carrier_index >= 0 && carrier_index < 3 ? carrier_index : -1);
  }
  for (std::size_t i = 0; i < kColumnCount; ++i) item_checks_[i]->setChecked(output_items[i] == 1);
  for (const int carrier : kCarriers) {
    working_lists_[static_cast<std::size_t>(carrier - 1)] =
        context_.settings.templates[static_cast<std::size_t>(carrier)];
  }
  FillList(context_.settings.company);
}

void CPage2::FillList(int carrier) {
  const QSignalBlocker blocker(template_list_);
  template_list_->clear();
  const std::string_view folder_name = CarrierName(carrier);
  if (folder_name.empty()) return;
  const auto folder = context_.program_folder / "template" / Cp932ToPath(folder_name);
  const auto& chosen = working_list(carrier);
  for (const std::string& name : FindTemplateFiles(context_.file_system, folder)) {
    auto* item = new QListWidgetItem(ToQString(name), template_list_);
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    item->setSelected(std::find(chosen.begin(), chosen.end(), name) != chosen.end());
  }
}

void CPage2::OnCarrierChanged(int index) {
  if (index >= 0) FillList(index + 1);
}

void CPage2::OnSelectionChanged() {
  const int index = carrier_combo_->currentIndex();
  if (index < 0) return;
  auto& chosen = working_lists_[static_cast<std::size_t>(index)];
  chosen.clear();
  for (int row = 0; row < template_list_->count(); ++row) {
    const QListWidgetItem* item = template_list_->item(row);
    if (item->isSelected()) chosen.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
  }
}

bool CPage2::OnKillActive() {
  if (carrier_combo_->currentIndex() >= 0) carrier_index = carrier_combo_->currentIndex();
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    output_items[i] = item_checks_[i]->isChecked() ? 1 : 0;
  }
  return true;
}

bool CPage2::OnApply() {
  for (const int carrier : kCarriers) {
    if (!working_list(carrier).empty()) continue;
    const Message question{"確認",
                           std::string(CarrierName(carrier)) +
                               "用のテンプレートが設定されていません。\r\n"
                               "このままではhtml出力が利用できませんが、よろしいですか？",
                           Icon::Question, Buttons::OkCancel, true};
    if (context_.messages.Show(question) != Answer::Ok) return false;
  }
  for (const int carrier : kCarriers) {
    context_.settings.templates[static_cast<std::size_t>(carrier)] = working_list(carrier);
  }
  return true;
}

}  // namespace veldor::ui
