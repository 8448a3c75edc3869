#include "lister_ui/settings/input_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"
#include "qt_common/qt_text.h"
#include "text/cp932.h"

namespace veldor::ui {

CInputDlg::CInputDlg(int dialog_mode, QWidget* parent) : QDialog(parent), mode(dialog_mode) {
  setObjectName(QStringLiteral("inputDialog"));
  setWindowTitle(QStringLiteral("入力"));
  setFont(DialogFont());
  const DialogUnits units(font());
  setFixedSize(units.ToPixelsX(195), units.ToPixelsY(75));

  name_label_ = new QLabel(QStringLiteral("ファイル名(&F)"), this);
  name_label_->setObjectName(QStringLiteral("nameLabel_1015"));
  PlaceWidget(*name_label_, units, QRect(7, 14, 46, 10));
  name_edit_ = new QLineEdit(this);
  name_edit_->setObjectName(QStringLiteral("nameEdit_1016"));
  PlaceWidget(*name_edit_, units, QRect(59, 11, 129, 13));
  name_label_->setBuddy(name_edit_);
  auto* text_label = new QLabel(QStringLiteral("対応テキスト(&T)"), this);
  text_label->setObjectName(QStringLiteral("textLabel"));
  PlaceWidget(*text_label, units, QRect(7, 32, 49, 10));
  text_edit_ = new QLineEdit(this);
  text_edit_->setObjectName(QStringLiteral("textEdit_1017"));
  PlaceWidget(*text_edit_, units, QRect(59, 30, 129, 13));
  text_label->setBuddy(text_edit_);

  ok_button_ = new QPushButton(QStringLiteral("OK"), this);
  ok_button_->setObjectName(QStringLiteral("okButton"));
  ok_button_->setDefault(true);
  PlaceWidget(*ok_button_, units, QRect(84, 54, 50, 14));
  auto* cancel_button = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancel_button->setObjectName(QStringLiteral("cancelButton"));
  PlaceWidget(*cancel_button, units, QRect(138, 54, 50, 14));

  connect(ok_button_, &QPushButton::clicked, this, &CInputDlg::accept);
  connect(cancel_button, &QPushButton::clicked, this, &CInputDlg::reject);
  connect(name_edit_, &QLineEdit::textChanged, this, &CInputDlg::UpdateOk);
  connect(text_edit_, &QLineEdit::textChanged, this, &CInputDlg::UpdateOk);
}

void CInputDlg::showEvent(QShowEvent* event) {
  if (!initialised_) {
    initialised_ = true;
    name_edit_->setText(name);
    text_edit_->setText(text);
    if (mode == 3 || mode == 4) name_label_->setText(QStringLiteral("フォルダ名(&F)"));
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
  name = name_edit_->text();
  text = text_edit_->text();
  QDialog::accept();
}

}  // namespace veldor::ui
