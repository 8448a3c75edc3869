#pragma once
// Listings built by hand for the writer tests: names and texts in UTF-8, stored as CP932.

#include <algorithm>

#include "engine/file_record.h"
#include "text/cp932.h"

namespace veldor::testing {

/// A file modified at 2003/05/01 12:34:56, created at 2003/04/01 08:00:00; its text is its
/// name unless given.
inline FileRecord File(const std::string& name, std::int64_t size = 0, std::int64_t packets = 0,
                       std::int64_t charge = 0, const std::string& text = "") {
  return {Utf8ToCp932(name),
          size,
          packets,
          charge,
          Utf8ToCp932(text.empty() ? name : text),
          "2003/05/01 12:34:56",
          "2003/04/01 08:00:00"};
}

/// A listing of `records` in this order, with its longest name and text as the scan counts them.
inline Listing MakeListing(std::vector<FileRecord> records) {
  Listing listing{std::move(records)};
  for (const FileRecord& r : listing.records) {
    listing.longest_name = std::max(listing.longest_name, r.file_name.size());
    listing.longest_text = std::max(listing.longest_text, r.extended_text.size());
  }
  return listing;
}

}  // namespace veldor::testing
