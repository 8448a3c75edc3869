#pragma once
// The input dialog "入力" that asks for the name and the text of one extended-text row.

#include <QDialog>
#include <QString>

#include "qt_common/unit_layout.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace veldor::ui {

/// Dialog 103. Modes: 1 adds and 2 edits a file-name row, 3 adds and 4 edits a
/// folder-name row; the mode only chooses the name label.
class CInputDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CInputDlg(int mode, QWidget* parent = nullptr);

  int mode;
  QString name;  ///< put into the name box when shown; the box's text after OK
  QString text;  ///< put into the text box when shown; the box's text after OK

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

  UnitLayout layout_;
  QLabel* name_label_ = nullptr;
  QLineEdit* name_edit_ = nullptr;
  QLineEdit* text_edit_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  bool initialised_ = false;
};

}  // namespace veldor::ui
