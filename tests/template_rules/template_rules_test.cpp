#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "template_rules/template_files.h"

namespace veldor {
namespace {

TEST(TemplateFilesTest, HtmlAndHtmFilesInListBoxOrder) {
  testing::TempFolder folder;
  // "\x8E\xCA.html" is a CP932 name; the list box orders it by its bytes after the Latin ones.
  for (const char* name : {"b.HTML", "a.htm", "c.html.txt", "note.txt", "htm", "\xE5\x86\x99.html"})
    folder.Write(name, "x");
#ifdef _WIN32  // where letter case makes no other name
  const std::vector<std::string> expected{"a.htm", "b.HTML", "\x8E\xCA.html"};
#else
  // A device name on Windows is offered on neither system.
  for (const char* name : {"B.html", "A.Htm", "con.html"}) folder.Write(name, "x");
  const std::vector<std::string> expected{"A.Htm", "a.htm", "B.html", "b.HTML", "\x8E\xCA.html"};
#endif
  std::filesystem::create_directories(folder / "folder.html");
  RealFileSystem file_system;
  EXPECT_EQ(FindTemplateFiles(file_system, folder.path()), expected);
  EXPECT_TRUE(FindTemplateFiles(file_system, folder / "missing").empty());
}

}  // namespace
}  // namespace veldor
