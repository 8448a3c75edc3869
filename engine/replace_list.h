#pragma once
// The extended-text lists: texts that the user attaches to file names and folder names,
// kept in replace_list.csv and replace_list2.csv in the program folder.

#include <filesystem>
#include <functional>
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
  /// The same entries in the same order.
  bool operator==(const ReplaceList& other) const {
    return names_ == other.names_ && texts_ == other.texts_;
  }

  /// Replaces the whole content.
  void Assign(std::vector<ReplaceRow> rows);
  /// The text of the first entry whose name equals `key` byte for byte, else `key`.
  std::string FindExtendedText(std::string_view key) const;
  /// The text of the first entry whose name equals `key` byte for byte, or null when no
  /// entry has that name (so callers can tell a listed text from the fallback).
  const std::string* Find(std::string_view key) const {
    const auto found = first_index_.find(key);
    return found == first_index_.end() ? nullptr : &texts_[found->second];
  }

 private:
  // Lets the index be searched with a string_view key without copying it.
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
      return std::hash<std::string_view>{}(key);
    }
  };

  std::vector<std::string> names_;
  std::vector<std::string> texts_;
  // name -> index of its first entry
  std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> first_index_;
};

/// The list file's name: "replace_list.csv" or "replace_list2.csv".
std::string_view ReplaceListFileName(ListKind kind);

/// One line of a list file parsed into (name, text), or nothing when it gives no entry
/// (no comma, or an empty text).
std::optional<ReplaceRow> ParseReplaceLine(std::string_view line);
/// Every entry of a whole list file, in line order (lines end in CR LF or LF).
std::vector<ReplaceRow> ParseReplaceFile(std::string_view bytes);
/// The file form of one row, without the line end.
std::string FormatReplaceLine(const ReplaceRow& row);

/// The two lists of the process and the folder their files live in.
class ReplaceLists {
 public:
  explicit ReplaceLists(std::filesystem::path program_folder = {});

  const std::filesystem::path& program_folder() const { return program_folder_; }
  std::filesystem::path FilePath(ListKind kind) const;
  const ReplaceList& list(ListKind kind) const;

  /// Reads the list file (creating a missing one empty). False when it can neither be
  /// opened nor created; the list is then unchanged.
  bool LoadReplaceList(ListKind kind);
  /// Writes `rows` to the list file; false when it could not be. On success the list in
  /// memory holds what a reload of the file would give.
  bool WriteReplaceList(ListKind kind, const std::vector<ReplaceRow>& rows);
  /// The text for `key` in the list of `kind`, or `key` itself.
  std::string FindExtendedText(ListKind kind, std::string_view key) const;
  /// The listed text for `key` in the list of `kind`, or null when it has no entry.
  const std::string* Find(ListKind kind, std::string_view key) const {
    return list(kind).Find(key);
  }

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
