#pragma once
// The settings sheet opened by the main window's settings button.

#include <windows.h>

#include "listing/lister.h"

/// Runs the settings sheet modally over `owner`. Only when the user accepts it with OK
/// does its draft reach `context.settings` (and the list files get written); Cancel
/// changes nothing. Every message goes through `context.messages`. Returns true for OK.
bool RunSettingsSheet(HWND owner, veldor::ListerContext& context);
