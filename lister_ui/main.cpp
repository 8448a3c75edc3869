// veldor: the listing program's desktop window.

#include <QApplication>
#include <QStringList>

#include "lister_ui/lister_app.h"
#include "qt_common/dialog_font.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("veldor"));
  QApplication::setDesktopFileName(QStringLiteral("veldor"));
  QApplication::setWindowIcon(ListerIcon());
  QApplication::setFont(veldor::ui::DialogFont());
  CListerApp app(QApplication::arguments().mid(1));
  return app.Run();
}
