#pragma once
// The main window of the listing program: folders and files dropped on it are listed,
// two radio groups pick the carrier and the format, a button opens the settings sheet.

#include <QDialog>
#include <QIcon>
#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/lister_context.h"
#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "platform/shell.h"
#include "qt_common/dialog_units.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

/// The program icon in all its sizes.
QIcon ListerIcon();

class CListerDlg : public QDialog {
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

  /// Hands `paths` to the listing run as one drop, unless a drop is still running.
  void DropPaths(const std::vector<std::filesystem::path>& paths);
  /// Drops `paths` once the dialog has been shown (paths given on the command line).
  void DropWhenShown(std::vector<std::filesystem::path> paths);
  /// Shows the about box modally.
  void ShowAbout();

  veldor::ListerContext& context() { return context_; }
  /// The dialog units the dialog is laid out in.
  const veldor::ui::DialogUnits& dialog_units() const { return units_; }
  QMenu* contextMenu() const { return context_menu_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  QGroupBox* CreateRadioGroup(const QString& title, int first_slot);
  /// Widens the dialog unit where the style needs more room for a control's text.
  void FitUnits(const QLabel& hint, const QPushButton& settings);
  void PlaceRadioGroup(QGroupBox& group, const QRect& group_units, int first_slot);
  void MarkRadios();
  void OnRadioClicked(int slot);
  void OnSettingsClicked();
  /// Runs the drop from the event loop, once the current event is handled.
  void DropSoon(std::vector<std::filesystem::path> paths);

  veldor::ui::DialogUnits units_;
  std::filesystem::path program_folder_;
  veldor::Profile profile_;
  veldor::ListingSettings settings_;
  veldor::ReplaceLists lists_;
  std::unique_ptr<veldor::MessageSink> own_messages_;
  std::unique_ptr<veldor::Shell> own_shell_;
  veldor::RealFileSystem file_system_;
  veldor::ListerContext context_;

  /// Slot k (1..6) holds the radio of id 999 + k: carriers in 1..3, formats in 4..6.
  std::array<QRadioButton*, 7> radios_{};
  QMenu* context_menu_ = nullptr;
  std::vector<std::filesystem::path> paths_when_shown_;
  bool drop_running_ = false;
};
