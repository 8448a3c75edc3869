#pragma once
// A dialog from a resource template, driven by a member function, and what both programs'
// drop dialogs share: the about entry of the system menu, the icons, the minimised
// painting and the dropped paths.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace veldor::win {

class Dialog {
 public:
  virtual ~Dialog() = default;
  /// Runs the dialog `resource` modally; returns what it was ended with.
  INT_PTR RunModal(HWND owner, UINT resource);
  /// Creates the dialog `resource` without waiting (tests drive it with messages).
  HWND Create(HWND owner, UINT resource);
  HWND hwnd() const { return hwnd_; }

 protected:
  /// The dialog procedure's work; `handled` false hands the message to the default.
  virtual INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) = 0;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

/// A window's text: a control's, or a dialog's caption.
std::wstring WindowText(HWND window);

/// The system command of the about entry.
constexpr UINT kAboutCommand = 16;

/// Appends a separator and the about entry (string `text_id`) to the system menu.
void AddAboutEntry(HWND dialog, UINT text_id);
/// The program's icon (resource 128) at the large and the small size, set on the dialog.
void SetProgramIcons(HWND dialog);
/// When the dialog is minimised, paints the program icon centred in it and returns true.
bool PaintMinimised(HWND dialog);
/// The paths of a drop, in its order; the drop is finished (its memory freed). A handle that
/// is no well-formed drop of this process gives no paths and is left as it is.
std::vector<std::filesystem::path> TakeDroppedPaths(HDROP drop);
/// Makes every text of a dialog show whole where its font is wider than the one it was
/// laid out for (a stand-in font, say). A top-level dialog (`whole_dialog`) grows wider as
/// a whole, every control in proportion, until each text and its caption fit. A property
/// page cannot grow: a text control too narrow for its text widens as far as its group box,
/// its neighbour to the right or the page's edge allow, and a static text then also grows
/// down into free room. Where the texts fit, nothing changes.
void FitTexts(HWND dialog, bool whole_dialog);
/// Shows the about box `resource`, whose only button ends it.
void ShowAboutBox(HWND owner, UINT resource);

}  // namespace veldor::win
