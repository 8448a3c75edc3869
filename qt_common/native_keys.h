#pragma once
// Keys as a native dialog handles them, where Qt's defaults differ.

#include <QList>

class QPushButton;
class QRadioButton;

namespace veldor::ui {

/// Every radio of `group` (in its order) is a Tab stop of its own, and the arrow keys move
/// to the next or previous radio of the group, round at the ends, and select it. Qt keeps
/// only the checked radio of an exclusive group in the Tab order and selects with the
/// arrows only from a checked radio.
void MakeNativeRadioGroup(const QList<QRadioButton*>& group);

/// A plain push button: never the dialog's default button, so Enter clicks it only while
/// it has the focus.
void MakePlainPushButton(QPushButton& button);

}  // namespace veldor::ui
