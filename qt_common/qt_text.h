#pragma once
// Conversions between the core's CP932 byte strings and native paths and Qt's QString.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <string_view>

namespace veldor::ui {

/// CP932 text as a QString.
QString ToQString(std::string_view cp932);
/// A message's UTF-8 text for display: "\r\n" becomes a line break.
QString ToDisplayText(std::string_view utf8);
/// A QString as CP932 (characters CP932 cannot hold become "?").
std::string ToCp932(const QString& text);

/// A native path for display.
QString PathToQString(const std::filesystem::path& path);
/// A native path from a QString, with the file system's own encoding of the name.
std::filesystem::path QStringToPath(const QString& text);

}  // namespace veldor::ui
