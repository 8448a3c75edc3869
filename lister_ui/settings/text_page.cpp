#include "lister_ui/settings/text_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "lister_ui/settings/input_dialog.h"
#include "qt_common/qt_text.h"

namespace veldor::ui {
namespace {

bool IsFileNames(ListKind kind) { return kind == ListKind::FileNames; }

// The buttons stand in one column beside the list.
QPushButton* AddButton(UnitLayout& layout, QWidget* page, const char* name, const char* text,
                       int y) {
  auto* button =
      layout.Add(new QPushButton(QString::fromUtf8(text), page), name, QRect(158, y, 49, 17));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CTextPage::CTextPage(SheetDraft& draft, ListKind kind, QWidget* parent)
    : CSheetPage(parent),
      editor_(draft.list(kind)),
      messages_(draft.context().messages),
      run_input_([](CInputDlg& dialog) { return dialog.exec() == QDialog::Accepted; }) {
  setObjectName(IsFileNames(kind) ? QStringLiteral("fileTextPage")
                                  : QStringLiteral("folderTextPage"));
  BuildControls();
  PlaceControls();
}

void CTextPage::BuildControls() {
  const bool files = IsFileNames(editor_.kind());
  auto* label =
      layout_.Add(new QLabel(files ? QStringLiteral("ファイル名対応 拡張テキスト設定(&T)")
                                   : QStringLiteral("フォルダ名対応 拡張テキスト設定(&T)"),
                             this),
                  "listLabel", QRect(3, 6, files ? 134 : 147, 8));
  list_view_ = layout_.Add(new QTableWidget(0, 2, this), "textListView", QRect(3, 19, 150, 130));
  list_view_->setHorizontalHeaderLabels(
      {files ? QStringLiteral("ファイル名") : QStringLiteral("フォルダ名"),
       QStringLiteral("対応テキスト")});
  label->setBuddy(list_view_);

  auto* add_button = AddButton(layout_, this, "addButton", "追加(&A)", 31);
  edit_button_ = AddButton(layout_, this, "editButton", "編集(&E)", 51);
  delete_button_ = AddButton(layout_, this, "deleteButton", "削除(&D)", 71);
  auto* editor_button = AddButton(layout_, this, "externalEditorButton", "外部エディタ(&O)", 111);
  auto* reload_button = AddButton(layout_, this, "reloadButton", "再読み込み(&R)", 131);
  save_button_ = AddButton(layout_, this, "saveButton", "設定を保存(&S)", 91);

  connect(add_button, &QPushButton::clicked, this, &CTextPage::OnAdd);
  connect(edit_button_, &QPushButton::clicked, this, &CTextPage::OnEdit);
  connect(delete_button_, &QPushButton::clicked, this, &CTextPage::OnDelete);
  connect(editor_button, &QPushButton::clicked, this, [this] {
    editor_.OpenExternally();
    UpdateButtons();
  });
  connect(reload_button, &QPushButton::clicked, this, [this] {
    if (editor_.Reload()) ShowRows();
    UpdateButtons();
  });
  connect(save_button_, &QPushButton::clicked, this, [this] {
    editor_.Save();
    UpdateButtons();
  });
  connect(list_view_, &QTableWidget::cellDoubleClicked, this, [this] {
    if (SelectedRow() >= 0) OnEdit();
  });
  connect(list_view_, &QTableWidget::itemSelectionChanged, this, &CTextPage::UpdateButtons);
}

void CTextPage::OnInitDialog() {
  list_view_->setShowGrid(true);
  list_view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_view_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_view_->setSortingEnabled(false);
  list_view_->setWordWrap(false);
  // Tab leaves the list for the next control, as from any other control of the page.
  list_view_->setTabKeyNavigation(false);
  list_view_->verticalHeader()->hide();
  // Report-view rows are one line of text high.
  list_view_->verticalHeader()->setMinimumSectionSize(1);
  list_view_->verticalHeader()->setDefaultSectionSize(list_view_->fontMetrics().height() + 2);
  QHeaderView* header = list_view_->horizontalHeader();
  header->setSectionsClickable(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setStretchLastSection(false);
  list_view_->setColumnWidth(0, 100);
  list_view_->setColumnWidth(1, 159);
  editor_.Open();
  ShowRows();
  UpdateButtons();
}

void CTextPage::ShowRows() {
  list_view_->setRowCount(0);
  for (std::size_t row = 0; row < editor_.rows().size(); ++row) {
    list_view_->insertRow(static_cast<int>(row));
    ShowRow(static_cast<int>(row));
  }
}

void CTextPage::ShowRow(int row) {
  const ReplaceRow& shown = editor_.rows()[static_cast<std::size_t>(row)];
  list_view_->setItem(row, 0, new QTableWidgetItem(ToQString(shown.first)));
  list_view_->setItem(row, 1, new QTableWidgetItem(ToQString(shown.second)));
}

int CTextPage::SelectedRow() const {
  const auto selected = list_view_->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void CTextPage::UpdateButtons() {
  save_button_->setEnabled(editor_.edited());
  const bool has_row = SelectedRow() >= 0;
  edit_button_->setEnabled(has_row);
  delete_button_->setEnabled(has_row);
}

bool CTextPage::RunInput(bool edit, RowInput& input) {
  CInputDlg dialog(editor_.InputModeFor(edit), messages_, this);
  dialog.name = QString::fromStdString(input.name);
  dialog.text = QString::fromStdString(input.text);
  if (!run_input_(dialog)) return false;
  input = {dialog.name.toStdString(), dialog.text.toStdString()};
  return true;
}

void CTextPage::OnAdd() {
  RowInput input;
  if (RunInput(false, input)) {
    editor_.Add(input);
    list_view_->insertRow(list_view_->rowCount());
    ShowRow(list_view_->rowCount() - 1);
  }
  UpdateButtons();
  list_view_->setFocus();
}

void CTextPage::OnEdit() {
  const int row = SelectedRow();
  if (row < 0) return;
  RowInput input = editor_.InputOf(static_cast<std::size_t>(row));
  if (RunInput(true, input)) {
    editor_.Edit(static_cast<std::size_t>(row), input);
    ShowRow(row);
  }
  UpdateButtons();
  list_view_->setFocus();
}

void CTextPage::OnDelete() {
  const int row = SelectedRow();
  if (row < 0) return;
  editor_.Delete(static_cast<std::size_t>(row));
  list_view_->removeRow(row);
  // The view would select the row that moved up; the deleted row's selection ends here.
  list_view_->clearSelection();
  UpdateButtons();
}

}  // namespace veldor::ui
