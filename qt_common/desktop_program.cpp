#include "qt_common/desktop_program.h"

#include <QApplication>

#include "qt_common/dialog_font.h"

namespace veldor::ui {

QIcon ProgramIcon(const QString& name) {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/%1/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
  }
  return icon;
}

void SetUpApplication(const QString& name) {
  QApplication::setApplicationName(name);
  QApplication::setDesktopFileName(name);
  QApplication::setWindowIcon(ProgramIcon(name));
  QApplication::setFont(DialogFont());
}

}  // namespace veldor::ui
