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
  TemplateSections sections;
  std::string gathering;
  std::size_t line_number = 0;
  std::size_t gathering_line = 1;
  ForEachLine(file_bytes, [&](std::string_view line) {
    ++line_number;
    // A marker hands over what was gathered and replaces whatever its section held.
    if (line == kStartMarker) {
      sections.before = std::move(gathering);
      sections.before_line = gathering_line;
      gathering.clear();
      gathering_line = line_number + 1;
    } else if (line == kStopMarker) {
      sections.repeat = std::move(gathering);
      sections.repeat_line = gathering_line;
      gathering.clear();
      gathering_line = line_number + 1;
    } else {
      gathering.append(line);
      gathering.push_back('\n');
    }
  });
  sections.after = std::move(gathering);
  sections.after_line = gathering_line;
  return sections;
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
