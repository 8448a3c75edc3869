// tovrin: the template checker's drop window.

#include <QApplication>
#include <QStringList>

#include "checker_ui/checker_app.h"
#include "qt_common/dialog_font.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tovrin"));
  QApplication::setDesktopFileName(QStringLiteral("tovrin"));
  QApplication::setWindowIcon(CheckerIcon());
  QApplication::setFont(veldor::ui::DialogFont());
  CCheckerApp app(QApplication::arguments().mid(1));
  return app.Run();
}
