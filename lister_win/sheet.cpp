#include "lister_win/sheet.h"

#include <commctrl.h>

#include "lister_win/resource.h"
#include "win_common/dialog.h"

PROPSHEETPAGEW CSheetPage::Page(bool* accepted) {
  accepted_ = accepted;
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;  // no help button
  page.hInstance = ::GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(resource_);
  page.pfnDlgProc = Procedure;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK CSheetPage::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* page = reinterpret_cast<CSheetPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lparam)->lParam);
    ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
    page->hwnd_ = hwnd;
    page->OnInitDialog();
    veldor::win::FitTexts(hwnd, false);
    return TRUE;
  }
  auto* page = reinterpret_cast<CSheetPage*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (page == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return page->OnCommand(LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.code == PSN_KILLACTIVE) {
        // TRUE keeps the user on the page.
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, page->OnKillActive() ? FALSE : TRUE);
        return TRUE;
      }
      if (header.code == PSN_APPLY) {
        const bool applied = page->OnApply();
        *page->accepted_ = applied;
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT,
                            applied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
      }
      if (page->OnNotify(header)) {
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      page->hwnd_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

CPSeet::CPSeet(veldor::ListerContext& context)
    : page1_(context.settings, context.messages),
      page2_(context),
      page3_(context, veldor::ListKind::FileNames),
      page4_(context, veldor::ListKind::FolderNames) {}

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

void StoreSheetValues(CPSeet& sheet, veldor::ListingSettings& settings) {
  const CPage1& basic = sheet.page1();
  settings.sort_key = basic.sort_key;
  settings.over_write = basic.over_write;
  settings.print_result = basic.print_result;
  settings.sort_style = basic.sort_style;
  settings.file_open = basic.file_open;
  settings.all_files = basic.all_files;
  settings.extensions = veldor::ParseExtensionList(basic.ext_strings);
  settings.output_items = sheet.page2().output_items;
}

bool RunSettingsSheet(HWND owner, veldor::ListerContext& context) {
  CPSeet sheet(context);
  if (!sheet.DoModal(owner)) return false;
  StoreSheetValues(sheet, context.settings);
  return true;
}
