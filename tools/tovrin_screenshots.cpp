// tovrin_screenshots <folder>: renders tovrin's window and about box into <folder>.

#include <QApplication>

#include "checker_ui/checker_dlg.h"
#include "screenshot.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  CCheckerDlg dialog;
  veldor::tools::Save(dialog, folder, "tovrin-main.png");
  veldor::tools::SaveAboutBox(dialog, folder, "tovrin-about.png");
  return 0;
}
