#pragma once
// Helpers for the Qt tests: drops as a file manager sends them, modal windows driven from
// inside their own event loop, the recording message fake with a check for unscripted
// questions, texts cut off, the about boxes, and screenshots.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "qt_common/about_box.h"
#include "qt_common/qt_text.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"

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

/// Shows `window` and waits until it is on the screen.
inline void ShowAndWait(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

/// A program started in `folder` with the command-line `arguments`, which it takes relative
/// to that folder; the test then goes back to where it was, as the program leaves for its
/// own folder at start-up.
template <typename App>
App StartedIn(const std::filesystem::path& folder, const QStringList& arguments) {
  const QString started_in = QDir::currentPath();
  QDir::setCurrent(ui::PathToQString(folder));
  App app(arguments);
  QDir::setCurrent(started_in);
  return app;
}

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

/// Renders `window` and saves the picture as the screenshot `name`; false when either fails.
inline bool SaveScreenshot(QWidget& window, const QString& name) {
  const QImage image = window.grab().toImage();
  return !image.isNull() && image.save(ScreenshotPath(name));
}

/// The object names of the visible controls of `window` that cut their text off (a push
/// button, label, check box or radio narrower than its text, a label lower than its lines)
/// or reach out of the window. Empty when everything can be read.
inline QStringList TextsCutOff(QWidget& window) {
  QStringList cut_off;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (qobject_cast<QMenu*>(child) != nullptr || !child->isVisibleTo(&window)) continue;
    const QRect in_window(child->mapTo(&window, QPoint(0, 0)), child->size());
    bool fits = window.rect().contains(in_window);
    if (auto* button = qobject_cast<QPushButton*>(child)) {
      const QString text = button->text().remove(QLatin1Char('&'));
      fits = fits && button->fontMetrics().horizontalAdvance(text) < button->width();
    } else if (qobject_cast<QLabel*>(child) != nullptr) {
      fits = fits && child->sizeHint().width() <= child->width() &&
             child->sizeHint().height() <= child->height();
    } else if (qobject_cast<QAbstractButton*>(child) != nullptr) {
      fits = fits && child->sizeHint().width() <= child->width();
    }
    if (!fits) cut_off << child->objectName();
  }
  return cut_off;
}

/// What the about box opened from a main window's context menu showed.
struct AboutSeen {
  QStringList menu;  ///< the texts of the context menu's entries, "" for a separator
  QString title;
  QString version;
  QSize size;           ///< pixels, as rendered
  QSize expected_size;  ///< the box's size in dialog units, in its own units' pixels
  QStringList cut_off;  ///< TextsCutOff of the box
  bool text_clear_of_ok = false;
};

/// Opens the about box through the last entry of `menu`, records what it shows, saves it as
/// the screenshot `screenshot` and closes it with Esc.
inline AboutSeen OpenAboutBox(QMenu& menu, const QSize& size_units, const QString& screenshot) {
  AboutSeen seen;
  for (const QAction* action : menu.actions()) seen.menu << action->text();
  WhenModalShown([&](QWidget& about) {
    seen.title = about.windowTitle();
    const auto* version = about.findChild<QLabel*>(QStringLiteral("versionLabel"));
    seen.version = version->text();
    seen.size = about.grab().size();
    seen.expected_size = dynamic_cast<ui::AboutBox&>(about).dialog_units().ToPixels(size_units);
    seen.cut_off = TextsCutOff(about);
    seen.text_clear_of_ok = !version->geometry().intersects(
        about.findChild<QPushButton*>(QStringLiteral("okButton"))->geometry());
    SaveScreenshot(about, screenshot);
    QTest::keyClick(&about, Qt::Key_Escape);
  });
  menu.actions().back()->trigger();
  return seen;
}

}  // namespace veldor::testing
