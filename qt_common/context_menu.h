#pragma once
// A window menu cannot be extended on a Linux desktop: the dialogs carry its entries in
// their context menu instead.

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace veldor::ui {

/// A dialog's context menu: "閉じる(&C)", which closes `dialog`, then the separator and
/// the about entry `about_text` (with its "&" mnemonic), returned in `about` for the caller
/// to connect. The menu is a child of `dialog`.
QMenu* CreateDialogContextMenu(QWidget& dialog, const QString& about_text, QAction** about);

}  // namespace veldor::ui
