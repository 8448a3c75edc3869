#include "lister_win/settings/sheet_page.h"

#include <commctrl.h>

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
