// Times the record sort against the plain selection sort whose order it reproduces.
//
//   veldor-sort-bench [FILES [REFERENCE_FILES]]   (defaults 100000 and 10000)

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/file_record.h"
#include "engine/sort.h"
#include "tests/engine/reference_sort.h"

namespace {

using veldor::FileRecord;

// Records like a camera folder's: shuffled IMG_nnnnnn names, sizes up to 8000 bytes (so
// packet counts and charges repeat a great deal), dates from a few hundred seconds.
std::vector<FileRecord> MakeListing(std::size_t files, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::int64_t> size(0, 8000);
  std::uniform_int_distribution<int> second(0, 599);
  std::vector<std::size_t> numbers(files);
  for (std::size_t i = 0; i < files; ++i) numbers[i] = i;
  std::shuffle(numbers.begin(), numbers.end(), rng);
  std::vector<FileRecord> records;
  records.reserve(files);
  char buffer[64];
  for (std::size_t i = 0; i < files; ++i) {
    FileRecord r;
    std::snprintf(buffer, sizeof buffer, "IMG_%06zu.jpg", numbers[i]);
    r.file_name = buffer;
    r.file_size = size(rng);
    r.packet_count = veldor::PacketsForSize(r.file_size);
    r.packet_charge = veldor::ChargeForPackets(r.packet_count, 30 * 0.01);
    const int s = second(rng);
    std::snprintf(buffer, sizeof buffer, "2003/11/05 13:%02d:%02d", s / 60, s % 60);
    r.modified_date = buffer;
    r.created_date = buffer;
    r.extended_text = r.file_name;
    records.push_back(std::move(r));
  }
  return records;
}

// Wall time and the process's CPU time: the machine may be shared, and CPU time shows the
// sort's own work when other programs compete for the cores.
struct Seconds {
  double wall = 1e300;
  double cpu = 1e300;
};

double CpuNow() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Sort>
Seconds SecondsFor(const std::vector<FileRecord>& input, Sort sort) {
  auto records = input;
  const auto wall_start = std::chrono::steady_clock::now();
  const double cpu_start = CpuNow();
  sort(records);
  const double cpu = CpuNow() - cpu_start;
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wall_start;
  return {wall.count(), cpu};
}

// The best of three runs: the best run is the least disturbed.
Seconds SortSeconds(const std::vector<FileRecord>& input, int key, int style) {
  Seconds best;
  for (int run = 0; run < 3; ++run) {
    const Seconds s = SecondsFor(
        input, [&](std::vector<FileRecord>& records) { veldor::SortRecords(records, key, style); });
    best.wall = std::min(best.wall, s.wall);
    best.cpu = std::min(best.cpu, s.cpu);
  }
  return best;
}

void Report(const char* sort, std::size_t files, const char* order, Seconds seconds) {
  const std::string label = std::string(sort) + ", " + std::to_string(files) + " records, " + order;
  std::printf("%-64s %8.4f s wall %8.4f s cpu\n", label.c_str(), seconds.wall, seconds.cpu);
}

std::size_t Argument(int argc, char** argv, int index, std::size_t fallback) {
  if (argc <= index) return fallback;
  const long value = std::strtol(argv[index], nullptr, 10);
  return value > 0 ? static_cast<std::size_t>(value) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t files = Argument(argc, argv, 1, 100000);
  const std::size_t reference_files = Argument(argc, argv, 2, 10000);
  const auto listing = MakeListing(files, 20031105);
  const auto small = MakeListing(reference_files, 20031105);

  const Seconds by_name = SortSeconds(listing, veldor::kSortFileName, 0);
  const Seconds by_charge = SortSeconds(listing, veldor::kSortPacketCharge, 0);
  const Seconds by_date = SortSeconds(listing, veldor::kSortModifiedDate, 1);
  const Seconds small_by_name = SortSeconds(small, veldor::kSortFileName, 0);
  const Seconds reference = SecondsFor(small, [](std::vector<FileRecord>& records) {
    veldor::testing::ReferenceSelectionSort(records, veldor::kSortFileName, 0);
  });

  Report("SortRecords", files, "by name ascending", by_name);
  Report("SortRecords", files, "by charge ascending (many equal)", by_charge);
  Report("SortRecords", files, "by date descending (many equal)", by_date);
  Report("SortRecords", reference_files, "by name ascending", small_by_name);
  Report("selection sort", reference_files, "by name ascending", reference);
  std::printf("ratio selection sort %zu / SortRecords %zu, by name (cpu): %.1fx\n", reference_files,
              reference_files, reference.cpu / small_by_name.cpu);
  std::printf("ratio selection sort %zu / SortRecords %zu, by name (cpu): %.1fx\n", reference_files,
              files, reference.cpu / by_name.cpu);
  return 0;
}
