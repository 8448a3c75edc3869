#pragma once
// Helpers for the Qt tests: drops as a file manager sends them, modal windows driven from
// inside their own event loop, the recording message fake with a check for unscripted
// questions, and screenshots.

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/shell.h"
#include "qt_common/qt_text.h"
#include "support/recording_messages.h"

namespace veldor::testing {

/// RecordingMessages that remembers a question it had no answer for, so that a Qt test
/// can fail on it.
class QtRecordingMessages : public RecordingMessages {
 public:
  Answer Show(const Message& message) override {
    if (message.buttons != Buttons::Ok && UnusedAnswers() == 0) unscripted = true;
    return RecordingMessages::Show(message);
  }
  bool unscripted = false;
};

/// A shell that only records what it was asked to open.
class RecordingShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path& file) override { opened.push_back(file); }
  void StartProgram(const std::filesystem::path& program, const std::string&) override {
    opened.push_back(program);
  }
  std::vector<std::filesystem::path> opened;
};

/// Drags `paths` over `target` and drops them there. Returns false when the dialog
/// refused the drag.
inline bool DropOn(QWidget& target, const std::vector<std::filesystem::path>& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const auto& path : paths) urls.append(QUrl::fromLocalFile(ui::PathToQString(path)));
  data.setUrls(urls);
  const QPoint at = target.rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &drop);
  return drop.isAccepted();
}

/// Calls `handle` with the first modal window that comes up; it must close that window.
/// Polls from a timer so that it runs inside the modal window's own event loop.
inline void WhenModalShown(std::function<void(QWidget&)> handle) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, handle] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    handle(*modal);
  });
  timer->start();
}

/// Where screenshots go: the folder named by VELDOR_DOC_IMAGES (to refresh the pictures
/// of the documentation), else the temporary folder.
inline QString ScreenshotPath(const QString& name) {
  const QString folder = qEnvironmentVariable("VELDOR_DOC_IMAGES", QDir::tempPath());
  return QDir(folder).filePath(name);
}

}  // namespace veldor::testing
