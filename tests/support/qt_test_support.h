#pragma once
// Helpers for the Qt tests: widgets by name, drops as a file manager sends them, modal
// windows answered from inside their own event loop, and the layout check of a window.

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>

#include "qt_common/about_box.h"
#include "qt_common/drop_window.h"
#include "qt_common/qt_text.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"

/// Failures show texts as they read.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace veldor::testing {

/// The child of `parent` named `name`; fails the test when there is none.
template <typename W = QAbstractButton>
W* Find(const QWidget& parent, const char* name) {
  W* widget = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

inline bool Shown(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

/// Drags `paths` over `target` and drops them there; false when the drag is refused.
inline bool DropOn(QWidget& target, const std::vector<std::filesystem::path>& paths) {
  QMimeData data;
  for (const auto& path : paths)
    data.setUrls(data.urls() << QUrl::fromLocalFile(ui::PathToQString(path)));
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  if (enter.isAccepted()) QApplication::sendEvent(&target, &drop);
  return enter.isAccepted() && drop.isAccepted();
}

/// Calls `handle`, which must close it, with the next modal window once it is shown.
inline void WhenModalShown(std::function<void(QWidget&)> handle) {
  QTimer::singleShot(10, [handle] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return WhenModalShown(handle);
    handle(*modal);
  });
}

/// Expects `window` in the dialog font, laid out in `units` that follow the font, a whole
/// number of units in size, and every visible control inside it showing all its text.
inline void ExpectLaidOut(QWidget& window, const ui::DialogUnits& units) {
  EXPECT_TRUE(
      QStringList({"IPAPGothic", "ＭＳ Ｐゴシック"}).contains(QFontInfo(window.font()).family()));
  const ui::DialogUnits font_units(window.font());
  EXPECT_EQ(units.base_height(), font_units.base_height());
  EXPECT_GE(units.base_width(), font_units.base_width());
  EXPECT_LE(units.base_width(), font_units.base_width() * 3 / 2);
  const QSize size = window.grab().size();
  EXPECT_EQ(units.ToPixels(QSize(qRound(size.width() * 4.0 / units.base_width()),
                                 qRound(size.height() * 8.0 / units.base_height()))),
            size);
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (qobject_cast<QMenu*>(child) != nullptr || !child->isVisibleTo(&window)) continue;
    bool fits = window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size()));
    if (auto* button = qobject_cast<QPushButton*>(child)) {
      fits &= button->fontMetrics().horizontalAdvance(button->text().remove('&')) < child->width();
    } else if (qobject_cast<QLabel*>(child) != nullptr) {
      fits &= child->sizeHint().boundedTo(child->size()) == child->sizeHint();
    } else if (qobject_cast<QAbstractButton*>(child) != nullptr) {
      fits &= child->sizeHint().width() <= child->width();
    }
    EXPECT_TRUE(fits) << child->objectName().toStdString();
  }
}

/// Opens the about box from the last entry of `window`'s context menu, checks its layout
/// and closes it with Esc. Returns the menu's entries, the box's title and its text.
inline QStringList AboutBoxSeen(ui::DropWindow& window) {
  QStringList seen;
  for (const QAction* action : window.contextMenu()->actions()) seen << action->text();
  WhenModalShown([&](QWidget& about) {
    const auto* text = Find<QLabel>(about, "versionLabel");
    seen << about.windowTitle() << text->text();
    ExpectLaidOut(about, dynamic_cast<ui::AboutBox&>(about).dialog_units());
    EXPECT_FALSE(text->geometry().intersects(Find(about, "okButton")->geometry()));
    QTest::keyClick(&about, Qt::Key_Escape);
  });
  window.contextMenu()->actions().back()->trigger();
  return seen;
}

}  // namespace veldor::testing
