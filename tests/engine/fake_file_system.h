#pragma once
// An in-memory file system for scan tests: folders list their entries in the order given,
// and a file can be listed without a status, as one that vanished after the enumeration.

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "platform/file_system.h"

namespace veldor::testing {

class FakeFileSystem : public FileSystem {
 public:
  /// Lists `name` in `folder`; without a status it vanished after the enumeration.
  void Add(const std::filesystem::path& folder, const std::filesystem::path& name,
           std::optional<FileStatus> status, bool is_folder = false) {
    folders_[folder].push_back({name, is_folder});
    if (status) statuses_[folder / name] = *status;
    if (is_folder) folders_[folder / name];
  }

  std::optional<FileStatus> Status(const std::filesystem::path& path) override {
    const auto found = statuses_.find(path);
    return found == statuses_.end() ? std::nullopt : std::optional(found->second);
  }
  std::optional<std::vector<FolderEntry>> Enumerate(const std::filesystem::path& folder) override {
    const auto found = folders_.find(folder);
    return found == folders_.end() ? std::nullopt : std::optional(found->second);
  }

 private:
  std::map<std::filesystem::path, std::vector<FolderEntry>> folders_;
  std::map<std::filesystem::path, FileStatus> statuses_;
};

}  // namespace veldor::testing
