#pragma once
// A shell that records what it was asked to open or start, and opens nothing.

#include "platform/shell.h"

namespace veldor::testing {

class RecordingShell : public Shell {
 public:
  void OpenFile(const std::filesystem::path& file) override { opened.push_back(file); }
  void StartProgram(const std::filesystem::path& program,
                    const std::filesystem::path& argument) override {
    started.emplace_back(program, argument);
  }

  std::vector<std::filesystem::path> opened;
  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> started;
};

}  // namespace veldor::testing
