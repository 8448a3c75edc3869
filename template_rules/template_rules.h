#pragma once
// The grammar shared by the HTML writer and the template checker: marker lines, the three
// sections, tag candidates and the ten tags.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veldor {

/// The marker lines that frame the repeat section, and the opening of every tag.
inline constexpr std::string_view kStartMarker = "[@START@]";
inline constexpr std::string_view kStopMarker = "[@STOP@]";
inline constexpr std::string_view kTagOpen = "[@";

/// The three sections of a template; each line is followed by "\n". A section is a run of
/// the file's lines; `*_line` is the 1-based line of the file its first line stands on
/// (where that line would stand when the section is empty).
struct TemplateSections {
  std::string before;
  std::string repeat;
  std::string after;
  std::size_t before_line = 1;
  std::size_t repeat_line = 1;
  std::size_t after_line = 1;
};

/// The ten tags, in the order candidates are compared against them.
enum class TemplateTag { FNAME, MDATE, CDATE, FTEXT, FSIZE, PYEN, PSIZE, DNAME, DTEXT, COMPANY };

/// The tag's text, such as "[@FNAME@]".
std::string_view TagText(TemplateTag tag);
/// True for the seven file tags, which belong in the repeat section.
bool IsRecordTag(TemplateTag tag);

/// Splits a template's bytes into its sections. A marker line ("[@START@]" or "[@STOP@]",
/// alone on its line) hands what was gathered since the previous marker line to its section.
TemplateSections SplitTemplate(std::string_view file_bytes);

/// The whole text of a template, every line followed by "\n", marker lines included.
std::string JoinTemplateLines(std::string_view file_bytes);

/// A tag candidate: "[@" at `open`, and the "@]" that closes it at `close` (npos when none
/// does). The candidate is text[open, close + 2).
struct TagCandidate {
  std::size_t open = std::string_view::npos;
  std::size_t close = std::string_view::npos;

  bool found() const { return open != std::string_view::npos; }
  bool closed() const { return close != std::string_view::npos; }
};

/// The first "[@" at or after `from` (a character boundary) and its closing "@]", searched
/// from two characters after the "[@". Matches start only at character boundaries.
TagCandidate FindTagCandidate(std::string_view text, std::size_t from);

/// The same search as FindTagCandidate over one text, for callers whose starts only grow (the
/// checker resumes one character after each "[@"). It remembers the last "@]" it found, so a
/// whole pass over the text stays linear even when candidates nest or stay unclosed.
class TagCandidateSearch {
 public:
  /// `text` must outlive the search.
  explicit TagCandidateSearch(std::string_view text);
  /// As FindTagCandidate(text, from). Any `from` gives the right answer; starts that only
  /// grow keep a whole pass linear.
  TagCandidate Next(std::size_t from);

 private:
  std::string_view text_;
  bool searched_ = false;
  std::size_t last_close_from_ = 0;
  std::size_t last_close_ = std::string_view::npos;
};

/// The tag `candidate` names, compared exactly; nothing when it names none.
std::optional<TemplateTag> LookupTag(std::string_view candidate);

}  // namespace veldor
