#pragma once
// A temporary folder that is removed with everything in it when the test ends.

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace veldor::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veldor-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
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
  std::filesystem::path operator/(const std::filesystem::path& rel) const { return path_ / rel; }

  /// Writes `bytes` to the file `rel` (folders created as needed) and returns its path.
  std::filesystem::path Write(const std::filesystem::path& rel, std::string_view bytes) const {
    const auto file = path_ / rel;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  /// The bytes of the file `rel`, or "<missing>".
  std::string Read(const std::filesystem::path& rel) const {
    std::ifstream in(path_ / rel, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace veldor::testing
