#pragma once
// The settings sheet opened by the main window's settings button.

#include "listing/lister.h"

class QWidget;

namespace veldor::ui {

/// Runs the settings sheet modally over `parent`. Only when the user accepts it with OK
/// does its draft reach `context.settings` (and the list files get written); Cancel
/// changes nothing. Every message goes through `context.messages`. Returns true for OK.
bool RunSettingsSheet(QWidget* parent, ListerContext& context);

}  // namespace veldor::ui
