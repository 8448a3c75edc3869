#include "lister_ui/settings/settings_sheet.h"

#include "lister_ui/settings/property_sheet.h"

namespace veldor::ui {

bool RunSettingsSheet(QWidget* parent, ListerContext& context) {
  CPSeet sheet(context, parent);
  return sheet.exec() == QDialog::Accepted;
}

}  // namespace veldor::ui
