#include "lister_ui/settings/settings_sheet.h"

#include "lister_ui/settings/property_sheet.h"

namespace veldor::ui {

bool RunSettingsSheet(QWidget* parent, ListerContext& context) {
  CPSeet sheet(context, parent);
  if (sheet.exec() != QDialog::Accepted) return false;
  StoreSheetValues(sheet, context.settings);
  return true;
}

}  // namespace veldor::ui
