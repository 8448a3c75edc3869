#include "qt_common/drop_paths.h"

#include <QMimeData>
#include <QUrl>

#include "qt_common/qt_text.h"

namespace veldor::ui {
namespace {

// "dir/" and "dir/." name the folder "dir": the listing is named after the last component.
std::filesystem::path WithoutTrailingSeparator(std::filesystem::path path) {
  path = path.lexically_normal();
  while (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return path;
}

}  // namespace

bool HasLocalPaths(const QMimeData& data) {
  if (!data.hasUrls()) return false;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) return true;
  }
  return false;
}

std::vector<std::filesystem::path> LocalPaths(const QMimeData& data) {
  std::vector<std::filesystem::path> paths;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    paths.push_back(WithoutTrailingSeparator(QStringToPath(url.toLocalFile())));
  }
  return paths;
}

std::vector<std::filesystem::path> CommandLinePaths(const QStringList& arguments) {
  std::vector<std::filesystem::path> paths;
  for (const QString& argument : arguments) {
    if (argument.isEmpty()) continue;
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(QStringToPath(argument), error);
    if (error) path = QStringToPath(argument);
    paths.push_back(WithoutTrailingSeparator(path));
  }
  return paths;
}

}  // namespace veldor::ui
