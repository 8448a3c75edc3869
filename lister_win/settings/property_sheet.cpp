#include "lister_win/settings/property_sheet.h"

#include <array>

#include "lister_win/resource.h"

CPSeet::CPSeet(veldor::ListerContext& context)
    : draft_(context), page1_(draft_), page2_(draft_), page3_(draft_), page4_(draft_) {}

bool CPSeet::DoModal(HWND owner) {
  accepted_ = false;
  Run(owner, false);
  return accepted_;
}

HWND CPSeet::CreateModeless(HWND owner) {
  accepted_ = false;
  return reinterpret_cast<HWND>(Run(owner, true));
}

INT_PTR CPSeet::Run(HWND owner, bool modeless) {
  std::array<PROPSHEETPAGEW, 4> pages{page1_.Page(&accepted_), page2_.Page(&accepted_),
                                      page3_.Page(&accepted_), page4_.Page(&accepted_)};
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  // "VELDOR" in the system's title form for properties; no Apply and no Help button.
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_PROPTITLE | PSH_USEHICON | PSH_NOAPPLYNOW |
                   PSH_NOCONTEXTHELP | (modeless ? PSH_MODELESS : 0);
  header.hwndParent = owner;
  header.hInstance = ::GetModuleHandleW(nullptr);
  header.hIcon = static_cast<HICON>(::LoadImageW(header.hInstance, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  header.pszCaption = L"VELDOR";
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = 0;
  header.ppsp = pages.data();
  return ::PropertySheetW(&header);
}
