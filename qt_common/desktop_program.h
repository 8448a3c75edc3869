#pragma once
// What both desktop programs set up the same way: their icon and the application.

#include <QIcon>
#include <QString>

namespace veldor::ui {

/// The frame of the programs' own dialogs: a title bar with the close box only.
inline constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

/// The icon of the program `name` in all its sizes, from its resources
/// ":/<name>/icons/<name>-<size>.png".
QIcon ProgramIcon(const QString& name);

/// Names the application and its desktop entry `name`, and gives it the program's icon
/// and the dialog font. Call it right after the QApplication is made.
void SetUpApplication(const QString& name);

}  // namespace veldor::ui
