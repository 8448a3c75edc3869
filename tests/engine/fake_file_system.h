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
  /// Lists `name` in `folder` with `status`.
  void AddFile(const std::filesystem::path& folder, const std::filesystem::path& name,
               FileStatus status) {
    folders_[folder].push_back({name, false});
    statuses_[folder / name] = status;
  }
  /// Lists `name` in `folder`, but its status can no longer be read.
  void AddVanishedFile(const std::filesystem::path& folder, const std::filesystem::path& name) {
    folders_[folder].push_back({name, false});
  }
  void AddSubfolder(const std::filesystem::path& folder, const std::filesystem::path& name) {
    folders_[folder].push_back({name, true});
    folders_[folder / name];
  }

  std::optional<FileStatus> Status(const std::filesystem::path& path) override {
    const auto found = statuses_.find(path);
    if (found == statuses_.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::vector<FolderEntry>> Enumerate(const std::filesystem::path& folder) override {
    const auto found = folders_.find(folder);
    if (found == folders_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::filesystem::path, std::vector<FolderEntry>> folders_;
  std::map<std::filesystem::path, FileStatus> statuses_;
};

}  // namespace veldor::testing
