#pragma once
// An INI file read and written by the classic private-profile rules. Each operation
// reads (and a write rewrites) the whole file; nothing stays open between operations.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veldor {

class Profile {
 public:
  explicit Profile(std::filesystem::path file);

  /// The key's value read from its leading decimal digits (0 when there are none), or
  /// `default_value` when the file, the section or the key is missing.
  int GetInt(std::string_view section, std::string_view key, int default_value) const;
  /// The key's value, or `default_value` when the file, the section or the key is missing.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) const;
  /// Writes `key=value` in place of the key's value, or at the end of its section, or in a
  /// new section at the end of the file. Returns false when the file cannot be written.
  bool WriteInt(std::string_view section, std::string_view key, int value);
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

/// One reading of a settings file for a caller that looks up many keys: the file is read
/// once, when the reading is made, and looked up as Profile does. It holds the file's text
/// and little more, so that even the largest file read takes about its own size in memory.
class ProfileReading {
 public:
  explicit ProfileReading(const Profile& profile);
  ProfileReading(const ProfileReading&) = delete;
  ProfileReading& operator=(const ProfileReading&) = delete;

  int GetInt(std::string_view section, std::string_view key, int default_value) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view default_value) const;

 private:
  std::optional<std::string> LookUp(std::string_view section, std::string_view key) const;

  std::optional<std::string> text_;
  /// Where the entries of each section looked up so far start in text_ (npos: no section).
  mutable std::vector<std::pair<std::string, std::size_t>> sections_;
};

}  // namespace veldor
