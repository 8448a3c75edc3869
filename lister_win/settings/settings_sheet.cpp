#include "lister_win/settings/settings_sheet.h"

#include "lister_win/settings/property_sheet.h"

bool RunSettingsSheet(HWND owner, veldor::ListerContext& context) {
  CPSeet sheet(context);
  return sheet.DoModal(owner);
}
