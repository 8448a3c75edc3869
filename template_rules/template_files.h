#pragma once
// The template files that a carrier's template folder offers.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace veldor {

/// The names of the template files (".html" or ".htm" in any case) directly in `folder`,
/// as CP932, in the order of a sorted list box: case-insensitive, then by bytes. Folders
/// are left out even when their names end so, and so are names IsBareFileName refuses.
std::vector<std::string> FindTemplateFiles(FileSystem& file_system,
                                           const std::filesystem::path& folder);

}  // namespace veldor
