// TODO(owner): implement
#include "lister_ui/settings/settings_sheet.h"

namespace veldor::ui {
bool RunSettingsSheet(QWidget*, ListerContext&) { return false; }
}  // namespace veldor::ui
