#include "lister_ui/settings/input_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt_common/dialog_font.h"

namespace veldor::ui {

CInputDlg::CInputDlg(Mode dialog_mode, MessageSink& messages, QWidget* parent)
    : QDialog(parent), mode(dialog_mode), messages_(messages), layout_(DialogFont()) {
  setObjectName(QStringLiteral("inputDialog"));
  setWindowTitle(QStringLiteral("入力"));
  setFont(DialogFont());
  name_label_ = AddRow(QStringLiteral("ファイル名(&F)"), "nameLabel", QRect(7, 14, 46, 10),
                       "nameEdit", 11, name_edit_);
  AddRow(QStringLiteral("対応テキスト(&T)"), "textLabel", QRect(7, 32, 49, 10), "textEdit", 30,
         text_edit_);
  ok_button_ =
      layout_.Add(new QPushButton(QStringLiteral("OK"), this), "okButton", QRect(84, 54, 50, 14));
  ok_button_->setDefault(true);
  auto* cancel_button = layout_.Add(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cancelButton",
                                    QRect(138, 54, 50, 14));
  // "フォルダ名(&F)", put in when shown, is as wide as the name label fitted here.
  layout_.Place(*this, QSize(195, 75));

  connect(ok_button_, &QPushButton::clicked, this, &CInputDlg::accept);
  connect(cancel_button, &QPushButton::clicked, this, &CInputDlg::reject);
  connect(name_edit_, &QLineEdit::textChanged, this, &CInputDlg::UpdateOk);
  connect(text_edit_, &QLineEdit::textChanged, this, &CInputDlg::UpdateOk);
}

QLabel* CInputDlg::AddRow(const QString& label_text, const char* label_name,
                          const QRect& label_units, const char* edit_name, int edit_top,
                          QLineEdit*& edit) {
  auto* label = layout_.Add(new QLabel(label_text, this), label_name, label_units);
  edit = layout_.Add(new QLineEdit(this), edit_name, QRect(59, edit_top, 129, 13));
  label->setBuddy(edit);
  return label;
}

void CInputDlg::showEvent(QShowEvent* event) {
  if (!initialised_) {
    initialised_ = true;
    name_edit_->setText(name);
    text_edit_->setText(text);
    if (AsksForFolderName(mode)) name_label_->setText(QStringLiteral("フォルダ名(&F)"));
    // The name, first to get the focus, is selected: typing replaces it.
    name_edit_->selectAll();
    UpdateOk();
  }
  QDialog::showEvent(event);
}

void CInputDlg::UpdateOk() {
  ok_button_->setEnabled(!name_edit_->text().isEmpty() && !text_edit_->text().isEmpty());
}

void CInputDlg::accept() {
  // Whatever closes the dialog with OK, a row needs both a name and a text.
  if (!ok_button_->isEnabled()) return;
  for (QLineEdit* edit : {name_edit_, text_edit_}) {
    const std::optional<Message> refusal = CheckInputText(edit->text().toStdString());
    if (!refusal) continue;
    messages_.Show(*refusal);
    edit->setFocus();
    return;
  }
  name = name_edit_->text();
  text = text_edit_->text();
  QDialog::accept();
}

}  // namespace veldor::ui
