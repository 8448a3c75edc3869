#pragma once
// The listing program's start-up: what a listing run works with, built once from the
// program folder for both the desktop program and the terminal program.

#include <filesystem>
#include <optional>

#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_io.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/shell.h"

namespace veldor {

/// What a listing run works with: the process-wide settings and lists, the program folder,
/// and the injected ways to reach the user, the desktop and the disk.
struct ListerContext {
  ListingSettings& settings;
  ReplaceLists& lists;
  MessageSink& messages;
  Shell& shell;
  FileSystem& file_system;
  /// Holds quorsel.ini, the list files, help.html and template/.
  std::filesystem::path program_folder;
  /// The program that opens HTML listings; empty when none was found.
  std::filesystem::path browser_path;
  /// The terminal program's choices for one run, never kept in the settings: a JSON listing
  /// instead of the settings' format, and a stream that takes txt, csv and JSON listings
  /// instead of the folders (no question, no result message; HTML pages still go to disk).
  bool json_listing = false;
  ByteSink* listing_stream = nullptr;
};

/// The program folder of the running program (DesktopProgramFolder), or nothing after
/// telling the user that there is no folder to keep the settings in; the program then
/// ends with status 1.
std::optional<std::filesystem::path> StartUpProgramFolder(MessageSink& messages);

/// Owns the settings, both lists and the file system of one program run.
class Lister {
 public:
  /// Starts up on `program_folder`: finds the browser, loads the settings from its
  /// quorsel.ini, then loads both lists, telling `messages` of a list that cannot be read.
  Lister(std::filesystem::path program_folder, MessageSink& messages, Shell& shell);
  Lister(const Lister&) = delete;
  Lister& operator=(const Lister&) = delete;

  ListerContext& context() { return context_; }
  ListingSettings& settings() { return settings_; }

  /// Writes every setting to quorsel.ini.
  void SaveSettings() const;

 private:
  std::filesystem::path settings_file_;
  ListingSettings settings_;
  ReplaceLists lists_;
  RealFileSystem file_system_;
  ListerContext context_;
};

}  // namespace veldor
