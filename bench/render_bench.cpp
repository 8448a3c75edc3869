// Times the HTML renderer on generated templates of 1 MB and 5 MB, side by side, so that a
// step that grows faster than the template shows in the ratio (linear is about 5). The
// listing is a few files, so the time is the template's own, not the listing's.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/messages.h"
#include "template_gen.h"
#include "writers/html_listing.h"

namespace {

class CountingMessages : public veldor::MessageSink {
 public:
  veldor::Answer Show(const veldor::Message&) override {
    ++count;
    return veldor::Answer::Yes;
  }
  std::size_t count = 0;
};

// The median of five runs, in milliseconds.
double MedianMs(const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
  }
  std::sort(times.begin(), times.end());
  return times[2];
}

veldor::Listing FewFiles(std::size_t files) {
  veldor::Listing listing;
  for (std::size_t i = 1; i <= files; ++i) {
    veldor::FileRecord r;
    r.file_name = "photo" + std::to_string(i) + ".jpg";
    r.extended_text = r.file_name;
    r.file_size = static_cast<std::int64_t>(i * 12345);
    r.packet_count = (r.file_size + 127) / 128;
    r.packet_charge = r.packet_count * 3 / 10;
    r.modified_date = "2004/02/03 04:05:06";
    r.created_date = "2004/01/02 03:04:05";
    listing.records.push_back(r);
  }
  return listing;
}

struct Bench {
  std::filesystem::path root = std::filesystem::temp_directory_path() / "veldor-render-bench";
  std::filesystem::path folder = root / "out";
  veldor::ListingSettings settings;
  veldor::ReplaceLists lists{root};
  CountingMessages messages;

  Bench() {
    std::filesystem::create_directories(root / "template" / "docomo");
    std::filesystem::create_directories(folder);
  }
  ~Bench() { std::filesystem::remove_all(root); }

  void AddTemplate(const std::string& name, const std::string& bytes) {
    std::ofstream(root / "template" / "docomo" / name, std::ios::binary) << bytes;
  }

  // Renders the small and the large template; prints the median times and the page sizes.
  void Row(const char* what, const std::string& small, const std::string& large,
           const veldor::Listing& listing) {
    double ms[2];
    std::uintmax_t page[2];
    const std::string* names[2] = {&small, &large};
    for (int i = 0; i < 2; ++i) {
      auto outcome = veldor::WriteOutcome::Failed;
      ms[i] = MedianMs([&] {
        outcome = RenderHtmlListing(listing, folder, *names[i], settings, lists, root / "template",
                                    messages);
      });
      const bool written = outcome == veldor::WriteOutcome::Written;
      page[i] = written ? std::filesystem::file_size(folder / *names[i]) : 0;
      if (!written) std::printf("%s: not written\n", names[i]->c_str());
    }
    std::printf("%-26s %11.1f ms %11.1f ms %7.2f   %ju / %ju\n", what, ms[0], ms[1], ms[1] / ms[0],
                page[0], page[1]);
  }
};

}  // namespace

int main() {
  using veldor::bench::MakeBenchTemplate;
  Bench bench;
  bench.AddTemplate("1mb.html", MakeBenchTemplate(1 << 20, 20000));
  bench.AddTemplate("5mb.html", MakeBenchTemplate(5 << 20, 100000));
  std::printf("%-26s %14s %14s %7s   %s\n", "median of 5", "1 MB/20k tags", "5 MB/100k tags",
              "ratio", "page bytes");
  bench.Row("render, 1 file", "1mb.html", "5mb.html", FewFiles(1));
  bench.Row("render, 3 files", "1mb.html", "5mb.html", FewFiles(3));
  bench.Row("render, empty folder", "1mb.html", "5mb.html", FewFiles(0));
  return 0;
}
