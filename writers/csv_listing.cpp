#include "writers/csv_listing.h"

#include <charconv>
#include <cstdint>

#include "text/cp932.h"
#include "writers/output_file.h"

namespace veldor {
namespace {

std::string HeaderRow(const ListingSettings& settings) {
  std::string header = "ファイル名";
  if (settings.Shows(Column::ExtendedText)) header += ",拡張テキスト";
  if (settings.Shows(Column::FileSize)) header += ",ファイルサイズ（byte）";
  if (settings.Shows(Column::ModifiedDate)) header += ",ファイル更新日付";
  if (settings.Shows(Column::CreatedDate)) header += ",ファイル作成日付";
  if (settings.Shows(Column::PacketCount)) header += ",パケット数";
  if (settings.Shows(Column::PacketCharge)) header += ",パケット料金（円）";
  header += "\r\n\r\n";
  return Utf8ToCp932(header);
}

// A field that would otherwise split the row or the line is quoted, its quotes doubled.
// Byte-wise search is safe here: no CP932 trail byte is a comma, a quote, CR or LF.
void AppendField(std::string& row, const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    row += field;
    return;
  }
  row += '"';
  for (const char c : field) {
    if (c == '"') row += '"';
    if (c == '\n') row += '\r';  // every LF as CR LF, as a text-mode stream writes it
    row += c;
  }
  row += '"';
}

void AppendNumber(std::string& row, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  row += ',';
  row.append(digits, end);
}

void AppendRow(std::string& out, const FileRecord& record, const ListingSettings& settings) {
  AppendField(out, record.file_name);
  if (settings.Shows(Column::ExtendedText)) {
    out += ',';
    AppendField(out, record.extended_text);
  }
  if (settings.Shows(Column::FileSize)) AppendNumber(out, record.file_size);
  if (settings.Shows(Column::ModifiedDate)) {
    out += ',';
    AppendField(out, record.modified_date);
  }
  if (settings.Shows(Column::CreatedDate)) {
    out += ',';
    AppendField(out, record.created_date);
  }
  if (settings.Shows(Column::PacketCount)) AppendNumber(out, record.packet_count);
  if (settings.Shows(Column::PacketCharge)) AppendNumber(out, record.packet_charge);
  out += "\r\n";
}

// Appends the table to `out`, handing it to `sink` (when there is one) each time it holds
// a piece.
void AppendTable(const Listing& listing, const ListingSettings& settings, std::string& out,
                 ByteSink* sink) {
  out += HeaderRow(settings);
  for (const FileRecord& record : listing.records) {
    AppendRow(out, record, settings);
    PassFullPiece(out, sink);
  }
}

}  // namespace

std::string FormatCsvListing(const Listing& listing, const ListingSettings& settings) {
  std::string out;
  AppendTable(listing, settings, out, nullptr);
  return out;
}

WriteOutcome WriteCsvListing(const Listing& listing, const std::filesystem::path& path,
                             const ListingSettings& settings, MessageSink& messages) {
  return WriteListingInPieces(
      path, PathToUtf8(path), Icon::None, settings.over_write,
      [&](std::string& out, ByteSink* sink) { AppendTable(listing, settings, out, sink); },
      messages);
}

void StreamCsvListing(const Listing& listing, const ListingSettings& settings, ByteSink& sink) {
  StreamInPieces(sink, [&](std::string& out, ByteSink* piece_sink) {
    AppendTable(listing, settings, out, piece_sink);
  });
}

}  // namespace veldor
