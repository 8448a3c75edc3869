#pragma once
// Names from settings and list files that become part of a path.

#include <string_view>

namespace veldor {

/// True when the CP932 `name` is a bare file name that stays inside the folder it is
/// joined to, on Linux and on Windows alike: not empty, not "." or "..", without "/", "\",
/// ":" or a NUL byte, and not a Windows device name (CON, PRN, AUX, NUL, COM1 to
/// COM9, LPT1 to LPT9, in any case, with or without an extension). Both systems refuse
/// the same names, so that a settings file means the same on either.
bool IsBareFileName(std::string_view name);

}  // namespace veldor
