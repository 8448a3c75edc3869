#include "qt_common/context_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace veldor::ui {
namespace {

QAction* AppendAboutEntry(QMenu& menu, const QString& about_text) {
  menu.addSeparator();
  QAction* about = menu.addAction(about_text);
  about->setObjectName(QStringLiteral("aboutAction"));
  return about;
}

}  // namespace

QMenu* CreateDialogContextMenu(QWidget& dialog, const QString& about_text, QAction** about) {
  auto* menu = new QMenu(&dialog);
  menu->setObjectName(QStringLiteral("contextMenu"));
  QAction* close = menu->addAction(QStringLiteral("閉じる(&C)"));
  close->setObjectName(QStringLiteral("closeAction"));
  QObject::connect(close, &QAction::triggered, &dialog, &QWidget::close);
  QAction* entry = AppendAboutEntry(*menu, about_text);
  if (about != nullptr) *about = entry;
  return menu;
}

}  // namespace veldor::ui
