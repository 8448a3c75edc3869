#pragma once
// Paths handed to the programs: dropped local files and command-line arguments.

#include <QStringList>
#include <filesystem>
#include <vector>

class QMimeData;

namespace veldor::ui {

/// True when the drag carries at least one local file or folder.
bool HasLocalPaths(const QMimeData& data);
/// The local files and folders of a drop, in the drop's order; other URLs are left out.
std::vector<std::filesystem::path> LocalPaths(const QMimeData& data);
/// Command-line arguments (without the program name) as absolute paths, made absolute
/// against the current folder at the time of the call.
std::vector<std::filesystem::path> CommandLinePaths(const QStringList& arguments);

}  // namespace veldor::ui
