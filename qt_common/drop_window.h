#pragma once
// The main window of either desktop program: a fixed dialog that takes dropped files and
// folders, and the paths of the command line once it is shown.

#include <QDialog>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/messages.h"
#include "qt_common/unit_layout.h"

class QMenu;

namespace veldor::ui {

/// Runs one drop at a time: a drop that comes while another one's messages are open is
/// refused. The program's window adds its controls to `layout_` and handles the drops.
class DropWindow : public QDialog {
  Q_OBJECT

 public:
  /// Messages go to `messages`; when it is null, to message boxes owned by the window.
  explicit DropWindow(MessageSink* messages);
  ~DropWindow() override;

  /// Handles `paths` as one drop, unless a drop is still running.
  void DropPaths(const std::vector<std::filesystem::path>& paths);
  /// Drops `paths` once the window has been shown (paths given on the command line).
  void DropWhenShown(std::vector<std::filesystem::path> paths);
  /// Shows the program's about box modally.
  virtual void ShowAbout() = 0;

  MessageSink& messages() { return messages_; }
  /// The dialog units the window is laid out in.
  const DialogUnits& dialog_units() const { return layout_.units(); }
  QMenu* contextMenu() const { return context_menu_; }

 protected:
  /// Handles one drop of local files and folders, in the drop's order.
  virtual void HandleDrop(const std::vector<std::filesystem::path>& paths) = 0;
  /// The context menu: close, then the about entry `about_text`, which calls ShowAbout.
  void CreateContextMenu(const QString& about_text);

  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  /// Shift+F10 opens the context menu as the Menu key does: many keyboards have none.
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

  UnitLayout layout_;

 private:
  /// Runs the drop from the event loop, once the current event is handled.
  void DropSoon(std::vector<std::filesystem::path> paths);

  std::unique_ptr<MessageSink> own_messages_;
  MessageSink& messages_;
  QMenu* context_menu_ = nullptr;
  std::vector<std::filesystem::path> paths_when_shown_;
  bool drop_running_ = false;
};

}  // namespace veldor::ui
