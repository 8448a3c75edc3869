#pragma once
// Driving the Win32 dialogs in tests: a drop as the shell makes it, the system menu's last
// entries, and the dialog's size against its dialog units.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace veldor::testing {

/// A drop of `paths`, in order, as the shell hands it to WM_DROPFILES (the receiver frees it).
inline HDROP MakeDrop(const std::vector<std::filesystem::path>& paths) {
  std::wstring list;
  for (const auto& path : paths) list += path.native() + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  const HGLOBAL memory = ::GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

/// The text of the system menu's last entry, with its command and whether a separator
/// stands before it.
inline std::wstring LastSystemMenuEntry(HWND dialog, UINT& command, bool& separated) {
  const HMENU menu = ::GetSystemMenu(dialog, FALSE);
  const int count = ::GetMenuItemCount(menu);
  wchar_t text[128] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 128, MF_BYPOSITION);
  command = ::GetMenuItemID(menu, count - 1);
  separated =
      (::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR) != 0;
  return text;
}

/// The client area measures `width` × `height` dialog units in the dialog's own font; it
/// may be wider where a stand-in font needs room for the texts, never narrower.
inline void ExpectDialogUnits(HWND dialog, int width, int height) {
  RECT units{0, 0, width, height};
  ::MapDialogRect(dialog, &units);
  RECT client{};
  ::GetClientRect(dialog, &client);
  EXPECT_GE(client.right, units.right);
  EXPECT_LE(client.right, units.right * 3 / 2);
  EXPECT_EQ(client.bottom, units.bottom);
}

}  // namespace veldor::testing
