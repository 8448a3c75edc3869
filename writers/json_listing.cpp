#include "writers/json_listing.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "text/cp932.h"
#include "text/json.h"

namespace veldor {
namespace {

// The sort keys' names, in the order of SortKey.
constexpr std::string_view kSortKeys[] = {"name",    "size", "modified", "created",
                                          "packets", "yen",  "text"};

// "key": the name, then "bytes_key" with the bytes in base64 only when they are not UTF-8,
// so that every name can be had back byte for byte.
void AppendName(std::string& out, std::string_view key, std::string_view bytes) {
  out.append("\"").append(key).append("\": ");
  AppendJsonString(out, WellFormedUtf8(bytes));
  if (!IsUtf8(bytes)) {
    out.append(", \"").append(key).append("_bytes\": \"").append(Base64(bytes)).append("\"");
  }
}

void AppendNumber(std::string& out, std::string_view key, std::int64_t value) {
  out.append(", \"").append(key).append("\": ").append(std::to_string(value));
}

void AppendTime(std::string& out, std::string_view key, std::time_t time) {
  out.append(", \"").append(key).append("\": ");
  const std::optional<std::string> text = FormatRfc3339LocalTime(time);
  if (text) {
    AppendJsonString(out, *text);
  } else {
    out += "null";
  }
}

void AppendHead(std::string& out, const std::filesystem::path& folder,
                const ListingSettings& settings) {
  out += '{';
  AppendName(out, "folder", NameBytes(folder));
  out += ", \"carrier\": ";
  const std::optional<Carrier> carrier = CarrierOfCompany(settings.company);
  AppendJsonString(out, carrier ? CarrierName(*carrier) : std::string_view());
  out += ", \"rate\": ";
  const double rate = settings.CurrentRate();
  if (std::isfinite(rate)) {
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, rate).ptr);
  } else {
    out += "null";
  }
  // A key or style out of range leaves the files in the order the folder gives them.
  const bool sorted = settings.sort_key >= 0 && settings.sort_key <= kSortExtendedText &&
                      (settings.sort_style == 0 || settings.sort_style == 1);
  if (sorted) {
    out.append(", \"sort\": {\"key\": \"")
        .append(kSortKeys[settings.sort_key])
        .append(settings.sort_style == 1 ? "\", \"descending\": true}"
                                         : "\", \"descending\": false}");
  } else {
    out += ", \"sort\": null";
  }
  out += ", \"files\": [";
}

void AppendFile(std::string& out, const FileRecord& record, bool first) {
  out += first ? "{" : ", {";
  AppendName(out, "name", record.native_name);
  out += ", \"text\": ";
  AppendJsonString(out, Cp932ToUtf8(record.extended_text));
  AppendNumber(out, "size", record.file_size);
  AppendNumber(out, "packets", record.packet_count);
  AppendNumber(out, "yen", record.packet_charge);
  AppendTime(out, "modified", record.modified_time);
  AppendTime(out, "created", record.created_time);
  out += '}';
}

void AppendDocument(const Listing& listing, const std::filesystem::path& folder,
                    const ListingSettings& settings, std::string& out, ByteSink* sink) {
  AppendHead(out, folder, settings);
  std::int64_t size = 0;
  std::int64_t packets = 0;
  std::int64_t yen = 0;
  for (const FileRecord& record : listing.records) {
    AppendFile(out, record, &record == listing.records.data());
    size += record.file_size;
    packets += record.packet_count;
    yen += record.packet_charge;
    PassFullPiece(out, sink);
  }
  out += "], \"totals\": {\"files\": " + std::to_string(listing.records.size());
  AppendNumber(out, "size", size);
  AppendNumber(out, "packets", packets);
  AppendNumber(out, "yen", yen);
  out += "}}\n";
}

}  // namespace

std::string FormatJsonListing(const Listing& listing, const std::filesystem::path& folder,
                              const ListingSettings& settings) {
  std::string out;
  AppendDocument(listing, folder, settings, out, nullptr);
  return out;
}

WriteOutcome WriteJsonListing(const Listing& listing, const std::filesystem::path& folder,
                              const std::filesystem::path& path, const ListingSettings& settings,
                              MessageSink& messages) {
  return WriteListingInPieces(
      path, PathToUtf8(path), Icon::Question, settings.over_write,
      [&](std::string& out, ByteSink* sink) {
        AppendDocument(listing, folder, settings, out, sink);
      },
      messages);
}

void StreamJsonListing(const Listing& listing, const std::filesystem::path& folder,
                       const ListingSettings& settings, ByteSink& sink) {
  StreamInPieces(sink, [&](std::string& out, ByteSink* piece_sink) {
    AppendDocument(listing, folder, settings, out, piece_sink);
  });
}

}  // namespace veldor
