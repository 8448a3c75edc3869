// veldor: the listing program's desktop window.

#include <QApplication>

#include "lister_ui/lister_app.h"
#include "qt_common/desktop_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  veldor::ui::SetUpApplication(QStringLiteral("veldor"));
  CListerApp app(QApplication::arguments().mid(1));
  return app.Run();
}
