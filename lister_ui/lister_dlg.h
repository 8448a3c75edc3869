#pragma once
// The main window of the listing program: folders and files dropped on it are listed,
// two radio groups pick the carrier and the format, a button opens the settings sheet.

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "listing/lister.h"
#include "platform/shell.h"
#include "qt_common/drop_window.h"

class QRadioButton;

class CListerDlg : public veldor::ui::DropWindow {
  Q_OBJECT

 public:
  /// Starts up on `program_folder` (quorsel.ini, the list files, help.html, template/)
  /// and marks the radios of the loaded settings.
  /// Messages go to `messages` and files are opened through `shell`; when they are null,
  /// the dialog's own message boxes and the desktop are used.
  explicit CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages = nullptr,
                      veldor::Shell* shell = nullptr);
  /// Saves the settings: the only time the settings file is written.
  ~CListerDlg() override;

  void ShowAbout() override;
  veldor::ListerContext& context() { return lister_.context(); }

 protected:
  /// Hands `paths` to the listing run as one drop.
  void HandleDrop(const std::vector<std::filesystem::path>& paths) override;

 private:
  void CreateControls();
  /// The group's three radios, laid out from kRadios[first] on.
  std::array<QRadioButton*, 3> CreateRadioGroup(const QString& title, const char* name,
                                                const QRect& units, std::size_t first);
  void MarkRadios();
  void OnSettingsClicked();

  std::unique_ptr<veldor::Shell> own_shell_;
  veldor::Lister lister_;
  veldor::ListingSettings& settings_;

  veldor::PerCarrier<QRadioButton*> carrier_radios_{};
  /// txt, csv, html: output_mode 1..3.
  std::array<QRadioButton*, 3> format_radios_{};
};
