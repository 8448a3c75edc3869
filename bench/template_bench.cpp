// Times the template check on generated templates of 1 MB and 5 MB, side by side, so that a
// step that grows faster than the template shows in the ratio (linear is about 5).

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "checker/check_template.h"
#include "platform/messages.h"
#include "template_gen.h"
#include "template_rules/template_rules.h"

namespace {

class CountingMessages : public veldor::MessageSink {
 public:
  veldor::Answer Show(const veldor::Message&) override {
    ++count;
    return veldor::Answer::Ok;
  }
  std::size_t count = 0;
};

// The best of seven runs, in milliseconds: the machine is shared, and the best run is the
// one least disturbed by others.
double BestMs(const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < 7; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
  }
  return *std::min_element(times.begin(), times.end());
}

struct Sample {
  std::string bytes;
  std::filesystem::path file;
};

Sample WriteSample(const std::string& name, std::string bytes) {
  const auto file = std::filesystem::temp_directory_path() / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return {std::move(bytes), file};
}

struct Timing {
  double ms;
  std::size_t messages;
};

// One line: the times at 1, 5 and 20 MB and the ratios 5/1 and 20/5 (about 5 and 4 when the
// work grows linearly; caches make the step from 1 MB, which fits in them, somewhat larger).
void Row(const char* what, const std::function<Timing(const Sample&)>& time,
         const std::array<Sample, 3>& samples) {
  std::array<Timing, 3> t{};
  for (std::size_t i = 0; i < samples.size(); ++i) t[i] = time(samples[i]);
  std::printf("%-26s %9.1f ms %9.1f ms %9.1f ms %6.2f %6.2f   %zu / %zu\n", what, t[0].ms, t[1].ms,
              t[2].ms, t[1].ms / t[0].ms, t[2].ms / t[1].ms, t[1].messages, t[2].messages);
}

Timing TimeSplit(const Sample& s) {
  return {BestMs([&] { veldor::SplitTemplate(s.bytes); }), 0};
}

Timing TimeCheck(const Sample& s) {
  std::size_t messages = 0;
  const double ms = BestMs([&] {
    CountingMessages sink;
    veldor::CheckTemplate(s.file, sink);
    messages = sink.count;
  });
  return {ms, messages};
}

}  // namespace

int main() {
  using veldor::bench::MakeBenchTemplate;
  using veldor::bench::MakeUnclosedTemplate;
  constexpr std::array<std::size_t, 3> kMegabytes = {1, 5, 20};
  constexpr std::size_t kTagsPerMegabyte = 20000;
  std::array<Sample, 3> good;
  std::array<Sample, 3> unclosed;
  for (std::size_t i = 0; i < kMegabytes.size(); ++i) {
    const std::size_t bytes = kMegabytes[i] << 20;
    const std::size_t tags = kMegabytes[i] * kTagsPerMegabyte;
    const std::string mb = std::to_string(kMegabytes[i]);
    good[i] = WriteSample("veldor-bench-" + mb + "mb.html", MakeBenchTemplate(bytes, tags));
    unclosed[i] =
        WriteSample("veldor-bench-open-" + mb + "mb.html", MakeUnclosedTemplate(bytes, tags));
  }
  std::printf("%-26s %12s %12s %12s %6s %6s   %s\n", "best of 7", "1 MB/20k", "5 MB/100k",
              "20 MB/400k", "5/1", "20/5", "messages at 5 / 20 MB");
  Row("SplitTemplate", TimeSplit, good);
  Row("read + split + tag phase", TimeCheck, good);
  Row("every \"[@\" unclosed", TimeCheck, unclosed);
  for (const auto* samples : {&good, &unclosed}) {
    for (const Sample& s : *samples) std::filesystem::remove(s.file);
  }
  return 0;
}
