#pragma once
// What the user is told when the memory runs out while one path is handled.

#include <filesystem>

#include "platform/messages.h"

namespace veldor {

/// Caption "メモリ不足", exclamation, OK: `path` and that there was not enough memory to
/// handle it.
Message OutOfMemoryMessage(const std::filesystem::path& path);

}  // namespace veldor
