#pragma once
// The checker's only window: template files dropped on it are checked one after the other.

#include <filesystem>
#include <vector>

#include "platform/messages.h"
#include "win_common/dialog.h"
#include "win_common/message_box_sink.h"

class CCheckerDlg : public veldor::win::Dialog {
 public:
  /// Messages go to `messages`; when it is null, to message boxes owned by the dialog.
  /// `paths` (the command line) are checked as a first drop once the dialog is up.
  explicit CCheckerDlg(veldor::MessageSink* messages = nullptr,
                       std::vector<std::filesystem::path> paths = {});

  /// Runs the dialog until it is closed.
  INT_PTR DoModal() { return RunModal(nullptr, kResource); }
  /// Creates it without waiting, for tests.
  HWND CreateModeless() { return Create(nullptr, kResource); }

  static constexpr UINT kResource = 102;

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

 private:
  veldor::win::MessageBoxSink boxes_;
  veldor::MessageSink& messages_;
  std::vector<std::filesystem::path> first_drop_;
};
