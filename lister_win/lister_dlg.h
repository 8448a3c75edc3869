#pragma once
// The main window of the listing program: folders and files dropped on it are listed,
// two radio groups pick the carrier and the format, a button opens the settings sheet.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "listing/lister.h"
#include "platform/shell.h"
#include "win_common/drop_dialog.h"

class CListerDlg : public veldor::win::DropDialog {
 public:
  /// Works on `program_folder` (quorsel.ini, the list files, help.html, template/).
  /// Messages go to `messages` and files are opened through `shell`; when they are null,
  /// message boxes owned by the dialog and the desktop are used. `paths` (the command
  /// line) are listed as a first drop once the dialog is up.
  CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages = nullptr,
             veldor::Shell* shell = nullptr, std::vector<std::filesystem::path> paths = {});

  /// Runs the dialog until it is closed.
  INT_PTR DoModal() { return RunModal(nullptr, kResource); }
  /// Creates it without waiting, for tests.
  HWND CreateModeless() { return Create(nullptr, kResource); }

  /// What the dialog works with, once it is up.
  veldor::ListerContext& context() { return lister_->context(); }

  static constexpr UINT kResource = 102;

 protected:
  void HandleDrop(std::vector<std::filesystem::path> paths) override;
  BOOL OnInitDialog() override;
  INT_PTR OnOwnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) override;

 private:
  void MarkRadios();
  void OnRadio(int id);

  std::filesystem::path program_folder_;
  std::unique_ptr<veldor::Shell> own_shell_;
  veldor::Shell& shell_;
  /// Started when the dialog is initialised, so that its messages have the dialog as owner.
  std::optional<veldor::Lister> lister_;
  /// Set until the dialog first paints: the carrier click that the dialog's first focus
  /// makes on a radio button must not change the stored carrier.
  bool carrier_guard_ = true;
};
