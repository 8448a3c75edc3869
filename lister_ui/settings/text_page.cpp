#include "lister_ui/settings/text_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "lister_ui/settings/input_dialog.h"
#include "qt_common/qt_text.h"
#include "text/cp932.h"

namespace veldor::ui {
namespace {

constexpr int kBytesRole = Qt::UserRole;

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

CTextPage::CTextPage(ListerContext& context, ListKind kind, QWidget* parent)
    : CSheetPage(parent),
      context_(context),
      kind_(kind),
      run_input_([](CInputDlg& dialog) { return dialog.exec() == QDialog::Accepted; }) {
  setObjectName(IsFileNames(kind) ? QStringLiteral("fileTextPage")
                                  : QStringLiteral("folderTextPage"));
  BuildControls();
  PlaceControls();
}

void CTextPage::BuildControls() {
  const bool files = IsFileNames(kind_);
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
  reload_button_ = AddButton(layout_, this, "reloadButton", "再読み込み(&R)", 131);
  save_button_ = AddButton(layout_, this, "saveButton", "設定を保存(&S)", 91);

  connect(add_button, &QPushButton::clicked, this, &CTextPage::OnAdd);
  connect(edit_button_, &QPushButton::clicked, this, &CTextPage::OnEdit);
  connect(delete_button_, &QPushButton::clicked, this, &CTextPage::OnDelete);
  connect(editor_button, &QPushButton::clicked, this, &CTextPage::OnExternalEditor);
  connect(reload_button_, &QPushButton::clicked, this, &CTextPage::OnReload);
  connect(save_button_, &QPushButton::clicked, this, &CTextPage::SaveViewToList);
  connect(list_view_, &QTableWidget::cellDoubleClicked, this, &CTextPage::OnDoubleClick);
  connect(list_view_, &QTableWidget::itemSelectionChanged, this, &CTextPage::UpdateItemButtons);
}

void CTextPage::OnInitDialog() {
  list_view_->setShowGrid(true);
  list_view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_view_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_view_->setSortingEnabled(false);
  list_view_->setWordWrap(false);
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
  // Save stays enabled until the first read has shown what the file holds.
  edited_ = 1;
  save_button_->setEnabled(true);
  ReadListToView();
  UpdateItemButtons();
}

std::vector<ReplaceRow> CTextPage::Rows() const {
  std::vector<ReplaceRow> rows;
  for (int row = 0; row < list_view_->rowCount(); ++row) {
    rows.emplace_back(list_view_->item(row, 0)->data(kBytesRole).toByteArray().toStdString(),
                      list_view_->item(row, 1)->data(kBytesRole).toByteArray().toStdString());
  }
  return rows;
}

void CTextPage::SetCell(int row, int column, const QString& shown, const std::string& bytes) {
  auto* item = new QTableWidgetItem(shown);
  // The file's own bytes are kept beside the shown text, so that a row the user did not
  // change is written back exactly as it was read.
  item->setData(kBytesRole, QByteArray::fromStdString(bytes));
  list_view_->setItem(row, column, item);
}

void CTextPage::AppendRow(const ReplaceRow& row) {
  const int index = list_view_->rowCount();
  list_view_->insertRow(index);
  SetCell(index, 0, ToQString(row.first), row.first);
  SetCell(index, 1, ToQString(row.second), row.second);
}

int CTextPage::ReadListToView() {
  if (!context_.lists.LoadReplaceList(kind_)) {
    last_read_failed_ = true;
    context_.messages.Show(ReplaceListMessage(kind_, ListMessage::PageReadError));
    return -1;
  }
  last_read_failed_ = false;
  const ReplaceList& list = context_.lists.list(kind_);
  for (std::size_t i = 0; i < list.size(); ++i)
    AppendRow({std::string(list.name(i)), std::string(list.text(i))});
  SetEdited(0);
  return 0;
}

int CTextPage::SaveViewToList() {
  if (!context_.lists.WriteReplaceList(kind_, Rows())) {
    context_.messages.Show(ReplaceListMessage(kind_, ListMessage::PageWriteError));
    return -1;
  }
  // The file now holds what the page shows, so the sheet's OK may write it again.
  last_read_failed_ = false;
  SetEdited(0);
  return 0;
}

bool CTextPage::OnApply() {
  if (last_read_failed_) return true;
  return SaveViewToList() == 0;
}

void CTextPage::SetEdited(int edited) {
  if (edited == edited_) return;
  edited_ = edited;
  save_button_->setEnabled(edited == 1);
}

int CTextPage::SelectedRow() const {
  const auto selected = list_view_->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void CTextPage::UpdateItemButtons() {
  const bool has_row = SelectedRow() >= 0;
  edit_button_->setEnabled(has_row);
  delete_button_->setEnabled(has_row);
}

bool CTextPage::RunInput(bool edit, QString& name, QString& text) {
  using Mode = CInputDlg::Mode;
  const bool files = IsFileNames(kind_);
  CInputDlg dialog(edit ? (files ? Mode::EditFileName : Mode::EditFolderName)
                        : (files ? Mode::AddFileName : Mode::AddFolderName),
                   context_.messages, this);
  dialog.name = name;
  dialog.text = text;
  if (!run_input_(dialog)) return false;
  name = dialog.name;
  text = dialog.text;
  return true;
}

void CTextPage::OnAdd() {
  QString name;
  QString text;
  if (RunInput(false, name, text)) {
    AppendRow({ToCp932(name), ToCp932(text)});
    SetEdited(1);
  }
  UpdateItemButtons();
  list_view_->setFocus();
}

void CTextPage::OnEdit() {
  const int row = SelectedRow();
  if (row < 0) return;
  const QString old_name = list_view_->item(row, 0)->text();
  const QString old_text = list_view_->item(row, 1)->text();
  QString name = old_name;
  QString text = old_text;
  if (RunInput(true, name, text)) {
    const auto keep_or_convert = [&](int column, const QString& shown, const QString& old) {
      SetCell(row, column, shown,
              shown == old
                  ? list_view_->item(row, column)->data(kBytesRole).toByteArray().toStdString()
                  : ToCp932(shown));
    };
    keep_or_convert(0, name, old_name);
    keep_or_convert(1, text, old_text);
    SetEdited(1);
  }
  UpdateItemButtons();
  list_view_->setFocus();
}

void CTextPage::OnDoubleClick() {
  if (SelectedRow() >= 0) OnEdit();
}

void CTextPage::OnDelete() {
  const int row = SelectedRow();
  if (row < 0) return;
  list_view_->removeRow(row);
  // The view would select the row that moved up; the deleted row's selection ends here.
  list_view_->clearSelection();
  SetEdited(1);
  UpdateItemButtons();
}

void CTextPage::OnExternalEditor() {
  if (edited_ == 1) {
    const Message question{"確認",
                           "リストは編集されています。\r\n"
                           "同期を取るために内容を保存しますか？",
                           Icon::Question, Buttons::YesNo, false};
    // A failed save has shown its message; the editor opens the file all the same.
    if (context_.messages.Show(question) == Answer::Yes) SaveViewToList();
  }
  context_.shell.OpenFile(context_.lists.FilePath(kind_));
}

void CTextPage::OnReload() {
  if (edited_ == 1) {
    const Message question{"確認", "保存された状態を読み込みます。\r\nよろしいですか？",
                           Icon::Question, Buttons::OkCancel, false};
    if (context_.messages.Show(question) != Answer::Ok) return;
  }
  list_view_->setRowCount(0);
  ReadListToView();
  UpdateItemButtons();
}

}  // namespace veldor::ui
