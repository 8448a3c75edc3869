#include "checker/check_template.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <string>
#include <string_view>

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
};

constexpr std::array<SectionRules, 3> kSectionRules = {{
    {Section::Before, "[@START@]以前でのエラー", kUnclosed},
    {Section::Repeat, "繰り返し部分内でのエラー", kUnclosedRepeat},
    {Section::After, "[@STOP@]以降でのエラー", kUnclosed},
}};

// `prefix` is a path or a candidate from the template, already in UTF-8.
void Show(MessageSink& messages, std::string_view caption, std::string_view prefix,
          std::string_view text, Icon icon) {
  std::string shown(prefix);
  shown += text;
  messages.Show(Message{std::string(caption), std::move(shown), icon, Buttons::Ok, false});
}

void ShowGrammarError(MessageSink& messages, std::string_view text) {
  Show(messages, kGrammarCaption, {}, text, Icon::Exclamation);
}

// A marker at offset 0 counts as preceded by a line break.
bool StandsAlone(std::string_view whole, std::size_t at, std::size_t length) {
  const bool break_before = at == 0 || whole[at - 1] == '\n';
  const bool break_after = at + length < whole.size() && whole[at + length] == '\n';
  return break_before && break_after;
}

// Examines the first "[@START@]" and the "[@STOP@]" that follows it; true when any error
// was shown.
bool CheckMarkers(std::string_view whole, MessageSink& messages) {
  bool failed = false;
  const std::size_t start = FindMb(whole, kStartMarker);
  if (start == std::string_view::npos) {
    ShowGrammarError(messages, kStartMissing);
    failed = true;
  } else if (!StandsAlone(whole, start, kStartMarker.size())) {
    ShowGrammarError(messages, kStartNotAlone);
    failed = true;
  }
  // Just past the line break that follows a lone "[@START@]".
  const std::size_t stop_from =
      start == std::string_view::npos ? 0 : std::min(start + kStartMarker.size() + 1, whole.size());
  const std::size_t stop = FindMb(whole, kStopMarker, stop_from);
  if (stop == std::string_view::npos) {
    ShowGrammarError(messages, kStopMissing);
    failed = true;
  } else if (!StandsAlone(whole, stop, kStopMarker.size())) {
    ShowGrammarError(messages, kStopNotAlone);
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

// Judges one candidate; true when it is an error (and its message was shown).
bool JudgeCandidate(std::string_view candidate, const SectionRules& rules, MessageSink& messages) {
  const std::optional<TemplateTag> tag = LookupTag(candidate);
  if (!tag) {
    Show(messages, rules.caption, Cp932ToUtf8(Quoted(candidate)), kNoSuchTag, Icon::Exclamation);
    return true;
  }
  if (rules.section != Section::Repeat && IsRecordTag(*tag)) {
    Show(messages, rules.caption, Cp932ToUtf8(candidate), kRepeatOnly, Icon::Exclamation);
    return true;
  }
  return false;
}

// Every "[@" of the section is judged, the next one searched from one character after it
// (not after its candidate), so nested candidates are judged each by itself.
bool CheckTags(std::string_view text, const SectionRules& rules, MessageSink& messages) {
  bool failed = false;
  TagCandidateSearch search(text);
  for (TagCandidate c = search.Next(0); c.found(); c = search.Next(c.open + 1)) {
    if (!c.closed()) {
      Show(messages, rules.caption, {}, rules.unclosed, Icon::Exclamation);
      failed = true;
      continue;
    }
    failed |= JudgeCandidate(text.substr(c.open, c.close + 2 - c.open), rules, messages);
  }
  return failed;
}

std::string_view SectionText(const TemplateSections& sections, Section section) {
  switch (section) {
    case Section::Before:
      return sections.before;
    case Section::Repeat:
      return sections.repeat;
    case Section::After:
      return sections.after;
  }
  return {};
}

}  // namespace

void CheckTemplate(const std::filesystem::path& path, MessageSink& messages) {
  const std::string shown_path = PathToUtf8(path);
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    Show(messages, kOpenCaption, shown_path, kOpenFailed, Icon::Exclamation);
    return;
  }
  const TemplateSections sections = SplitTemplate(*bytes);
  const bool any_empty =
      sections.before.empty() || sections.repeat.empty() || sections.after.empty();
  if (any_empty && CheckMarkers(JoinTemplateLines(*bytes), messages)) {
    Show(messages, kClosingCaption, shown_path, kErrorsFound, Icon::Stop);
    return;
  }
  bool failed = false;
  // The marker lines stand in order, but a page cannot be built without a line in each
  // section: say which is empty, then judge the tags as ever.
  for (const auto& [section, text] : {std::pair{Section::Before, kBeforeEmpty},
                                      {Section::Repeat, kRepeatEmpty},
                                      {Section::After, kAfterEmpty}}) {
    if (!SectionText(sections, section).empty()) continue;
    ShowGrammarError(messages, text);
    failed = true;
  }
  for (const SectionRules& rules : kSectionRules) {
    failed |= CheckTags(SectionText(sections, rules.section), rules, messages);
  }
  if (failed) {
    Show(messages, kClosingCaption, shown_path, kErrorsFound, Icon::Stop);
  } else {
    Show(messages, kClosingCaption, shown_path, kNoErrors, Icon::None);
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
      Show(messages, kWrongFileCaption, {}, kWrongExtension, Icon::Exclamation);
    }
  }
}

}  // namespace veldor
