#pragma once

#include <filesystem>

namespace veldor {

/// The folder of the running executable (/proc/self/exe, GetModuleFileNameW).
std::filesystem::path ExecutableFolder();

}  // namespace veldor
