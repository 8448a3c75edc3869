#pragma once
// The working copy of one extended-text list that 拡張設定1 or 拡張設定2 edits.

#include <cstddef>
#include <string>
#include <vector>

#include "listing/lister.h"
#include "settings_sheet/input_check.h"

namespace veldor {

/// A row as the input dialog shows it: name and text in UTF-8.
struct RowInput {
  std::string name;
  std::string text;
};

/// The rows of one list file as a page shows them. Only a write (Save, the sheet's OK, or
/// the question before the external editor) changes the file; questions and failures go
/// to the context's messages.
class ListEditor {
 public:
  ListEditor(ListerContext& context, ListKind kind);

  ListKind kind() const { return kind_; }
  /// The input dialog's mode for adding or editing a row of this list.
  InputMode InputModeFor(bool edit) const { return veldor::InputModeFor(kind_, edit); }

  /// The page is shown for the first time: reads the file.
  void Open();
  bool opened() const { return opened_; }
  /// The rows as (name, text) in CP932, top to bottom.
  const std::vector<ReplaceRow>& rows() const { return rows_; }
  /// True while the rows may differ from the file (and until the first read has shown what
  /// it holds); Save is enabled exactly then.
  bool edited() const { return edited_; }

  /// The row `index` as the input dialog shows it.
  RowInput InputOf(std::size_t index) const;
  void Add(const RowInput& input);
  /// A box left as it was keeps the file's own bytes.
  void Edit(std::size_t index, const RowInput& input);
  void Delete(std::size_t index);
  /// Writes the rows; false, after the write-error message, when the file cannot be written.
  bool Save();
  /// Reads the file again, asking first when the rows are edited; false when the user kept
  /// the rows.
  bool Reload();
  /// Opens the file in the external editor, offering first to save edited rows.
  void OpenExternally();
  /// The sheet's OK: writes the rows unless the page was never shown or its last read
  /// failed (then the file keeps entries the page never showed, until the user saves on
  /// purpose). False when the write failed.
  bool Apply();

 private:
  bool Read();

  ListerContext& context_;
  ListKind kind_;
  std::vector<ReplaceRow> rows_;
  bool opened_ = false;
  bool edited_ = false;
  bool last_read_failed_ = false;
};

}  // namespace veldor
