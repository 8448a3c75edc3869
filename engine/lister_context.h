#pragma once
// What a listing run works with: the process-wide settings and lists, the program folder,
// and the injected ways to reach the user, the desktop and the disk.

#include <filesystem>

#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/shell.h"

namespace veldor {

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
};

/// The browser: xdg-open on PATH when help.html is in the program folder, else empty.
std::filesystem::path FindBrowserPath(const std::filesystem::path& program_folder);

}  // namespace veldor
