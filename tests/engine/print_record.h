#pragma once
// Shows a FileRecord field by field (texts in UTF-8) when a test comparing records fails.

#include <ostream>

#include "engine/file_record.h"
#include "text/cp932.h"

namespace veldor {

inline void PrintTo(const FileRecord& r, std::ostream* out) {
  *out << "{" << Cp932ToUtf8(r.file_name) << ", " << r.file_size << " B, " << r.packet_count
       << " packets, " << r.packet_charge << " yen, text " << Cp932ToUtf8(r.extended_text)
       << ", modified " << r.modified_date << ", created " << r.created_date << "}";
}

}  // namespace veldor
