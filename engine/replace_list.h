#pragma once
// The extended-text lists: texts that the user attaches to file names and folder names,
// kept in replace_list.csv and replace_list2.csv in the program folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/messages.h"

namespace veldor {

enum class ListKind { FileNames = 1, FolderNames = 2 };

using ReplaceRow = std::pair<std::string, std::string>;  ///< (name, text), CP932

/// One list in memory: names and texts of equal length, in file order.
class ReplaceList {
 public:
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<std::string>& texts() const { return texts_; }
  std::size_t size() const { return names_.size(); }

  /// Replaces the whole content.
  void Assign(std::vector<ReplaceRow> rows);
  /// The text of the first entry whose name equals `key` byte for byte, else `key`.
  std::string FindExtendedText(std::string_view key) const;

 private:
  std::vector<std::string> names_;
  std::vector<std::string> texts_;
  std::unordered_map<std::string, std::size_t> first_index_;  // name -> first entry
};

/// The list file's name: "replace_list.csv" or "replace_list2.csv".
std::string_view ReplaceListFileName(ListKind kind);

/// One line of a list file parsed into (name, text), or nothing when it gives no entry.
std::optional<ReplaceRow> ParseReplaceLine(std::string_view line);
/// The file form of one row, without the line end.
std::string FormatReplaceLine(const ReplaceRow& row);

/// The two lists of the process and the folder their files live in.
class ReplaceLists {
 public:
  explicit ReplaceLists(std::filesystem::path program_folder = {});

  const std::filesystem::path& program_folder() const { return program_folder_; }
  std::filesystem::path FilePath(ListKind kind) const;
  const ReplaceList& list(ListKind kind) const;

  /// Reads the list file (creating a missing one empty). 0 when read, -1 when it can
  /// neither be opened nor created; the list is then unchanged.
  int LoadReplaceList(ListKind kind);
  /// Writes `rows` to the list file. 0 when written, -1 when it could not be; on success
  /// the list in memory holds what a reload of the file would give.
  int WriteReplaceList(ListKind kind, const std::vector<ReplaceRow>& rows);
  /// The text for `key` in the list of `kind`, or `key` itself.
  std::string FindExtendedText(ListKind kind, std::string_view key) const;

 private:
  ReplaceList& mutable_list(ListKind kind);

  std::filesystem::path program_folder_;
  ReplaceList file_names_;
  ReplaceList folder_names_;
};

/// Which caller a list-file message is for.
enum class ListMessage {
  StartupReadError,  ///< a load at start-up failed
  PageReadError,     ///< a load by a settings page failed
  PageWriteError,    ///< a write by a settings page failed
};
/// The message shown when a list file cannot be read or written.
Message ReplaceListMessage(ListKind kind, ListMessage situation);

/// Loads the file-name list, then the folder-name list, showing the start-up read message
/// for each failure; start-up always goes on.
void LoadListsAtStartup(ReplaceLists& lists, MessageSink& messages);

}  // namespace veldor
