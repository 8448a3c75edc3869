#include "win_common/dialog.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "win_common/win_text.h"

namespace veldor::win {

namespace {

constexpr UINT kProgramIcon = 128;

HICON ProgramIcon(int size) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR | LR_SHARED));
}

INT_PTR CALLBACK AboutProcedure(HWND about, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) {
    FitTexts(about, true);
    return TRUE;
  }
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

namespace {

struct Control {
  HWND window;
  RECT rect;  // in the dialog's client coordinates
  bool group_box;
};

std::vector<Control> Controls(HWND dialog) {
  std::vector<Control> controls;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    wchar_t kind[16] = {};
    ::GetClassNameW(child, kind, 16);
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    controls.push_back(
        {child, rect, lstrcmpiW(kind, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX});
  }
  return controls;
}

// The pixels a control's text needs on one line, and the room a check mark takes beside
// it; 0 for a control whose text is not fitted (edits, lists, push buttons, group boxes).
SIZE Needed(HWND control, HDC dc, int& mark) {
  wchar_t kind[16] = {};
  ::GetClassNameW(control, kind, 16);
  const LONG style = ::GetWindowLongW(control, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  const bool check =
      lstrcmpiW(kind, L"Button") == 0 && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON ||
                                          type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
  const bool text = lstrcmpiW(kind, L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
  mark = check ? ::GetSystemMetrics(SM_CXMENUCHECK) + ::GetSystemMetrics(SM_CXEDGE) * 3 : 0;
  if (!check && !text) return {};
  RECT bounds{};
  ::DrawTextW(dc, WindowText(control).c_str(), -1, &bounds, DT_CALCRECT | DT_EXPANDTABS);
  return {bounds.right + mark, bounds.bottom};
}

// The width a window needs for its caption: the text in the caption font, the icon and
// the close button.
int CaptionWidth(HWND dialog, HDC dc) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HFONT font = ::CreateFontIndirectW(&metrics.lfCaptionFont);
  const HGDIOBJ old = ::SelectObject(dc, font);
  RECT bounds{};
  ::DrawTextW(dc, WindowText(dialog).c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  return bounds.right + ::GetSystemMetrics(SM_CXSMICON) + 2 * ::GetSystemMetrics(SM_CXSIZE) + 16;
}

// Widens the whole dialog by the largest factor any of its texts needs.
void Widen(HWND dialog, HDC dc, const std::vector<Control>& controls) {
  RECT window{};
  ::GetWindowRect(dialog, &window);
  double factor = static_cast<double>(CaptionWidth(dialog, dc)) / (window.right - window.left);
  for (const Control& control : controls) {
    int mark = 0;
    const LONG width = control.rect.right - control.rect.left;
    if (width > 0)
      factor = std::max(factor, static_cast<double>(Needed(control.window, dc, mark).cx) / width);
  }
  if (factor <= 1.0) return;
  const auto scaled = [factor](LONG x) { return static_cast<int>(x * factor + 0.999); };
  for (const Control& control : controls) {
    const RECT& r = control.rect;
    ::SetWindowPos(control.window, nullptr, scaled(r.left), r.top, scaled(r.right) - scaled(r.left),
                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client{};
  ::GetClientRect(dialog, &client);
  ::SetWindowPos(dialog, nullptr, 0, 0,
                 window.right - window.left + scaled(client.right) - client.right,
                 window.bottom - window.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

}  // namespace

void FitTexts(HWND dialog, bool whole_dialog) {
  const HDC dc = ::GetDC(dialog);
  const HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0)));
  RECT client{};
  ::GetClientRect(dialog, &client);
  const std::vector<Control> controls = Controls(dialog);
  if (whole_dialog) {
    Widen(dialog, dc, controls);
    ::SelectObject(dc, old);
    ::ReleaseDC(dialog, dc);
    return;
  }
  for (const Control& control : controls) {
    int mark = 0;
    const SIZE needed = Needed(control.window, dc, mark);
    RECT rect = control.rect;
    if (needed.cx <= rect.right - rect.left && needed.cy <= rect.bottom - rect.top) continue;
    LONG right = client.right - 2, bottom = client.bottom - 2;
    for (const Control& other : controls) {
      if (other.window == control.window) continue;
      const RECT& o = other.rect;
      const bool encloses = other.group_box && o.left <= rect.left && o.right >= rect.right &&
                            o.top <= rect.top && o.bottom >= rect.bottom;
      if (encloses) {
        right = std::min(right, o.right - 4);
        bottom = std::min(bottom, o.bottom - 4);
      } else if (o.left >= rect.right && o.top < rect.bottom && o.bottom > rect.top) {
        right = std::min(right, o.left - 2);  // a neighbour to the right
      } else if (o.top >= rect.bottom && o.left < rect.right && o.right > rect.left) {
        bottom = std::min(bottom, o.top - 2);  // a neighbour below
      }
    }
    rect.right = std::max(rect.right, std::min(right, rect.left + needed.cx));
    if (mark == 0 && needed.cx > rect.right - rect.left) {
      // A static text that is still too narrow wraps onto the free room below.
      RECT wrapped{0, 0, rect.right - rect.left, 0};
      ::DrawTextW(dc, WindowText(control.window).c_str(), -1, &wrapped,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
      rect.bottom = std::max(rect.bottom, std::min(bottom, rect.top + wrapped.bottom));
    }
    ::SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(dialog, dc);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)), L'\0');
  ::GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
  return text;
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

namespace {

// The strings of a list that ends in an empty string, within `list`; none when a string or
// the list's end would lie past it.
template <typename Char>
std::optional<std::vector<std::basic_string<Char>>> SplitList(std::basic_string_view<Char> list) {
  std::vector<std::basic_string<Char>> strings;
  for (;;) {
    const std::size_t end = list.find(Char{});
    if (end == list.npos) return std::nullopt;
    if (end == 0) return strings;
    strings.emplace_back(list.substr(0, end));
    list.remove_prefix(end + 1);
  }
}

// The paths of a DROPFILES block of `size` bytes, read within the block alone; none when it
// is not a well-formed one.
std::optional<std::vector<std::filesystem::path>> ReadDropFiles(const char* block,
                                                                std::size_t size) {
  DROPFILES header{};
  if (size < sizeof header) return std::nullopt;
  std::memcpy(&header, block, sizeof header);
  if (header.pFiles < sizeof header || header.pFiles >= size) return std::nullopt;
  const std::string_view bytes(block + header.pFiles, size - header.pFiles);
  std::vector<std::filesystem::path> paths;
  if (header.fWide) {
    std::wstring list(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(list.data(), bytes.data(), list.size() * sizeof(wchar_t));  // maybe unaligned
    auto strings = SplitList<wchar_t>(list);
    if (!strings) return std::nullopt;
    for (std::wstring& path : *strings) paths.emplace_back(std::move(path));
    return paths;
  }
  const auto strings = SplitList<char>(bytes);
  if (!strings) return std::nullopt;
  for (const std::string& path : *strings) paths.emplace_back(WideFromCodePage(CP_ACP, path));
  return paths;
}

}  // namespace

std::vector<std::filesystem::path> TakeDroppedPaths(HDROP drop) {
  // DragQueryFileW walks the list until its empty string, wherever that is. Here the drop
  // is read within its block alone: a handle that is no live block of this process (Wine's
  // virtual desktop posts its own process's pointer for a drop from X) or a list that runs
  // past its block is no drop. Such a block is left as it is: it may be memory that other
  // code of this process holds.
  const SIZE_T size = ::GlobalSize(drop);
  const auto* block = size != 0 ? static_cast<const char*>(::GlobalLock(drop)) : nullptr;
  if (block == nullptr) return {};
  auto paths = ReadDropFiles(block, size);
  ::GlobalUnlock(drop);
  if (!paths) return {};
  ::DragFinish(drop);
  return std::move(*paths);
}

void ShowAboutBox(HWND owner, UINT resource) {
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner, AboutProcedure,
                    0);
}

}  // namespace veldor::win
