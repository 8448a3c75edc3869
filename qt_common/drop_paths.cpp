#include "qt_common/drop_paths.h"

#include <QMimeData>
#include <QUrl>

#include "platform/dropped_path.h"
#include "qt_common/qt_text.h"

namespace veldor::ui {

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
    if (url.isLocalFile()) paths.push_back(DroppedPath(QStringToPath(url.toLocalFile())));
  }
  return paths;
}

std::vector<std::filesystem::path> CommandLinePaths(const QStringList& arguments) {
  std::vector<std::filesystem::path> paths;
  for (const QString& argument : arguments) {
    if (!argument.isEmpty()) paths.push_back(DroppedPath(QStringToPath(argument)));
  }
  return paths;
}

}  // namespace veldor::ui
