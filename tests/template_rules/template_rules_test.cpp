#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "template_rules/template_files.h"

namespace veldor {
namespace {

TEST(TemplateFilesTest, HtmlAndHtmFilesInListBoxOrder) {
  testing::TempFolder folder;
  // "\x8E\xCA.html" is a CP932 name; the list box orders it by its bytes after the Latin ones.
  for (const char* name : {"b.HTML", "a.htm", "B.html", "c.html.txt", "note.txt", "htm", "A.Htm",
                           "\xE5\x86\x99.html"}) {
    folder.Write(name, "x");
  }
  std::filesystem::create_directories(folder / "folder.html");
  RealFileSystem file_system;
  EXPECT_EQ(FindTemplateFiles(file_system, folder.path()),
            (std::vector<std::string>{"A.Htm", "a.htm", "B.html", "b.HTML", "\x8E\xCA.html"}));
  EXPECT_TRUE(FindTemplateFiles(file_system, folder / "missing").empty());
}

}  // namespace
}  // namespace veldor
