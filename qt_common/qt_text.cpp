#include "qt_common/qt_text.h"

#include <QByteArray>
#include <QFile>

#include "text/cp932.h"

namespace veldor::ui {

QString ToQString(std::string_view cp932) {
  const std::string utf8 = Cp932ToUtf8(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString ToDisplayText(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string ToCp932(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(const std::filesystem::path& path) {
  const std::string& native = path.native();
  return QFile::decodeName(QByteArray(native.data(), static_cast<qsizetype>(native.size())));
}

std::filesystem::path QStringToPath(const QString& text) {
  // encodeName keeps names that are not valid in the locale's encoding byte for byte.
  const QByteArray native = QFile::encodeName(text);
  return std::filesystem::path(
      std::string(native.constData(), static_cast<std::size_t>(native.size())));
}

}  // namespace veldor::ui
