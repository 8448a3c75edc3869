#include "settings_sheet/input_check.h"

#include <string>

#include "text/cp932.h"

namespace veldor {

InputMode InputModeFor(ListKind kind, bool edit) {
  if (kind == ListKind::FileNames) return edit ? InputMode::EditFileName : InputMode::AddFileName;
  return edit ? InputMode::EditFolderName : InputMode::AddFolderName;
}

bool AsksForFolderName(InputMode mode) {
  return mode == InputMode::AddFolderName || mode == InputMode::EditFolderName;
}

std::optional<Message> CheckInputText(std::string_view utf8) {
  const std::string lacking = CharactersCp932Lacks(utf8);
  if (lacking.empty()) return std::nullopt;
  return Message{"入力",
                 "Shift_JIS で表せない文字が含まれています。\r\n" + lacking +
                     "\r\nを別の文字に置き換えてください。",
                 Icon::Exclamation, Buttons::Ok, false};
}

}  // namespace veldor
