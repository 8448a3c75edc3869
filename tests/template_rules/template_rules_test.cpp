#include "template_rules/template_rules.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_folder.h"
#include "template_rules/template_files.h"

namespace veldor {
namespace {

// Only lines that are exactly a marker count; a marker hands over the text gathered since
// the previous one, so a second start keeps only the text since the first, and a stop
// above the start still closes the repeat section. Lines end in LF (only a CR directly
// before the LF goes); without markers everything is after.
TEST(TemplateRulesTest, SplitTemplateGivesSections) {
  const std::tuple<std::string_view, const char*, const char*, const char*> rows[] = {
      {"<h\r1>\r\r\n[@START@]\r\n<li>\r\n[@STOP@]\r\n</ul>\r\n", "<h\r1>\r\n", "<li>\n", "</ul>\n"},
      {"[@START@] \n\t[@START@]\n[@start@]\n[@START@]\nr\n[@STOP@]\n [@STOP@]\n",
       "[@START@] \n\t[@START@]\n[@start@]\n", "r\n", " [@STOP@]\n"},
      {"[@START@]\n[@STOP@]", "", "", ""},
      {"x\n\ny", "", "", "x\n\ny\n"},
      {"top\n[@START@]\nmid\n[@START@]\nrep\n[@STOP@]\ntail", "mid\n", "rep\n", "tail\n"},
      {"r\n[@STOP@]\nb\n[@START@]\na\n", "b\n", "r\n", "a\n"}};
  for (const auto& [file, before, repeat, after] : rows) {
    const TemplateSections sections = SplitTemplate(file);
    EXPECT_EQ(std::tie(sections.before, sections.repeat, sections.after),
              std::make_tuple(std::string(before), std::string(repeat), std::string(after)))
        << file;
  }
}

// The checker's pass, every "[@" resuming one character after it, against the plain search
// that the page builder uses; "\x81[" and "\x81@" are double-byte characters that start nothing.
TEST(TemplateRulesTest, TagCandidateSearchAgreesWithFindTagCandidateOnRandomTexts) {
  const std::string alphabet[] = {"[", "@", "]", "x", "\n", "\x81", "\x81@", "[@", "@]"};
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += alphabet[random() % std::size(alphabet)];
    TagCandidateSearch search(text);
    for (std::size_t from = 0;;) {
      const TagCandidate expected = FindTagCandidate(text, from);
      const TagCandidate got = search.Next(from);
      ASSERT_EQ(got.open, expected.open) << text;
      ASSERT_EQ(got.close, expected.close) << text;
      if (!got.found()) break;
      from = got.open + 1;
    }
  }
}

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
