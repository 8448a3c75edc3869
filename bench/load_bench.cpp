// Peak memory and time of loading the files a user controls at their largest (64 MiB, the
// most that is read): a settings file of empty lines, a list file of "a,b" lines, and a
// template of tagged lines, rendered into a page and checked. Each load runs in a child
// process, whose peak resident memory is compared with 4 x the file's size + 32 MiB.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "checker/check_template.h"
#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_io.h"
#include "platform/profile.h"
#include "writers/html_listing.h"

namespace {

namespace fs = std::filesystem;

class QuietMessages : public veldor::MessageSink {
 public:
  veldor::Answer Show(const veldor::Message&) override { return veldor::Answer::Ok; }
};

// Writes `head`, then `line` over and over until the file holds `size` bytes (the last
// line cut short).
void Fill(const fs::path& file, const std::string& head, const std::string& line,
          std::size_t size) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << head;
  std::string piece;
  while (piece.size() < (std::size_t{1} << 20)) piece += line;
  for (std::size_t left = size - head.size(); left > 0;) {
    const std::size_t n = std::min(left, piece.size());
    out.write(piece.data(), static_cast<std::streamsize>(n));
    left -= n;
  }
}

// Runs `load` in a child; prints its peak resident memory, its time and the bound.
void Measure(const char* what, const fs::path& file, const std::function<void()>& load) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    load();
    ::_exit(0);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  const double size_mib = static_cast<double>(fs::file_size(file)) / (1 << 20);
  const double peak_mib = static_cast<double>(usage.ru_maxrss) / 1024;
  const double bound_mib = 4 * size_mib + 32;
  std::printf("%-34s %6.1f MiB file  peak %7.1f MiB  (bound %6.1f MiB, %s)  %6.2f s%s\n", what,
              size_mib, peak_mib, bound_mib, peak_mib <= bound_mib ? "ok" : "MISSED", took.count(),
              WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "  (failed)");
}

}  // namespace

int main() {
  const fs::path root =
      fs::temp_directory_path() / ("veldor-load-bench-" + std::to_string(::getpid()));
  const std::size_t size = veldor::kLargestReadFile;
  Fill(root / "quorsel.ini", "", "\r\n", size);
  Fill(root / "replace_list.csv", "", "a,b\r\n", size);
  Fill(root / "template/docomo/index.html", "a\n[@START@]\n[@FNAME@]\n[@STOP@]\n",
       "<p>[@DNAME@] [@COMPANY@]</p>\n", size);
  fs::create_directories(root / "out");
  Measure("start-up child, nothing loaded", root / "quorsel.ini", [] {});
  Measure("settings (empty lines)", root / "quorsel.ini", [&] {
    veldor::ListingSettings settings;
    veldor::LoadSettings(settings, veldor::Profile(root / "quorsel.ini"));
  });
  Measure("list (a,b lines)", root / "replace_list.csv", [&] {
    veldor::ReplaceLists lists(root);
    lists.LoadReplaceList(veldor::ListKind::FileNames);
  });
  Measure("template rendered (tagged lines)", root / "template/docomo/index.html", [&] {
    veldor::ReplaceLists lists(root);
    veldor::ListingSettings settings;
    QuietMessages messages;
    veldor::RenderHtmlListing(veldor::Listing{}, root / "out", "index.html", settings, lists,
                              root / "template", messages);
  });
  Measure("template checked (tagged lines)", root / "template/docomo/index.html", [&] {
    QuietMessages messages;
    veldor::CheckTemplate(root / "template/docomo/index.html", messages);
  });
  // The same lines as the repeat section, filled for one file.
  Fill(root / "template/docomo/repeat.html", "a\n[@START@]\n", "<p>[@FNAME@] [@PSIZE@]</p>\n",
       size - 12);
  std::ofstream(root / "template/docomo/repeat.html", std::ios::app) << "\n[@STOP@]\nz\n";
  Measure("template repeat rendered (1 file)", root / "template/docomo/repeat.html", [&] {
    veldor::ReplaceLists lists(root);
    veldor::ListingSettings settings;
    QuietMessages messages;
    veldor::FileRecord file;
    file.file_name = "a.jpg";
    veldor::RenderHtmlListing(veldor::Listing{{file}, 5, 5}, root / "out", "repeat.html", settings,
                              lists, root / "template", messages);
  });
  std::error_code ignored;
  fs::remove_all(root, ignored);
  return 0;
}
