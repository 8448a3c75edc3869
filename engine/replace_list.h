#pragma once
// The extended-text lists: texts that the user attaches to file names and folder names,
// kept in replace_list.csv and replace_list2.csv in the program folder.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/messages.h"

namespace veldor {

enum class ListKind { FileNames = 1, FolderNames = 2 };

using ReplaceRow = std::pair<std::string, std::string>;  ///< (name, text), CP932

/// One list in memory: entries of a name and a text, in file order. The bytes of all
/// entries stand in one buffer and an entry costs 8 bytes more, so that a list file of
/// millions of short lines takes about its own size in memory.
class ReplaceList {
 public:
  std::size_t size() const { return name_starts_.size(); }
  std::string_view name(std::size_t i) const {
    return std::string_view(bytes_).substr(name_starts_[i], text_starts_[i] - name_starts_[i]);
  }
  std::string_view text(std::size_t i) const {
    const std::size_t end = i + 1 < size() ? name_starts_[i + 1] : bytes_.size();
    return std::string_view(bytes_).substr(text_starts_[i], end - text_starts_[i]);
  }
  /// The same entries in the same order.
  bool operator==(const ReplaceList& other) const {
    return bytes_ == other.bytes_ && name_starts_ == other.name_starts_ &&
           text_starts_ == other.text_starts_;
  }

  /// Replaces the whole content.
  void Assign(const std::vector<ReplaceRow>& rows);
  /// Replaces the whole content with the entries of a list file's bytes (see
  /// ParseReplaceFile), parsed within those bytes.
  void Load(std::string bytes);
  /// The text of the first entry whose name equals `key` byte for byte, else `key`.
  std::string FindExtendedText(std::string_view key) const;
  /// The text of the first entry whose name equals `key` byte for byte, or nothing when no
  /// entry has that name (so callers can tell a listed text from the fallback).
  std::optional<std::string_view> Find(std::string_view key) const;

 private:
  void Clear();
  void LoadWithin(std::string bytes);
  // Appends an entry whose bytes already stand at the end of bytes_.
  void Add(std::size_t name_start, std::size_t text_start);
  void Index(std::uint32_t entry);

  std::string bytes_;
  std::vector<std::uint32_t> name_starts_;
  std::vector<std::uint32_t> text_starts_;
  // The first entry of each name, by hash with linear probing: entry + 1, 0 for a free slot.
  std::vector<std::uint32_t> slots_;
  std::size_t distinct_ = 0;
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
  std::optional<std::string_view> Find(ListKind kind, std::string_view key) const {
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
