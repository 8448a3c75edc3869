#pragma once
// Handling one drop: a file gets its figures in a message, a folder is scanned, sorted and
// written in the chosen format into the folder itself.

#include <filesystem>
#include <string>
#include <vector>

#include "listing/lister.h"

namespace veldor {

/// The name a folder's listings are named after: its last component, or "root" for the
/// root folder, which has no name of its own.
std::filesystem::path FolderBaseName(const std::filesystem::path& folder);

/// Handles the dropped paths in order, then shows the result message.
void RunDrop(const std::vector<std::filesystem::path>& paths, ListerContext& context);

/// The single-file message for `path`.
void ShowFileInfo(const std::filesystem::path& path, ListerContext& context);

/// Lists one folder into the format of `output_mode` (JSON when the context asks for it, to
/// the context's stream when it has one), appending each written listing's
/// name (CP932) to `output_list`. Returns false when the folder cannot be enumerated,
/// which ends the drop.
bool ListFolder(const std::filesystem::path& folder, std::vector<std::string>& output_list,
                ListerContext& context);

}  // namespace veldor
