#pragma once
// The one way a path given to the programs (dropped on the window, passed on the command
// line of the desktop or the terminal programs) becomes the path they work on.

#include <filesystem>

namespace veldor {

/// `path` as a drop delivers it: absolute (a relative path is taken from the current
/// folder), lexically normal, symbolic links left as they are, and without a trailing
/// separator, so that "dir/" and "dir/." name "dir", "photos/.." names the parent and "/"
/// stays "/". The listing of a folder is named after the last component of this path.
std::filesystem::path DroppedPath(const std::filesystem::path& path);

}  // namespace veldor
