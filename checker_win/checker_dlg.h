#pragma once
// The checker's only window: template files dropped on it are checked one after the other.

#include <filesystem>
#include <vector>

#include "win_common/drop_dialog.h"

class CCheckerDlg : public veldor::win::DropDialog {
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
  void HandleDrop(std::vector<std::filesystem::path> paths) override;
};
