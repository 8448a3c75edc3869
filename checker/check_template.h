#pragma once
// The template grammar check: every error of one template, one message each, then a
// closing message.

#include <filesystem>
#include <vector>

#include "platform/messages.h"

namespace veldor {

/// Checks the template at `path`, showing every error and the closing message.
void CheckTemplate(const std::filesystem::path& path, MessageSink& messages);

/// Handles one drop on the checker: each path in order gets the extension test (exactly
/// ".html" or ".htm") and then the check; a rejected file does not stop the others.
void CheckDroppedFiles(const std::vector<std::filesystem::path>& paths, MessageSink& messages);

}  // namespace veldor
