#include "writers/csv_listing.h"

#include <charconv>
#include <cstdint>

#include "text/cp932.h"
#include "writers/output_file.h"

namespace veldor {
namespace {

std::string HeaderRow(const std::array<int, 7>& items) {
  std::string header = "ファイル名";
  if (items[6] == 1) header += ",拡張テキスト";
  if (items[1] == 1) header += ",ファイルサイズ（byte）";
  if (items[2] == 1) header += ",ファイル更新日付";
  if (items[3] == 1) header += ",ファイル作成日付";
  if (items[4] == 1) header += ",パケット数";
  if (items[5] == 1) header += ",パケット料金（円）";
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

void AppendRow(std::string& out, const FileRecord& record, const std::array<int, 7>& items) {
  AppendField(out, record.file_name);
  if (items[6] == 1) {
    out += ',';
    AppendField(out, record.extended_text);
  }
  if (items[1] == 1) AppendNumber(out, record.file_size);
  if (items[2] == 1) {
    out += ',';
    AppendField(out, record.modified_date);
  }
  if (items[3] == 1) {
    out += ',';
    AppendField(out, record.created_date);
  }
  if (items[4] == 1) AppendNumber(out, record.packet_count);
  if (items[5] == 1) AppendNumber(out, record.packet_charge);
  out += "\r\n";
}

}  // namespace

std::string FormatCsvListing(const Listing& listing, const ListingSettings& settings) {
  std::string out = HeaderRow(settings.output_items);
  if (listing.count() <= 1) return out;
  // One reservation for the whole table keeps a large folder from re-growing the buffer.
  // Rows are not padded, so the longest text is no measure of a row: reserving it for
  // every row could ask for far more memory than the table needs.
  out.reserve(out.size() + (listing.count() - 1) * (listing.longest_name + 80));
  for (std::size_t i = 1; i < listing.count(); ++i) {
    AppendRow(out, listing.records[i], settings.output_items);
  }
  return out;
}

int WriteCsvListing(const Listing& listing, const std::filesystem::path& path,
                    const ListingSettings& settings, MessageSink& messages) {
  if (AskOverwrite(path, PathToCp932(path), Icon::None, settings.over_write, messages) == -1) {
    return -1;
  }
  if (!WriteListingFile(path, FormatCsvListing(listing, settings), messages)) return -2;
  return 0;
}

}  // namespace veldor
