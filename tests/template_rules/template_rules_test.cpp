#include "template_rules/template_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace veldor {
namespace {

constexpr auto npos = std::string_view::npos;

struct SplitCase {
  const char* name;
  std::string file;
  std::string before;
  std::string repeat;
  std::string after;
};

class SplitTemplateTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTemplateTest, GivesSections) {
  const SplitCase& c = GetParam();
  const TemplateSections sections = SplitTemplate(c.file);
  EXPECT_EQ(sections.before, c.before);
  EXPECT_EQ(sections.repeat, c.repeat);
  EXPECT_EQ(sections.after, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, SplitTemplateTest,
    ::testing::Values(
        SplitCase{"WellFormedCrLf", "<h1>\r\n[@START@]\r\n<li>\r\n[@STOP@]\r\n</ul>\r\n", "<h1>\n",
                  "<li>\n", "</ul>\n"},
        SplitCase{"MarkersWithBlanksOrLowerCaseAreOrdinaryLines",
                  "[@START@] \n\t[@START@]\n[@start@]\n[@START@]\nr\n[@STOP@]\n [@STOP@]\n",
                  "[@START@] \n\t[@START@]\n[@start@]\n", "r\n", " [@STOP@]\n"},
        SplitCase{"FirstLineStartLeavesBeforeEmpty", "[@START@]\nr\n[@STOP@]\na\n", "", "r\n",
                  "a\n"},
        SplitCase{"LastLineStopLeavesAfterEmpty", "b\n[@START@]\nr\n[@STOP@]\n", "b\n", "r\n", ""},
        SplitCase{"AdjacentMarkersLeaveRepeatEmpty", "b\n[@START@]\n[@STOP@]\na\n", "b\n", "",
                  "a\n"},
        SplitCase{"EmptyFile", "", "", "", ""},
        SplitCase{"NoMarkersIsAllAfter", "x\n\ny", "", "", "x\n\ny\n"},
        SplitCase{"LastLineWithoutBreakEndsWithLf", "b\n[@START@]\nr\n[@STOP@]\na", "b\n", "r\n",
                  "a\n"},
        SplitCase{"MarkerWithoutBreakAtEnd", "b\n[@START@]\nr\n[@STOP@]", "b\n", "r\n", ""},
        // Only the CR directly before the LF goes, so "[@START@]\r" is an ordinary line.
        SplitCase{"LoneCrStaysInLine", "a\rb\r\n[@START@]\r\r\n", "", "", "a\rb\n[@START@]\r\n"},
        SplitCase{"SecondStartKeepsOnlyTextSinceThePreviousMarker",
                  "top\n[@START@]\nmid\n[@START@]\nrep\n[@STOP@]\ntail\n", "mid\n", "rep\n",
                  "tail\n"},
        SplitCase{"StopAboveStart", "r\n[@STOP@]\nb\n[@START@]\na\n", "b\n", "r\n", "a\n"}),
    [](const auto& row) { return std::string(row.param.name); });

struct CandidateCase {
  const char* name;
  std::string text;
  std::size_t from;
  std::size_t open;
  std::size_t close;
};

class FindTagCandidateTest : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(FindTagCandidateTest, FindsOpenAndClose) {
  const CandidateCase& c = GetParam();
  const TagCandidate found = FindTagCandidate(c.text, c.from);
  EXPECT_EQ(found.open, c.open);
  if (found.found()) {
    EXPECT_EQ(found.close, c.close);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindTagCandidateTest,
    ::testing::Values(CandidateCase{"Plain", "ab[@FNAME@]cd", 0, 2, 9},
                      CandidateCase{"FromSkipsEarlier", "[@A@][@B@]", 1, 5, 8},
                      CandidateCase{"AtSignOfOpenNeverCloses", "[@]", 0, 0, npos},
                      CandidateCase{"EmptyName", "[@@]", 0, 0, 2},
                      CandidateCase{"AcrossLines", "[@FNA\nME@]", 0, 0, 8},
                      CandidateCase{"CloseBeforeOpenIgnored", "@] [@A", 0, 3, npos},
                      CandidateCase{"None", "no tags here", 0, npos, npos},
                      // 0x81 0x5B is one character, so its "[" never starts a candidate.
                      CandidateCase{"TrailByteBracketDoesNotOpen", "\x81[@FNAME@]", 0, npos, npos},
                      CandidateCase{"TrailByteBracketThenRealOpen", "\x81[@X [@Y@]", 0, 5, 8},
                      // 0x81 0x40 is one character, so its "@" never starts the close.
                      CandidateCase{"TrailByteAtSignDoesNotClose", "[@X\x81@]@]", 0, 0, 6}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LookupTagTest, NamesEachTagInTableOrder) {
  const std::vector<std::string> texts = {"[@FNAME@]", "[@MDATE@]",  "[@CDATE@]", "[@FTEXT@]",
                                          "[@FSIZE@]", "[@PYEN@]",   "[@PSIZE@]", "[@DNAME@]",
                                          "[@DTEXT@]", "[@COMPANY@]"};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto tag = static_cast<TemplateTag>(i);
    EXPECT_EQ(TagText(tag), texts[i]);
    EXPECT_EQ(LookupTag(texts[i]), tag) << texts[i];
    EXPECT_EQ(IsRecordTag(tag), i < 7) << texts[i];
  }
}

// The checker's pass: every "[@", resuming one character after it.
TEST(TagCandidateSearchTest, AgreesWithFindTagCandidateOnRandomTexts) {
  const std::string alphabet[] = {"[", "@", "]", "x", "\n", "\x81", "\x81@", "[@", "@]"};
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += alphabet[random() % std::size(alphabet)];
    TagCandidateSearch search(text);
    std::size_t from = 0;
    for (;;) {
      const TagCandidate expected = FindTagCandidate(text, from);
      const TagCandidate got = search.Next(from);
      ASSERT_EQ(got.open, expected.open) << text;
      ASSERT_EQ(got.close, expected.close) << text;
      if (!got.found()) break;
      from = got.open + 1;
    }
  }
}

}  // namespace
}  // namespace veldor
