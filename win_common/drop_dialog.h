#pragma once
// What both programs' main dialogs share: files dropped on them, the about entry of the
// system menu and its box, the program icon, texts fitted to the font, the minimised
// painting, Esc and the close box ending the dialog, and the command line's paths handled
// as a first drop once the dialog is up.

#include <filesystem>
#include <vector>

#include "platform/messages.h"
#include "win_common/dialog.h"
#include "win_common/message_box_sink.h"

namespace veldor::win {

/// The paths named on the program's command line ("Send to", a drop on its icon), made
/// absolute against the folder it was started in.
std::vector<std::filesystem::path> CommandLinePaths();

class DropDialog : public Dialog {
 public:
  /// Messages go to `messages`; when it is null, to message boxes owned by the dialog.
  /// `about_text` is the about entry's string, `about_box` the about dialog.
  DropDialog(MessageSink* messages, UINT about_text, UINT about_box,
             std::vector<std::filesystem::path> first_drop);

 protected:
  /// One drop's paths, in the order of the drop.
  virtual void HandleDrop(std::vector<std::filesystem::path> paths) = 0;
  /// The program's own part of the initialisation, after the shared one; what it returns
  /// is the answer to WM_INITDIALOG.
  virtual BOOL OnInitDialog() { return TRUE; }
  /// Every message is offered here first; `handled` false passes it to the shared part.
  virtual INT_PTR OnOwnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return FALSE;
  }
  MessageSink& messages() { return messages_; }

 private:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) final;

  MessageBoxSink boxes_;
  MessageSink& messages_;
  UINT about_text_;
  UINT about_box_;
  std::vector<std::filesystem::path> first_drop_;
};

}  // namespace veldor::win
