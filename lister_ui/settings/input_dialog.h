#pragma once
// The input dialog "入力" that asks for the name and the text of one extended-text row.

#include <QDialog>
#include <QString>

#include "platform/messages.h"
#include "qt_common/unit_layout.h"
#include "settings_sheet/input_check.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace veldor::ui {

/// Asks for a row to add or for the new values of a row being edited.
class CInputDlg : public QDialog {
  Q_OBJECT

 public:
  using Mode = InputMode;

  /// `messages` shows why OK keeps the dialog open.
  CInputDlg(Mode mode, MessageSink& messages, QWidget* parent = nullptr);

  Mode mode;
  QString name;  ///< put into the name box when shown; the box's text after OK
  QString text;  ///< put into the text box when shown; the box's text after OK

  /// Closes with OK when both boxes pass the input check; otherwise shows its message and
  /// keeps the dialog open with the focus in that box.
  void accept() override;
  /// The dialog units the dialog is laid out in.
  const DialogUnits& dialog_units() const { return layout_.units(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  /// A label and, beside it, its edit box.
  QLabel* AddRow(const QString& label_text, const char* label_name, const QRect& label_units,
                 const char* edit_name, int edit_top, QLineEdit*& edit);
  void UpdateOk();

  MessageSink& messages_;
  UnitLayout layout_;
  QLabel* name_label_ = nullptr;
  QLineEdit* name_edit_ = nullptr;
  QLineEdit* text_edit_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  bool initialised_ = false;
};

}  // namespace veldor::ui
