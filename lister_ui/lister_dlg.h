#pragma once
// The main window of the listing program: folders and files dropped on it are listed,
// two radio groups pick the carrier and the format, a button opens the settings sheet.

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/lister_context.h"
#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/shell.h"
#include "qt_common/drop_window.h"

class QRadioButton;

class CListerDlg : public veldor::ui::DropWindow {
  Q_OBJECT

 public:
  /// Starts up on `program_folder` (quorsel.ini, the list files, help.html, template/):
  /// finds the browser, loads the settings and marks the radios, then loads the lists.
  /// Messages go to `messages` and files are opened through `shell`; when they are null,
  /// the dialog's own message boxes and the desktop are used.
  explicit CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages = nullptr,
                      veldor::Shell* shell = nullptr);
  /// Saves the settings: the only time the settings file is written.
  ~CListerDlg() override;

  void ShowAbout() override;
  veldor::ListerContext& context() { return context_; }

 protected:
  /// Hands `paths` to the listing run as one drop.
  void HandleDrop(const std::vector<std::filesystem::path>& paths) override;

 private:
  void CreateControls();
  void CreateRadioGroup(const QString& title, const char* name, const QRect& units, int first_slot);
  void MarkRadios();
  void OnRadioClicked(int slot);
  void OnSettingsClicked();

  std::filesystem::path program_folder_;
  veldor::Profile profile_;
  veldor::ListingSettings settings_;
  veldor::ReplaceLists lists_;
  std::unique_ptr<veldor::Shell> own_shell_;
  veldor::RealFileSystem file_system_;
  veldor::ListerContext context_;

  /// Slot k (1..6): the carriers in 1..3, the formats in 4..6; slot 0 is unused.
  std::array<QRadioButton*, 7> radios_{};
};
