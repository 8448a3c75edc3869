#pragma once
// The input dialog "入力" that asks for the name and the text of one extended-text row.

#include <string>

#include "platform/messages.h"
#include "settings_sheet/input_check.h"
#include "win_common/dialog.h"

class CInputDlg : public veldor::win::Dialog {
 public:
  using Mode = veldor::InputMode;

  /// `messages` shows why OK keeps the dialog open.
  CInputDlg(Mode dialog_mode, veldor::MessageSink& messages)
      : mode(dialog_mode), messages_(messages) {}

  /// Runs the dialog over `owner`; true when it closed with OK.
  bool DoModal(HWND owner);
  /// Creates it without waiting, for tests.
  HWND CreateModeless(HWND owner);

  Mode mode;
  std::wstring name;  ///< put into the name box when shown; the box's text after OK
  std::wstring text;  ///< put into the text box when shown; the box's text after OK

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

 private:
  void UpdateOk();
  /// Takes the boxes' texts and closes with OK, unless the input check refuses a box: then
  /// shows its message and keeps the dialog open with the focus in that box.
  void OnOk();

  veldor::MessageSink& messages_;
};
