// The main of every Qt test binary: one QApplication, on the offscreen platform unless the
// environment names another (test discovery runs without the tests' environment).

#include <QApplication>

#include "support/test_runner.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return veldor::testing::RunAllTests(argc, argv);
}
