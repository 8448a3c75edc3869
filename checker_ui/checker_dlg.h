#pragma once
// The checker's only window: template files dropped on it are checked one after the other.

#include <QDialog>
#include <QIcon>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/messages.h"
#include "qt_common/dialog_units.h"

class QMenu;

/// The checker's icon in all its sizes.
QIcon CheckerIcon();

class CCheckerDlg : public QDialog {
  Q_OBJECT

 public:
  /// Messages go to `messages`; when it is null, to message boxes owned by the dialog.
  explicit CCheckerDlg(veldor::MessageSink* messages = nullptr);
  ~CCheckerDlg() override;

  /// Checks each of `paths` in order, unless a drop is still being checked.
  void DropPaths(const std::vector<std::filesystem::path>& paths);
  /// Drops `paths` once the dialog has been shown (paths given on the command line).
  void DropWhenShown(std::vector<std::filesystem::path> paths);
  /// Shows the about box modally.
  void ShowAbout();

  QMenu* contextMenu() const { return context_menu_; }
  /// The dialog units the dialog is laid out in.
  const veldor::ui::DialogUnits& dialog_units() const { return units_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void DropSoon(std::vector<std::filesystem::path> paths);

  veldor::ui::DialogUnits units_;
  std::unique_ptr<veldor::MessageSink> own_messages_;
  veldor::MessageSink& messages_;
  QMenu* context_menu_ = nullptr;
  std::vector<std::filesystem::path> paths_when_shown_;
  bool drop_running_ = false;
};
