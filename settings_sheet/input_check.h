#pragma once
// The input dialog "入力" that asks for one extended-text row: its modes and its check.

#include <optional>
#include <string_view>

#include "engine/replace_list.h"
#include "platform/messages.h"

namespace veldor {

/// Which row the input dialog asks for.
enum class InputMode { AddFileName, EditFileName, AddFolderName, EditFolderName };

/// The mode for adding (`edit` false) or editing a row of the list of `kind`.
InputMode InputModeFor(ListKind kind, bool edit);
/// True when the dialog's name label reads "フォルダ名(&F)" instead of "ファイル名(&F)".
bool AsksForFolderName(InputMode mode);

/// The message that keeps the dialog open when a box's text (UTF-8) holds characters
/// Shift_JIS cannot; nothing when every character can be written.
std::optional<Message> CheckInputText(std::string_view utf8);

}  // namespace veldor
