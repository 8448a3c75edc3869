#include "engine/sort.h"

#include <cstdint>
#include <numeric>

#include "text/cp932.h"

namespace veldor {

namespace {

constexpr int kInvalid = -255;

bool ValidKey(int key) { return key >= kSortFileName && key <= kSortExtendedText; }
bool ValidStyle(int style) { return style == 0 || style == 1; }

const std::string* TextField(const FileRecord& r, int key) {
  switch (key) {
    case kSortFileName:
      return &r.file_name;
    case kSortModifiedDate:
      return &r.modified_date;
    case kSortCreatedDate:
      return &r.created_date;
    case kSortExtendedText:
      return &r.extended_text;
    default:
      return nullptr;
  }
}

std::int64_t NumberField(const FileRecord& r, int key) {
  switch (key) {
    case kSortFileSize:
      return r.file_size;
    case kSortPacketCount:
      return r.packet_count;
    default:
      return r.packet_charge;
  }
}

// <0, 0 or >0 as a's field is less than, equal to or greater than b's.
int CompareFields(const FileRecord& a, const FileRecord& b, int key) {
  if (const std::string* text = TextField(a, key)) return MbsCmp(*text, *TextField(b, key));
  const std::int64_t x = NumberField(a, key);
  const std::int64_t y = NumberField(b, key);
  return x < y ? -1 : (x > y ? 1 : 0);
}

// "a goes strictly before b" for one key and style, chosen once so that the inner loop
// neither switches on the key nor copies a string.
template <typename Field, typename Cmp>
struct Precedes {
  Field field;
  Cmp cmp;
  bool descending;
  bool operator()(const FileRecord& a, const FileRecord& b) const {
    const int c = cmp(field(a), field(b));
    return descending ? c > 0 : c < 0;
  }
};

// A tournament tree over the unsorted positions. Each node holds the position of the
// record that goes first in its range, the lower position winning among equals: that is
// the record a selection sort that takes over its candidate only on "goes strictly before"
// picks for the next place.
template <typename Before>
class Tournament {
 public:
  static constexpr std::size_t kNone = SIZE_MAX;

  Tournament(const std::vector<FileRecord>& records, const std::vector<std::size_t>& at,
             Before before)
      : records_(records), at_(at), before_(before) {
    while (leaves_ < at.size()) leaves_ *= 2;
    tree_.assign(2 * leaves_, kNone);
    for (std::size_t pos = 0; pos < at.size(); ++pos) tree_[leaves_ + pos] = pos;
    for (std::size_t node = leaves_ - 1; node >= 1; --node) Pull(node);
  }

  std::size_t Best() const { return tree_[1]; }

  /// The record at `pos` changed (or left the tree when `present` is false).
  void Update(std::size_t pos, bool present) {
    std::size_t node = leaves_ + pos;
    tree_[node] = present ? pos : kNone;
    for (node /= 2; node >= 1; node /= 2) Pull(node);
  }

 private:
  void Pull(std::size_t node) {
    const std::size_t left = tree_[2 * node];
    const std::size_t right = tree_[2 * node + 1];
    if (left == kNone || right == kNone) {
      tree_[node] = left == kNone ? right : left;
    } else {
      // Positions on the left are lower, so the left one wins ties.
      tree_[node] = before_(records_[at_[right]], records_[at_[left]]) ? right : left;
    }
  }

  const std::vector<FileRecord>& records_;
  const std::vector<std::size_t>& at_;
  Before before_;
  std::size_t leaves_ = 1;
  std::vector<std::size_t> tree_;
};

template <typename Before>
void SelectionOrder(std::vector<FileRecord>& records, Before before) {
  // at[pos]: index in `records` of the record now standing at position pos + 1.
  std::vector<std::size_t> at(records.size() - 1);
  std::iota(at.begin(), at.end(), std::size_t{1});
  Tournament<Before> tree(records, at, before);
  for (std::size_t pos = 0; pos + 1 < at.size(); ++pos) {
    const std::size_t best = tree.Best();
    if (best != pos) {
      // The same exchange as the selection sort: the displaced record moves to `best`.
      std::swap(at[pos], at[best]);
      tree.Update(best, true);
    }
    tree.Update(pos, false);
  }
  std::vector<FileRecord> sorted(records.size());
  for (std::size_t pos = 0; pos < at.size(); ++pos) sorted[pos + 1] = std::move(records[at[pos]]);
  sorted[0] = std::move(records[0]);
  records.swap(sorted);
}

template <typename Field, typename Cmp>
void SortBy(std::vector<FileRecord>& records, Field field, Cmp cmp, bool descending) {
  SelectionOrder(records, Precedes<Field, Cmp>{field, cmp, descending});
}

}  // namespace

int CompareRecords(const FileRecord& a, const FileRecord& b, int key, int style) {
  if (!ValidKey(key) || !ValidStyle(style)) return kInvalid;
  const int c = CompareFields(a, b, key);
  if (c == 0) return 0;
  const bool a_first = style == 0 ? c < 0 : c > 0;
  return a_first ? 1 : -1;
}

void SortRecords(std::vector<FileRecord>& records, int key, int style) {
  // Nothing moves for an invalid key or style: every comparison would answer -255.
  if (records.size() <= 2 || !ValidKey(key) || !ValidStyle(style)) return;
  const bool descending = style == 1;
  const auto text = [](std::string_view x, std::string_view y) { return MbsCmp(x, y); };
  const auto number = [](std::int64_t x, std::int64_t y) { return x < y ? -1 : (x > y ? 1 : 0); };
  switch (key) {
    case kSortFileName:
      return SortBy(
          records, [](const FileRecord& r) -> const std::string& { return r.file_name; }, text,
          descending);
    case kSortModifiedDate:
      return SortBy(
          records, [](const FileRecord& r) -> const std::string& { return r.modified_date; }, text,
          descending);
    case kSortCreatedDate:
      return SortBy(
          records, [](const FileRecord& r) -> const std::string& { return r.created_date; }, text,
          descending);
    case kSortExtendedText:
      return SortBy(
          records, [](const FileRecord& r) -> const std::string& { return r.extended_text; }, text,
          descending);
    case kSortFileSize:
      return SortBy(
          records, [](const FileRecord& r) { return r.file_size; }, number, descending);
    case kSortPacketCount:
      return SortBy(
          records, [](const FileRecord& r) { return r.packet_count; }, number, descending);
    default:
      return SortBy(
          records, [](const FileRecord& r) { return r.packet_charge; }, number, descending);
  }
}

}  // namespace veldor
