#pragma once
// The checker's only window: template files dropped on it are checked one after the other.

#include "qt_common/drop_window.h"

class CCheckerDlg : public veldor::ui::DropWindow {
  Q_OBJECT

 public:
  /// Messages go to `messages`; when it is null, to message boxes owned by the dialog.
  explicit CCheckerDlg(veldor::MessageSink* messages = nullptr);

  void ShowAbout() override;

 protected:
  /// Checks each of `paths` in order.
  void HandleDrop(const std::vector<std::filesystem::path>& paths) override;
};
