#include "platform/dropped_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace veldor {
namespace {

// Each row: a path given, and the path dropped; "." at its start stands for the current
// folder. "/proc/self" is a symbolic link: a path through it keeps it, ".." included.
TEST(DroppedPathTest, NamesWhatTheDropNames) {
  const char* const rows[][2] = {{"photos//", "./photos"},
                                 {"photos/.", "./photos"},
                                 {"photos/..", "."},
                                 {"/proc/self/", "/proc/self"},
                                 {"/proc/self/cwd/..", "/proc/self"},
                                 {"/a//b/./c/../d/", "/a/b/d"},
                                 {"/", "/"},
                                 {"//", "/"},
                                 {"", ""}};
  for (const auto& [given, dropped] : rows) {
    std::string expected = dropped;
    if (expected.starts_with('.')) expected.replace(0, 1, std::filesystem::current_path());
    EXPECT_EQ(DroppedPath(given).string(), expected) << given;
  }
}

}  // namespace
}  // namespace veldor
