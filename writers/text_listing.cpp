#include "writers/text_listing.h"

#include <charconv>
#include <cstdint>

#include "text/cp932.h"
#include "writers/output_file.h"

namespace veldor {
namespace {

// The unit words are converted once; the listing of a large folder repeats them per line.
struct TextPieces {
  std::string modified = Utf8ToCp932(" 更新   ");
  std::string created = Utf8ToCp932(" 作成   ");
  std::string packets = Utf8ToCp932(" パケット   ");
  std::string yen = Utf8ToCp932(" 円");
};

const TextPieces& Pieces() {
  static const TextPieces pieces;
  return pieces;
}

void AppendBlanks(std::string& line, std::int64_t count) {
  if (count > 0) line.append(static_cast<std::size_t>(count), ' ');
}

void AppendPadding(std::string& line, const std::string& text, std::size_t longest) {
  AppendBlanks(line,
               static_cast<std::int64_t>(longest) - static_cast<std::int64_t>(text.size()) + 3);
}

// The text of a field followed by blanks up to `longest` + 3 bytes.
void AppendPaddedText(std::string& line, const std::string& text, std::size_t longest) {
  AppendLines(line, text);
  AppendPadding(line, text, longest);
}

// A name from the disk, padded like a text: a control character (a CR or LF above all)
// is "?", so that one file stays one line. Control bytes are never part of a CP932
// double-byte character.
void AppendPaddedName(std::string& line, const std::string& name, std::size_t longest) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    line += (byte < 0x20 || byte == 0x7F) ? '?' : c;
  }
  AppendPadding(line, name, longest);
}

// printf's "%<width>ld": right-aligned in at least `width` positions, never cut.
void AppendNumber(std::string& line, std::int64_t value, int width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto length = end - digits;
  AppendBlanks(line, width - length);
  line.append(digits, end);
}

void AppendLine(std::string& out, const FileRecord& record, const Listing& listing,
                const ListingSettings& settings) {
  const TextPieces& pieces = Pieces();
  AppendPaddedName(out, record.file_name, listing.longest_name);
  if (settings.Shows(Column::ExtendedText)) {
    // Without a list line the text is the name itself.
    if (record.extended_text == record.file_name) {
      AppendPaddedName(out, record.extended_text, listing.longest_text);
    } else {
      AppendPaddedText(out, record.extended_text, listing.longest_text);
    }
  }
  if (settings.Shows(Column::FileSize)) {
    AppendNumber(out, record.file_size, 9);
    out += " byte   ";
  }
  if (settings.Shows(Column::ModifiedDate)) {
    out.append(record.modified_date).append(pieces.modified);
  }
  if (settings.Shows(Column::CreatedDate)) out.append(record.created_date).append(pieces.created);
  if (settings.Shows(Column::PacketCount)) {
    AppendNumber(out, record.packet_count, 6);
    out += pieces.packets;
  }
  if (settings.Shows(Column::PacketCharge)) {
    AppendNumber(out, record.packet_charge, 4);
    out += pieces.yen;
  }
  out += "\r\n";
}

// Appends the lines of `listing` to `out`, handing it to `sink` (when there is one) each
// time it holds a piece. Every line is padded to the longest name, and to the longest text
// only when the text column is written.
void AppendListingLines(const Listing& listing, const ListingSettings& settings, std::string& out,
                        ByteSink* sink) {
  for (const FileRecord& record : listing.records) {
    AppendLine(out, record, listing, settings);
    PassFullPiece(out, sink);
  }
}

}  // namespace

std::string FormatTextListing(const Listing& listing, const ListingSettings& settings) {
  std::string out;
  AppendListingLines(listing, settings, out, nullptr);
  return out;
}

WriteOutcome WriteTextListing(const Listing& listing, const std::filesystem::path& path,
                              const ListingSettings& settings, MessageSink& messages) {
  return WriteListingInPieces(
      path, PathToUtf8(path), Icon::Question, settings.over_write,
      [&](std::string& out, ByteSink* sink) { AppendListingLines(listing, settings, out, sink); },
      messages);
}

void StreamTextListing(const Listing& listing, const ListingSettings& settings, ByteSink& sink) {
  StreamInPieces(sink, [&](std::string& out, ByteSink* piece_sink) {
    AppendListingLines(listing, settings, out, piece_sink);
  });
}

}  // namespace veldor
