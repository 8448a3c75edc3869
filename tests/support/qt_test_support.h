#pragma once
// Helpers for the Qt tests: widgets by name, drops as a file manager sends them, modal
// windows answered from inside their own event loop, and the layout check of a window.

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "qt_common/dialog_units.h"
#include "qt_common/qt_text.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"

namespace veldor::testing {

/// The child of `parent` named `name`; fails the test when there is none.
template <typename W = QAbstractButton>
W* Find(const QWidget& parent, const char* name) {
  W* widget = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

inline bool Shown(QWidget& window) { return window.show(), QTest::qWaitForWindowExposed(&window); }

/// Drags `paths` over `target` and drops them there; false when the drag is refused.
inline bool DropOn(QWidget& target, const std::vector<std::filesystem::path>& paths) {
  QMimeData data;
  for (const auto& path : paths)
    data.setUrls(data.urls() << QUrl::fromLocalFile(ui::PathToQString(path)));
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  if (enter.isAccepted()) QApplication::sendEvent(&target, &drop);
  return enter.isAccepted();
}

/// Calls `handle`, which must close it, with the next modal window once it is shown.
inline void WhenModalShown(std::function<void(QWidget&)> handle) {
  QTimer::singleShot(10, [handle] {
    QWidget* modal = QApplication::activeModalWidget();
    modal != nullptr && modal->isVisible() ? handle(*modal) : WhenModalShown(handle);
  });
}

/// Expects `window` laid out in dialog units `u` that follow its font, a whole
/// number of units in size, and every visible control inside it showing all its text.
inline void ExpectLaidOut(QWidget& window, const ui::DialogUnits& u) {
  const ui::DialogUnits font(window.font());
  EXPECT_EQ(u.base_height(), font.base_height());
  EXPECT_TRUE(u.base_width() >= font.base_width() && u.base_width() <= font.base_width() * 3 / 2);
  // To whole units and back gives the same pixels (the window's, whatever the scale factor).
  const QSize px = window.grab().deviceIndependentSize().toSize();
  const QSize n(qRound(px.width() * 4.0 / u.base_width()),
                qRound(px.height() * 8.0 / u.base_height()));
  EXPECT_EQ(u.ToPixels(n), px);
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (qobject_cast<QMenu*>(child) != nullptr || !child->isVisibleTo(&window)) continue;
    auto* button = qobject_cast<QPushButton*>(child);
    // A push button's style may want more than its text; a label, check box or radio needs
    // its height too.
    const QSize need =
        button != nullptr
            ? QSize(button->fontMetrics().horizontalAdvance(button->text().remove('&')) + 1, 0)
        : qobject_cast<QLabel*>(child) != nullptr          ? child->sizeHint()
        : qobject_cast<QAbstractButton*>(child) != nullptr ? child->sizeHint()
                                                           : QSize(0, 0);
    EXPECT_TRUE(window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size())) &&
                need.boundedTo(child->size()) == need)
        << child->objectName().toStdString();
  }
}

}  // namespace veldor::testing
