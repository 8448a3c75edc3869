#pragma once
// Ordering the records of a listing.

#include <vector>

#include "engine/file_record.h"

namespace veldor {

/// 1 when a goes before b, 0 when the compared fields are equal, -1 when a goes after b,
/// -255 when key is outside 0..6 or style is neither 0 nor 1.
int CompareRecords(const FileRecord& a, const FileRecord& b, int key, int style);

/// Orders `records` exactly as a selection sort that exchanges the first best record of the
/// remainder into place would, but in O(n log n). A key or style out of range leaves the scan
/// order.
void SortRecords(std::vector<FileRecord>& records, int key, int style);

}  // namespace veldor
