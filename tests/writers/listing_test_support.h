#pragma once
// Listings built by hand for the writer tests: names and texts in UTF-8, stored as CP932.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "engine/file_record.h"
#include "text/cp932.h"

namespace veldor::testing {

struct RecordRow {
  RecordRow(std::string name_, std::int64_t size_ = 0, std::int64_t packets_ = 0,
            std::int64_t charge_ = 0, std::string modified_ = "2003/05/01 12:34:56",
            std::string created_ = "2003/04/01 08:00:00", std::string text_ = "")
      : name(std::move(name_)),
        size(size_),
        packets(packets_),
        charge(charge_),
        modified(std::move(modified_)),
        created(std::move(created_)),
        text(std::move(text_)) {}

  std::string name;  // UTF-8
  std::int64_t size;
  std::int64_t packets;
  std::int64_t charge;
  std::string modified;
  std::string created;
  std::string text;  // UTF-8; the name when empty
};

/// A listing of `rows` in this order, with its longest name and text as the scan counts them.
inline Listing MakeListing(std::initializer_list<RecordRow> rows) {
  Listing listing;
  for (const RecordRow& row : rows) {
    FileRecord record;
    record.file_name = Utf8ToCp932(row.name);
    record.file_size = row.size;
    record.packet_count = row.packets;
    record.packet_charge = row.charge;
    record.extended_text = Utf8ToCp932(row.text.empty() ? row.name : row.text);
    record.modified_date = row.modified;
    record.created_date = row.created;
    listing.longest_name = std::max(listing.longest_name, record.file_name.size());
    listing.longest_text = std::max(listing.longest_text, record.extended_text.size());
    listing.records.push_back(record);
  }
  return listing;
}

/// `count` files named a.jpg, the first of them with a list text of `text_bytes` bytes.
inline Listing ManyFilesOneLongText(std::size_t count, std::size_t text_bytes) {
  Listing listing;
  FileRecord record;
  record.file_name = "a.jpg";
  record.extended_text = "a.jpg";
  listing.records.resize(count + 1, record);
  listing.records[0] = FileRecord{};
  listing.records[1].extended_text.assign(text_bytes, 'x');
  listing.longest_name = 5;
  listing.longest_text = text_bytes;
  return listing;
}

/// Column flags 1..6 (size, modified, created, packets, charge, extended text).
inline std::array<int, 7> Columns(int size, int modified, int created, int packets, int charge,
                                  int text) {
  return {0, size, modified, created, packets, charge, text};
}

}  // namespace veldor::testing
