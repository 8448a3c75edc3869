#include "qt_common/drop_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <utility>

#include "qt_common/context_menu.h"
#include "qt_common/desktop_program.h"
#include "qt_common/dialog_font.h"
#include "qt_common/drop_paths.h"
#include "qt_common/qt_message_sink.h"

namespace veldor::ui {
namespace {

MessageSink& Pick(MessageSink* given, std::unique_ptr<MessageSink>& own, QWidget* owner) {
  if (given != nullptr) return *given;
  own = std::make_unique<QtMessageSink>(owner);
  return *own;
}

}  // namespace

DropWindow::DropWindow(MessageSink* messages)
    : QDialog(nullptr, kDialogFrame),
      layout_(DialogFont()),
      messages_(Pick(messages, own_messages_, this)) {
  setFont(DialogFont());
  setAcceptDrops(true);
}

DropWindow::~DropWindow() = default;

void DropWindow::CreateContextMenu(const QString& about_text) {
  QAction* about = nullptr;
  context_menu_ = CreateDialogContextMenu(*this, about_text, &about);
  connect(about, &QAction::triggered, this, &DropWindow::ShowAbout);
}

void DropWindow::DropPaths(const std::vector<std::filesystem::path>& paths) {
  if (drop_running_ || paths.empty()) return;
  drop_running_ = true;
  HandleDrop(paths);
  drop_running_ = false;
}

void DropWindow::DropWhenShown(std::vector<std::filesystem::path> paths) {
  if (isVisible()) {
    DropSoon(std::move(paths));
  } else {
    paths_when_shown_ = std::move(paths);
  }
}

void DropWindow::DropSoon(std::vector<std::filesystem::path> paths) {
  QTimer::singleShot(0, this, [this, paths = std::move(paths)] { DropPaths(paths); });
}

void DropWindow::dragEnterEvent(QDragEnterEvent* event) {
  // While a drop's messages are open, a further drop is refused rather than interleaved.
  if (!drop_running_ && HasLocalPaths(*event->mimeData())) event->acceptProposedAction();
}

void DropWindow::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> paths = LocalPaths(*event->mimeData());
  if (paths.empty() || drop_running_) return;
  event->acceptProposedAction();
  // The drop shows modal boxes; it runs after the drop event is finished so that the file
  // manager the paths came from is not kept waiting for the end of the drag.
  DropSoon(std::move(paths));
}

void DropWindow::contextMenuEvent(QContextMenuEvent* event) {
  context_menu_->exec(event->globalPos());
}

void DropWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::ShiftModifier) {
    QDialog::keyPressEvent(event);
    return;
  }
  const QWidget* at = focusWidget() != nullptr ? focusWidget() : this;
  context_menu_->exec(at->mapToGlobal(at->rect().center()));
}

void DropWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!paths_when_shown_.empty()) DropSoon(std::exchange(paths_when_shown_, {}));
}

}  // namespace veldor::ui
