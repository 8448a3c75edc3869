#pragma once
// The overwrite question and the safe write shared by the three listing writers.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/messages.h"

namespace veldor {

/// When `over_write` is 1 and `path` exists, asks "<shown_path>は既に存在します。..." with
/// caption "上書き確認", Yes/No and `icon`. Returns -1 when the user answers No, else 0.
int AskOverwrite(const std::filesystem::path& path, std::string_view shown_path, Icon icon,
                 int over_write, MessageSink& messages);

/// Writes `bytes` to `path` atomically. On failure shows the write-error message naming
/// `path` and returns false; the earlier file then stays as it was.
bool WriteListingFile(const std::filesystem::path& path, std::string_view bytes,
                      MessageSink& messages);

}  // namespace veldor
