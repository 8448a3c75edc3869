#include "lister_ui/settings/output_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <utility>

#include "qt_common/qt_text.h"

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

CPage2::CPage2(SheetDraft& draft, QWidget* parent) : CSheetPage(parent), draft_(draft) {
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
  for (const Carrier carrier : kCarriers)
    carrier_combo_->addItem(QString::fromUtf8(CarrierName(carrier)));
  template_list_ = layout_.Add(new QListWidget(group), "templateList", QRect(6, 80, 98, 65));
  template_list_->setSelectionMode(QAbstractItemView::MultiSelection);
  auto* note = layout_.Add(
      new QLabel(QStringLiteral("テンプレートファイルを\n携帯電話会社別に\n設定できます。\n\n"
                                "詳しい内容については\nヘルプをご覧ください。"),
                 group),
      "templateNoteLabel", QRect(122, 81, 75, 55));
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  connect(carrier_combo_, &QComboBox::currentIndexChanged, this,
          [this](int position) { FillList(SheetDraft::CarrierAt(position)); });
  connect(template_list_, &QListWidget::itemSelectionChanged, this, &CPage2::OnSelectionChanged);
}

void CPage2::OnInitDialog() {
  draft_.OpenOutput();
  {
    const QSignalBlocker blocker(carrier_combo_);
    carrier_combo_->setCurrentIndex(draft_.CarrierPosition());
  }
  const ListingSettings& settings = draft_.settings();
  for (std::size_t i = 0; i < kColumnCount; ++i)
    item_checks_[i]->setChecked(settings.output_items[i] == 1);
  FillList(SheetDraft::CarrierAt(draft_.CarrierPosition()));
}

void CPage2::FillList(std::optional<Carrier> carrier) {
  const QSignalBlocker blocker(template_list_);
  template_list_->clear();
  if (!carrier) return;
  for (const std::string& name : draft_.TemplateFiles(*carrier)) {
    auto* item = new QListWidgetItem(ToQString(name), template_list_);
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    item->setSelected(draft_.IsChosen(*carrier, name));
  }
}

void CPage2::OnSelectionChanged() {
  const std::optional<Carrier> carrier = SheetDraft::CarrierAt(carrier_combo_->currentIndex());
  if (!carrier) return;
  std::vector<std::string> chosen;
  for (int row = 0; row < template_list_->count(); ++row) {
    const QListWidgetItem* item = template_list_->item(row);
    if (item->isSelected()) chosen.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
  }
  draft_.Choose(*carrier, std::move(chosen));
}

bool CPage2::OnKillActive() {
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    draft_.settings().output_items[i] = item_checks_[i]->isChecked() ? 1 : 0;
  }
  return true;
}

}  // namespace veldor::ui
