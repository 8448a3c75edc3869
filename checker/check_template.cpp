#include "checker/check_template.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "platform/out_of_memory.h"
#include "template_rules/template_rules.h"
#include "text/cp932.h"

namespace veldor {

namespace {

// Texts are written here in UTF-8 for the reader and shown in CP932.
constexpr std::string_view kGrammarCaption = "文法エラー";
constexpr std::string_view kStartMissing =
    "[@START@] が見つかりません。\r\nこの拡張タグは必ず一つ、なければいけません。";
constexpr std::string_view kStartNotAlone =
    "[@START@] 以外の文字列が同じ行にあります。\r\n"
    "この拡張タグがある行には他の文字列を書くことはできません。";
constexpr std::string_view kStopMissing =
    "[@STOP@] が見つかりません。\r\nこの拡張タグは必ず一つ、なければいけません。";
constexpr std::string_view kStopNotAlone =
    "[@STOP@] 以外の文字列が同じ行にあります。\r\n"
    "この拡張タグがある行には他の文字列を書くことはできません。";
// The repeat section's text has a blank after "@]", the other two do not.
constexpr std::string_view kUnclosed = "@]が存在しません。\r\nもう一度確認してください。";
constexpr std::string_view kUnclosedRepeat = "@] が存在しません。\r\nもう一度確認してください。";
constexpr std::string_view kRepeatOnly =
    " は繰り返し部分の中でのみ使用できる拡張タグです。\r\n"
    "[@START@] と [@STOP@]の範囲内で使用してください。";
constexpr std::string_view kNoSuchTag = " というタグは存在しません。\r\nもう一度確認してください。";
// The page builder needs a line in every section.
constexpr std::string_view kBeforeEmpty =
    "[@START@] より前に何も書かれていません。\r\n各部分に一行以上書いてください。";
constexpr std::string_view kRepeatEmpty =
    "[@START@] と [@STOP@] の間に何も書かれていません。\r\n各部分に一行以上書いてください。";
constexpr std::string_view kAfterEmpty =
    "[@STOP@] より後に何も書かれていません。\r\n各部分に一行以上書いてください。";
constexpr std::string_view kClosingCaption = "処理終了";
constexpr std::string_view kErrorsFound = "\r\nにはエラーがみつかったので、再度確認してください。";
constexpr std::string_view kNoErrors = "\r\nにエラーは見つかりませんでした。";
constexpr std::string_view kOpenCaption = "ファイルが開けません";
constexpr std::string_view kOpenFailed =
    "\r\nが開けません。削除、移動されていないか確認してください。";
constexpr std::string_view kWrongFileCaption = "ファイルが違います";
constexpr std::string_view kWrongExtension =
    "テンプレートファイルの拡張子は\r\n「.html」か「.htm」にしてください。";

enum class Section { Before, Repeat, After };

struct SectionRules {
  Section section;
  std::string_view caption;
  std::string_view unclosed;
  std::string_view empty;
  std::string_view empty_rule;
};

constexpr std::array<SectionRules, 3> kSectionRules = {{
    {Section::Before, "[@START@]以前でのエラー", kUnclosed, kBeforeEmpty, "empty-before"},
    {Section::Repeat, "繰り返し部分内でのエラー", kUnclosedRepeat, kRepeatEmpty, "empty-repeat"},
    {Section::After, "[@STOP@]以降でのエラー", kUnclosed, kAfterEmpty, "empty-after"},
}};

// Where the messages of one file go, and which file they are about.
struct Report {
  MessageSink& messages;
  std::string file;  // UTF-8

  // `prefix` is a path or a candidate from the template, already in UTF-8. `line` 0: the
  // message is about the whole file.
  void Show(std::string_view caption, std::string_view prefix, std::string_view text, Icon icon,
            std::string_view rule, std::pair<std::size_t, std::size_t> at = {},
            std::string suggestion = {}) const {
    std::string shown(prefix);
    shown += text;
    messages.ShowAt(Message{std::string(caption), std::move(shown), icon, Buttons::Ok, false},
                    MessagePlace{file, at.first, at.second, rule, std::move(suggestion)});
  }

  void GrammarError(std::string_view text, std::string_view rule,
                    std::pair<std::size_t, std::size_t> at = {}) const {
    Show(kGrammarCaption, {}, text, Icon::Exclamation, rule, at);
  }
};

// Lines and columns of offsets into a text whose first line is line `first_line` of the
// file: a CP932 double-byte character is one column. Offsets asked for only grow.
class Locator {
 public:
  Locator(std::string_view text, std::size_t first_line) : text_(text), line_(first_line) {}

  std::pair<std::size_t, std::size_t> At(std::size_t offset) {
    while (pos_ < offset) {
      if (text_[pos_] == '\n') {
        ++line_;
        column_ = 1;
        ++pos_;
      } else {
        const std::size_t length = CharLength(text_, pos_);
        pos_ += length;
        ++column_;
        // A lead byte at the end of a line takes the line break as its second byte.
        if (length == 2 && text_[pos_ - 1] == '\n') {
          ++line_;
          column_ = 1;
        }
      }
    }
    return {line_, column_};
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_;
  std::size_t column_ = 1;
};

// A marker at offset 0 counts as preceded by a line break.
bool StandsAlone(std::string_view whole, std::size_t at, std::size_t length) {
  const bool break_before = at == 0 || whole[at - 1] == '\n';
  const bool break_after = at + length < whole.size() && whole[at + length] == '\n';
  return break_before && break_after;
}

// Examines the first "[@START@]" and the "[@STOP@]" that follows it; true when any error
// was shown.
bool CheckMarkers(std::string_view whole, const Report& report) {
  bool failed = false;
  Locator locator(whole, 1);
  const std::size_t start = FindMb(whole, kStartMarker);
  if (start == std::string_view::npos) {
    report.GrammarError(kStartMissing, "start-missing");
    failed = true;
  } else if (!StandsAlone(whole, start, kStartMarker.size())) {
    report.GrammarError(kStartNotAlone, "start-not-alone", locator.At(start));
    failed = true;
  }
  // Just past the line break that follows a lone "[@START@]".
  const std::size_t stop_from =
      start == std::string_view::npos ? 0 : std::min(start + kStartMarker.size() + 1, whole.size());
  const std::size_t stop = FindMb(whole, kStopMarker, stop_from);
  if (stop == std::string_view::npos) {
    report.GrammarError(kStopMissing, "stop-missing");
    failed = true;
  } else if (!StandsAlone(whole, stop, kStopMarker.size())) {
    report.GrammarError(kStopNotAlone, "stop-not-alone", locator.At(stop));
    failed = true;
  }
  return failed;
}

// A candidate as a message quotes it: whole up to 200 bytes, else its first characters
// that fit in 200 bytes and "…", so that nested candidates cannot make the output grow
// with the square of the template.
std::string Quoted(std::string_view candidate) {
  constexpr std::size_t kLongest = 200;
  if (candidate.size() <= kLongest) return std::string(candidate);
  std::size_t end = 0;
  while (end + CharLength(candidate, end) <= kLongest) end += CharLength(candidate, end);
  return std::string(candidate.substr(0, end)) + "\x81\x63";
}

char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// Edits between two texts, letter case aside: a byte inserted, deleted or replaced, or two
// neighbours swapped, each count one.
std::size_t Edits(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const bool same = Upper(a[i - 1]) == Upper(b[j - 1]);
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same ? 0 : 1)});
      if (i > 1 && j > 1 && Upper(a[i - 1]) == Upper(b[j - 2]) &&
          Upper(a[i - 2]) == Upper(b[j - 1])) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

// The text of the tag an unknown candidate is nearest to, within two edits (the first
// such tag on a tie), or empty.
std::string NearestTag(std::string_view candidate) {
  constexpr std::size_t kMostEdits = 2;
  std::string_view nearest;
  std::size_t fewest = kMostEdits + 1;
  for (int i = 0; i <= static_cast<int>(TemplateTag::COMPANY); ++i) {
    const std::string_view tag = TagText(static_cast<TemplateTag>(i));
    const std::size_t apart = candidate.size() > tag.size() ? candidate.size() - tag.size()
                                                            : tag.size() - candidate.size();
    if (apart > kMostEdits) continue;
    if (const std::size_t edits = Edits(candidate, tag); edits < fewest) {
      fewest = edits;
      nearest = tag;
    }
  }
  return std::string(nearest);
}

// Judges one candidate; true when it is an error (and its message was shown).
bool JudgeCandidate(std::string_view candidate, const SectionRules& rules,
                    std::pair<std::size_t, std::size_t> at, const Report& report) {
  const std::optional<TemplateTag> tag = LookupTag(candidate);
  if (!tag) {
    report.Show(rules.caption, Cp932ToUtf8(Quoted(candidate)), kNoSuchTag, Icon::Exclamation,
                "no-such-tag", at, NearestTag(candidate));
    return true;
  }
  if (rules.section != Section::Repeat && IsRecordTag(*tag)) {
    report.Show(rules.caption, Cp932ToUtf8(candidate), kRepeatOnly, Icon::Exclamation,
                "repeat-only-tag", at);
    return true;
  }
  return false;
}

// Every "[@" of the section is judged, the next one searched from one character after it
// (not after its candidate), so nested candidates are judged each by itself.
bool CheckTags(std::string_view text, std::size_t first_line, const SectionRules& rules,
               const Report& report) {
  bool failed = false;
  Locator locator(text, first_line);
  TagCandidateSearch search(text);
  for (TagCandidate c = search.Next(0); c.found(); c = search.Next(c.open + 1)) {
    const auto at = locator.At(c.open);
    if (!c.closed()) {
      report.Show(rules.caption, {}, rules.unclosed, Icon::Exclamation, "unclosed-tag", at);
      failed = true;
      continue;
    }
    failed |= JudgeCandidate(text.substr(c.open, c.close + 2 - c.open), rules, at, report);
  }
  return failed;
}

std::pair<std::string_view, std::size_t> SectionText(const TemplateSections& sections,
                                                     Section section) {
  switch (section) {
    case Section::Before:
      return {sections.before, sections.before_line};
    case Section::Repeat:
      return {sections.repeat, sections.repeat_line};
    case Section::After:
      return {sections.after, sections.after_line};
  }
  return {};
}

}  // namespace

void CheckTemplate(const std::filesystem::path& path, MessageSink& messages) {
  const Report report{messages, PathToUtf8(path)};
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    report.Show(kOpenCaption, report.file, kOpenFailed, Icon::Exclamation, "open-failed");
    return;
  }
  const TemplateSections sections = SplitTemplate(*bytes);
  const bool any_empty =
      sections.before.empty() || sections.repeat.empty() || sections.after.empty();
  if (any_empty && CheckMarkers(JoinTemplateLines(*bytes), report)) {
    report.Show(kClosingCaption, report.file, kErrorsFound, Icon::Stop, "errors-found");
    return;
  }
  bool failed = false;
  // The marker lines stand in order, but a page cannot be built without a line in each
  // section: say which is empty, at the marker line that closes it (the last section: the
  // one that opens it), then judge the tags as ever.
  for (const SectionRules& rules : kSectionRules) {
    const auto [text, line] = SectionText(sections, rules.section);
    if (!text.empty()) continue;
    report.GrammarError(rules.empty, rules.empty_rule,
                        {rules.section == Section::After ? line - 1 : line, 1});
    failed = true;
  }
  for (const SectionRules& rules : kSectionRules) {
    const auto [text, line] = SectionText(sections, rules.section);
    failed |= CheckTags(text, line, rules, report);
  }
  if (failed) {
    report.Show(kClosingCaption, report.file, kErrorsFound, Icon::Stop, "errors-found");
  } else {
    report.Show(kClosingCaption, report.file, kNoErrors, Icon::None, "no-errors");
  }
}

void CheckDroppedFiles(const std::vector<std::filesystem::path>& paths, MessageSink& messages) {
  for (const std::filesystem::path& path : paths) {
    // Letter case counts: ".HTML" is refused.
    const std::string file_name = PathToCp932(path.filename());
    const std::string_view extension = FileExtension(file_name);
    if (extension == ".html" || extension == ".htm") {
      // A template too large for the memory there is is given up with a message.
      try {
        CheckTemplate(path, messages);
      } catch (const std::bad_alloc&) {
        messages.Show(OutOfMemoryMessage(path));
      }
    } else {
      const Report report{messages, PathToUtf8(path)};
      report.Show(kWrongFileCaption, {}, kWrongExtension, Icon::Exclamation, "wrong-extension");
    }
  }
}

}  // namespace veldor
