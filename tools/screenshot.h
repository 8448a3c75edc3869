#pragma once
// Saving windows as the pictures of the documentation.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "qt_common/drop_window.h"

namespace veldor::tools {

/// Renders `window` into `folder`/`name`; ends the program when that fails. With `settle`
/// the window is shown as the user sees it; without, before it takes the focus.
inline void Save(QWidget& window, const QString& folder, const char* name, bool settle = true) {
  window.show();
  if (settle) QApplication::processEvents();
  const QString path = QDir(folder).filePath(QString::fromLatin1(name));
  if (!window.grab().toImage().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

/// Opens `window`'s about box as the user does and saves it as `name` while it is shown.
inline void SaveAboutBox(ui::DropWindow& window, const QString& folder, const char* name) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (about == nullptr || !about->isVisible()) return;
    timer.stop();
    Save(*about, folder, name);
    about->reject();
  });
  timer.start(10);
  window.ShowAbout();
}

}  // namespace veldor::tools
