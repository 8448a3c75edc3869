#pragma once
// Start-up of the listing program: the program folder, the current folder and the main
// dialog, which runs until the user closes it.

#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "lister_ui/lister_dlg.h"

class CListerApp {
 public:
  /// `arguments` are the command line after the program name: paths handed over as one
  /// drop. They are taken relative to the folder the program was started in.
  explicit CListerApp(const QStringList& arguments);

  /// The main dialog on `program_folder`, with the command-line paths waiting to be dropped
  /// once it is shown.
  std::unique_ptr<CListerDlg> CreateMainDialog(const std::filesystem::path& program_folder,
                                               veldor::MessageSink* messages = nullptr,
                                               veldor::Shell* shell = nullptr);

  /// Fixes the program folder, makes it the current folder and runs the main dialog.
  /// The settings are saved when the dialog goes away. Returns the exit status.
  int Run();

  const std::vector<std::filesystem::path>& command_line_paths() const { return paths_; }

 private:
  std::vector<std::filesystem::path> paths_;
};
