#pragma once
// A temporary folder that is removed with everything in it when the test ends.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace veldor::testing {

/// A path relative to a folder. A string is read as UTF-8 on every system: Windows would
/// otherwise read its bytes in the C library's code page.
struct Rel {
  Rel(const std::filesystem::path& rel) : path(rel) {}
  Rel(std::string_view utf8) : path(std::u8string(utf8.begin(), utf8.end())) {}
  Rel(const char* utf8) : Rel(std::string_view(utf8)) {}
  Rel(const std::string& utf8) : Rel(std::string_view(utf8)) {}
  std::filesystem::path path;
};

class TempFolder {
 public:
  TempFolder() {
    // A new folder of a random name; create_directory fails on one that exists, so a
    // clash only costs another try.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() / ("veldor-test-" + std::to_string(random()));
      std::error_code ec;
      if (std::filesystem::create_directory(path_, ec) && !ec) return;
    }
    std::abort();
  }
  ~TempFolder() {
    std::error_code ec;
    // A test may have taken write permission away; give it back before removing.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const Rel& rel) const { return path_ / rel.path; }

  /// Writes `bytes` to the file `rel` (folders created as needed) and returns its path.
  std::filesystem::path Write(const Rel& rel, std::string_view bytes) const {
    const auto file = path_ / rel.path;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  /// The bytes of the file `rel`, or "<missing>".
  std::string Read(const Rel& rel) const {
    std::ifstream in(path_ / rel.path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace veldor::testing
