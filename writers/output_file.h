#pragma once
// The one way a listing reaches the disk: the overwrite question, then a safe write.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/messages.h"

namespace veldor {

/// What became of one listing file.
enum class WriteOutcome {
  Written,   ///< the file holds the new listing
  Declined,  ///< the user chose to keep the existing file
  Failed,    ///< nothing was written; the user has been told why
};

/// Appends `text` to `out` with every LF written as CR LF, as a text-mode stream writes it:
/// a file name may hold a line feed.
void AppendLines(std::string& out, std::string_view text);

/// A listing is handed to the disk in pieces of about this many bytes.
constexpr std::size_t kListingPiece = std::size_t{1} << 16;

/// Hands `out` to `sink` (when there is one) once it holds a whole piece, and empties it.
void PassFullPiece(std::string& out, ByteSink* sink);

/// Writes the listing that `fill` hands to its sink to `path`. When `over_write` is 1 and a
/// file is there, first asks "<shown_path>は既に存在します。..." with caption "上書き確認", Yes/No
/// and `question_icon`; No keeps the file. The write replaces the file (a symbolic link there
/// is itself replaced, never followed) only when complete; on failure the earlier file stays
/// as it was and the write-error message names `path`. When `fill` returns false nothing is
/// written and no message shows: the caller says why.
WriteOutcome WriteListingFile(const std::filesystem::path& path, std::string_view shown_path,
                              Icon question_icon, int over_write,
                              const std::function<bool(ByteSink&)>& fill, MessageSink& messages);

/// WriteListingFile for a listing that `append` builds into a string, passing each full
/// piece on with PassFullPiece; what remains follows at the end.
WriteOutcome WriteListingInPieces(
    const std::filesystem::path& path, std::string_view shown_path, Icon question_icon,
    int over_write, const std::function<void(std::string& out, ByteSink* sink)>& append,
    MessageSink& messages);

/// Hands the listing that `append` builds to `sink` in pieces, as WriteListingInPieces does
/// for a file: to a stream instead of the disk, with no question and no message.
void StreamInPieces(ByteSink& sink,
                    const std::function<void(std::string& out, ByteSink* sink)>& append);

}  // namespace veldor
