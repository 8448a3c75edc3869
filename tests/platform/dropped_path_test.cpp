#include "platform/dropped_path.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace veldor {
namespace {

TEST(DroppedPathTest, NamesWhatTheDropNames) {
  // "link" leads to "real/sub": a path through it keeps the link, as the drop gave it.
  const testing::TempFolder folder;
  std::filesystem::create_directories(folder / "real/sub");
  std::filesystem::create_directory_symlink("real/sub", folder / "link");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  // given, dropped; "." as the start of a dropped path stands for the current folder
  const char* const rows[][2] = {{"photos//", "./photos"},
                                 {"photos/.", "./photos"},
                                 {"photos/..", "."},
                                 {"link/", "./link"},
                                 {"link/..", "."},
                                 {"/a//b/./c/../d/", "/a/b/d"},
                                 {"/", "/"},
                                 {"//", "/"},
                                 {"", ""}};
  for (const auto& [given, dropped] : rows) {
    std::string expected = dropped;
    if (expected.starts_with('.')) expected.replace(0, 1, folder.path().string());
    EXPECT_EQ(DroppedPath(given).string(), expected) << given;
  }
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace veldor
