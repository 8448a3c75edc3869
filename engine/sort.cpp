#include "engine/sort.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

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

int CompareNumbers(std::int64_t x, std::int64_t y) { return x < y ? -1 : (x > y ? 1 : 0); }

// <0, 0 or >0 as a's field is less than, equal to or greater than b's.
int CompareFields(const FileRecord& a, const FileRecord& b, int key) {
  if (const std::string* text = TextField(a, key)) return MbsCmp(*text, *TextField(b, key));
  return CompareNumbers(NumberField(a, key), NumberField(b, key));
}

// The same answer as MbsCmp, sooner for keys with long common beginnings (dates): the
// bytes before the first difference are equal and split into the same characters in both
// texts, so the comparison can start at the character that holds the difference.
int CompareText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t diff = 0;
  while (diff < common && a[diff] == b[diff]) ++diff;
  if (diff == common) return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
  std::size_t start = 0;
  for (;;) {
    const std::size_t next = start + (IsLeadByte(a[start]) ? 2 : 1);
    if (next > diff) break;
    start = next;
  }
  return MbsCmp(a.substr(start), b.substr(start));
}

// Dense ranks of the keys in sorted order: equal keys share a rank and a lower rank goes
// first. Ranking once lets the selection below compare plain integers.
template <typename Key, typename Cmp>
std::vector<std::uint64_t> Ranks(std::vector<std::pair<Key, std::size_t>> keyed, Cmp cmp,
                                 bool descending, std::size_t size) {
  const auto before = [&](const std::pair<Key, std::size_t>& x,
                          const std::pair<Key, std::size_t>& y) {
    const int c = cmp(x.first, y.first);
    return descending ? c > 0 : c < 0;
  };
  std::sort(keyed.begin(), keyed.end(), before);
  std::vector<std::uint64_t> rank(size);
  std::uint64_t current = 0;
  for (std::size_t k = 0; k < keyed.size(); ++k) {
    if (k > 0 && before(keyed[k - 1], keyed[k])) ++current;
    rank[keyed[k].second] = current;
  }
  return rank;
}

// Ranks of the records by `key`, without copying a string.
std::vector<std::uint64_t> RanksByKey(const std::vector<FileRecord>& records, int key,
                                      bool descending) {
  if (TextField(records.front(), key)) {
    std::vector<std::pair<std::string_view, std::size_t>> keyed;
    keyed.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
      keyed.emplace_back(*TextField(records[i], key), i);
    }
    return Ranks(std::move(keyed), CompareText, descending, records.size());
  }
  std::vector<std::pair<std::int64_t, std::size_t>> keyed;
  keyed.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i)
    keyed.emplace_back(NumberField(records[i], key), i);
  return Ranks(std::move(keyed), CompareNumbers, descending, records.size());
}

// A tournament tree over the unsorted positions whose root is the position that goes
// first, the lower position winning among equal keys: that is the record a selection sort
// picks when its candidate changes only for a record that goes strictly before it. Each
// leaf holds rank << 32 | position, so the smallest value is exactly that winner.
class Tournament {
 public:
  explicit Tournament(std::size_t positions) {
    while (leaves_ < positions) leaves_ *= 2;
    tree_.assign(2 * leaves_, kGone);
  }

  /// Sets the rank at `pos`; call Build() after the first round of Set().
  void Set(std::size_t pos, std::uint64_t rank) { tree_[leaves_ + pos] = rank << 32 | pos; }
  void Build() {
    for (std::size_t node = leaves_ - 1; node >= 1; --node) Pull(node);
  }
  std::size_t Best() const { return static_cast<std::size_t>(tree_[1] & 0xFFFFFFFFu); }
  void Update(std::size_t pos, std::uint64_t rank) { Climb(pos, rank << 32 | pos); }
  void Remove(std::size_t pos) { Climb(pos, kGone); }

 private:
  static constexpr std::uint64_t kGone = UINT64_MAX;

  void Pull(std::size_t node) { tree_[node] = std::min(tree_[2 * node], tree_[2 * node + 1]); }
  void Climb(std::size_t pos, std::uint64_t value) {
    std::size_t node = leaves_ + pos;
    tree_[node] = value;
    for (node /= 2; node >= 1; node /= 2) Pull(node);
  }

  std::size_t leaves_ = 1;
  std::vector<std::uint64_t> tree_;
};

// Puts the records in the order that a selection sort, taking the first best record of the
// remainder and exchanging it into place, gives for these ranks. The exchanges are the
// selection sort's own, so no second copy of the records is needed.
void SelectionOrder(std::vector<FileRecord>& records, std::vector<std::uint64_t> rank) {
  Tournament tree(records.size());
  for (std::size_t pos = 0; pos < records.size(); ++pos) tree.Set(pos, rank[pos]);
  tree.Build();
  for (std::size_t pos = 0; pos + 1 < records.size(); ++pos) {
    const std::size_t best = tree.Best();
    if (best != pos) {
      std::swap(records[pos], records[best]);
      std::swap(rank[pos], rank[best]);
      tree.Update(best, rank[best]);
    }
    tree.Remove(pos);
  }
}

// True when no record goes strictly before the one ahead of it: then the selection sort
// exchanges nothing. A folder's names usually arrive in this order already.
bool InOrder(const std::vector<FileRecord>& records, int key, bool descending) {
  for (std::size_t i = 1; i < records.size(); ++i) {
    const FileRecord& a = records[i - 1];
    const FileRecord& b = records[i];
    const std::string* text = TextField(a, key);
    const int c = text != nullptr ? CompareText(*text, *TextField(b, key))
                                  : CompareNumbers(NumberField(a, key), NumberField(b, key));
    if (descending ? c < 0 : c > 0) return false;
  }
  return true;
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
  if (records.size() < 2 || !ValidKey(key) || !ValidStyle(style)) return;
  if (InOrder(records, key, style == 1)) return;
  SelectionOrder(records, RanksByKey(records, key, style == 1));
}

}  // namespace veldor
