#include "template_rules/template_rules.h"

#include <array>

#include "platform/file_io.h"
#include "text/cp932.h"

namespace veldor {

namespace {

constexpr std::string_view kClose = "@]";

// Table order: a candidate is compared against the tags in this order.
constexpr std::array<std::string_view, 10> kTagTexts = {
    "[@FNAME@]", "[@MDATE@]", "[@CDATE@]", "[@FTEXT@]", "[@FSIZE@]",
    "[@PYEN@]",  "[@PSIZE@]", "[@DNAME@]", "[@DTEXT@]", "[@COMPANY@]"};

}  // namespace

std::string_view TagText(TemplateTag tag) { return kTagTexts[static_cast<std::size_t>(tag)]; }

bool IsRecordTag(TemplateTag tag) {
  return static_cast<std::size_t>(tag) <= static_cast<std::size_t>(TemplateTag::PSIZE);
}

TemplateSections SplitTemplate(std::string_view file_bytes) {
  // First where each section's lines lie in the file (a marker hands over what was
  // gathered since the previous marker line and replaces whatever its section held), then
  // each section built once at its size: a large template takes its size once more, not
  // twice or three times over while its sections grow.
  struct Range {
    std::size_t from = 0, to = 0;
  };
  Range before, repeat;
  std::size_t gathered_from = 0;
  ForEachLine(file_bytes, [&](std::string_view line) {
    const auto at = static_cast<std::size_t>(line.data() - file_bytes.data());
    if (line != kStartMarker && line != kStopMarker) return;
    (line == kStartMarker ? before : repeat) = Range{gathered_from, at};
    const std::size_t end = file_bytes.find('\n', at);
    gathered_from = end == std::string_view::npos ? file_bytes.size() : end + 1;
  });
  const auto build = [&](Range range) {
    const std::string_view lines = file_bytes.substr(range.from, range.to - range.from);
    std::string section;
    section.reserve(lines.size() + 1);
    ForEachLine(lines, [&](std::string_view line) {
      section.append(line);
      section.push_back('\n');
    });
    return section;
  };
  return TemplateSections{build(before), build(repeat),
                          build(Range{gathered_from, file_bytes.size()})};
}

std::string JoinTemplateLines(std::string_view file_bytes) {
  std::string whole;
  whole.reserve(file_bytes.size() + 1);
  ForEachLine(file_bytes, [&](std::string_view line) {
    whole.append(line);
    whole.push_back('\n');
  });
  return whole;
}

TagCandidate FindTagCandidate(std::string_view text, std::size_t from) {
  TagCandidate candidate;
  candidate.open = FindMb(text, kTagOpen, from);
  // "[" and "@" are single-byte characters, so open + 2 is the next character boundary.
  if (candidate.found()) candidate.close = FindMb(text, kClose, candidate.open + 2);
  return candidate;
}

TagCandidateSearch::TagCandidateSearch(std::string_view text) : text_(text) {}

TagCandidate TagCandidateSearch::Next(std::size_t from) {
  TagCandidate candidate;
  candidate.open = FindMb(text_, kTagOpen, from);
  if (!candidate.found()) return candidate;
  const std::size_t close_from = candidate.open + 2;
  // The first "@]" at or after an earlier start is also the first one at or after any later
  // start up to it, so nested and unclosed candidates do not rescan the text.
  const bool known = searched_ && close_from >= last_close_from_ &&
                     (last_close_ == std::string_view::npos || close_from <= last_close_);
  if (!known) {
    last_close_from_ = close_from;
    last_close_ = FindMb(text_, kClose, close_from);
    searched_ = true;
  }
  candidate.close = last_close_;
  return candidate;
}

std::optional<TemplateTag> LookupTag(std::string_view candidate) {
  // Two texts are equal character by character exactly when they are equal byte for byte.
  for (std::size_t i = 0; i < kTagTexts.size(); ++i) {
    if (candidate == kTagTexts[i]) return static_cast<TemplateTag>(i);
  }
  return std::nullopt;
}

}  // namespace veldor
