#include "win_common/dialog.h"

#include <shellapi.h>

#include <string>

namespace veldor::win {

namespace {

constexpr UINT kProgramIcon = 128;

HICON ProgramIcon(int size) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR | LR_SHARED));
}

INT_PTR CALLBACK AboutProcedure(HWND about, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    ::EndDialog(about, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

INT_PTR Dialog::RunModal(HWND owner, UINT resource) {
  return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner,
                           Procedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND owner, UINT resource) {
  return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner,
                              Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lparam);
    reinterpret_cast<Dialog*>(lparam)->hwnd_ = hwnd;
  }
  auto* dialog = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  bool handled = true;
  const INT_PTR result = dialog->OnMessage(message, wparam, lparam, handled);
  if (message == WM_NCDESTROY) dialog->hwnd_ = nullptr;
  return handled ? result : FALSE;
}

void AddAboutEntry(HWND dialog, UINT text_id) {
  const HMENU menu = ::GetSystemMenu(dialog, FALSE);
  const wchar_t* text = nullptr;
  const int length =
      ::LoadStringW(::GetModuleHandleW(nullptr), text_id, reinterpret_cast<wchar_t*>(&text), 0);
  if (menu == nullptr || length <= 0) return;
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, kAboutCommand,
                std::wstring(text, static_cast<std::size_t>(length)).c_str());
}

void SetProgramIcons(HWND dialog) {
  ::SendMessageW(dialog, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(ProgramIcon(::GetSystemMetrics(SM_CXICON))));
  ::SendMessageW(dialog, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(ProgramIcon(::GetSystemMetrics(SM_CXSMICON))));
}

bool PaintMinimised(HWND dialog) {
  if (!::IsIconic(dialog)) return false;
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(dialog, &paint);
  ::SendMessageW(dialog, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(dialog, &client);
  const int width = ::GetSystemMetrics(SM_CXICON);
  const int height = ::GetSystemMetrics(SM_CYICON);
  ::DrawIcon(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2,
             ProgramIcon(width));
  ::EndPaint(dialog, &paint);
  return true;
}

std::vector<std::filesystem::path> TakeDroppedPaths(HDROP drop) {
  std::vector<std::filesystem::path> paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Any length: a path longer than the classic 259 characters is taken whole.
    std::wstring path(::DragQueryFileW(drop, i, nullptr, 0), L'\0');
    ::DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
    paths.emplace_back(std::move(path));
  }
  ::DragFinish(drop);
  return paths;
}

void ShowAboutBox(HWND owner, UINT resource) {
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner, AboutProcedure,
                    0);
}

}  // namespace veldor::win
