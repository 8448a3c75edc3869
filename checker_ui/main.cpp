// tovrin: the template checker's drop window.

#include <QApplication>

#include "checker_ui/checker_app.h"
#include "qt_common/desktop_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  veldor::ui::SetUpApplication(QStringLiteral("tovrin"));
  CCheckerApp app(QApplication::arguments().mid(1));
  return app.Run();
}
