#pragma once
// The plain selection sort that fixes the order of a listing: for each place, the first
// record of the remainder that goes strictly before the candidate takes over, then the
// place and the chosen position are exchanged. Quadratic; kept as the reference that the
// fast sort must match, instability included.

#include <utility>
#include <vector>

#include "engine/file_record.h"
#include "engine/sort.h"

namespace veldor::testing {

inline void ReferenceSelectionSort(std::vector<FileRecord>& records, int key, int style) {
  const std::size_t count = records.size();
  for (std::size_t i = 0; i + 1 < count; ++i) {
    std::size_t best = i;
    FileRecord candidate = records[i];
    for (std::size_t j = i + 1; j < count; ++j) {
      if (CompareRecords(records[j], candidate, key, style) == 1) {
        best = j;
        candidate = records[j];
      }
    }
    records[best] = records[i];
    records[i] = std::move(candidate);
  }
}

}  // namespace veldor::testing
