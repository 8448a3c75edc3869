#include "writers/output_file.h"

#include <system_error>

#include "platform/file_io.h"
#include "text/cp932.h"

namespace veldor {
namespace {

// True when the user wants the existing file at `path` kept.
bool DeclinesOverwrite(const std::filesystem::path& path, std::string_view shown_path, Icon icon,
                       int over_write, MessageSink& messages) {
  if (over_write != 1) return false;
  std::error_code ec;
  // A folder standing at the path is not an earlier listing: there is nothing to replace,
  // and the write that follows reports why it cannot go on.
  // A link there is asked about as it stands in the folder, and replaced, never followed.
  const auto status = std::filesystem::symlink_status(path, ec);
  if (!std::filesystem::exists(status) || std::filesystem::is_directory(status)) return false;
  Message message{"上書き確認",
                  std::string(shown_path) + "は既に存在します。\r\n上書きしてもよろしいですか？",
                  icon, Buttons::YesNo, false};
  return messages.Show(message) == Answer::No;
}

}  // namespace

void AppendLines(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
       lf = text.find('\n', start)) {
    out.append(text.substr(start, lf - start));
    out.append("\r\n");
    start = lf + 1;
  }
  out.append(text.substr(start));
}

void PassFullPiece(std::string& out, ByteSink* sink) {
  if (sink == nullptr || out.size() < kListingPiece) return;
  sink->Write(out);
  out.clear();
}

WriteOutcome WriteListingFile(const std::filesystem::path& path, std::string_view shown_path,
                              Icon question_icon, int over_write,
                              const std::function<bool(ByteSink&)>& fill, MessageSink& messages) {
  if (DeclinesOverwrite(path, shown_path, question_icon, over_write, messages)) {
    return WriteOutcome::Declined;
  }
  bool gave_up = false;
  const auto filled = [&](ByteSink& sink) {
    gave_up = !fill(sink);
    return !gave_up;
  };
  std::error_code error;
  if (WriteFileAtomically(path, filled, AtLink::Replace, &error)) return WriteOutcome::Written;
  if (gave_up) return WriteOutcome::Failed;
  const char* tail = error == std::errc::filename_too_long
                         ? "\r\nは名前が長すぎるので書き込めませんでした。"
                         : "\r\nに書き込めませんでした。\r\nフォルダへの書き込み権限と空き容量を"
                           "確認してください。";
  messages.Show(Message{"書き込みエラーです", PathToUtf8(path) + tail, Icon::Exclamation,
                        Buttons::Ok, false});
  return WriteOutcome::Failed;
}

void StreamInPieces(ByteSink& sink,
                    const std::function<void(std::string& out, ByteSink* sink)>& append) {
  std::string piece;
  piece.reserve(2 * kListingPiece);
  append(piece, &sink);
  sink.Write(piece);
}

WriteOutcome WriteListingInPieces(
    const std::filesystem::path& path, std::string_view shown_path, Icon question_icon,
    int over_write, const std::function<void(std::string& out, ByteSink* sink)>& append,
    MessageSink& messages) {
  return WriteListingFile(
      path, shown_path, question_icon, over_write,
      [&](ByteSink& sink) {
        StreamInPieces(sink, append);
        return true;
      },
      messages);
}

}  // namespace veldor
