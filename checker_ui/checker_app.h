#pragma once
// Start-up of the template checker: its drop window, which runs until the user closes it.

#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "checker_ui/checker_dlg.h"

class CCheckerApp {
 public:
  /// `arguments` are the command line after the program name: template files handed over
  /// as one drop, taken relative to the folder the program was started in.
  explicit CCheckerApp(const QStringList& arguments);

  /// The drop window, with the command-line paths waiting to be checked once it is shown.
  std::unique_ptr<CCheckerDlg> CreateMainDialog(veldor::MessageSink* messages = nullptr);

  /// Runs the drop window until it is closed. Returns the exit status.
  int Run();

 private:
  std::vector<std::filesystem::path> paths_;
};
