#include "platform/profile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/file_io.h"
#include "text/cp932.h"

// The file's rules, the classic private-profile ones that settings files in the field follow:
// - "[name]" starts a section; "key=value" is an entry of the section above it. Lines
//   before the first section, lines without "=" and unknown lines are kept but never match.
// - Section and key names match without regard to Latin letter case; blanks and tabs
//   around names and values are dropped on read, and one pair of matching quotes ('...'
//   or "...") around a value is removed.
// - With duplicates, the first matching section and the first matching key in it win.
// - Bytes are kept as they are (CP932); a rewrite keeps every other line as it was and
//   ends every line with CR LF.

namespace veldor {

namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) { return MbsICmp(a, b) == 0; }

// The name of a section line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// The key and value of an entry line, or nothing for a line without "=".
std::optional<Entry> EntryOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

// Where a section stands in the file: its header line and the line after its last line.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string_view>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string_view>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto entry = EntryOf(lines[i]);
    if (entry && SameName(entry->key, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The file's text in CP932, as an editor may have saved it (see Cp932FromSavedText).
std::optional<std::string> ReadText(const std::filesystem::path& file) {
  std::optional<std::string> bytes = ReadFileBytes(file);
  if (bytes) *bytes = Cp932FromSavedText(std::move(*bytes));
  return bytes;
}

// The lines of a text one after the other, as ForEachLine gives them, without a list of
// them all: a file of millions of empty lines must not take many times its size.
class LineCursor {
 public:
  LineCursor(std::string_view text, std::size_t from) : text_(text), pos_(from) {}
  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    const bool has_end = end != std::string_view::npos;
    if (!has_end) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (has_end && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    return true;
  }
  std::size_t pos() const { return pos_; }

 private:
  std::string_view text_;
  std::size_t pos_;
};

// The integer of a value: an optional sign, then the leading decimal digits; anything
// else ends the number, and a value without digits is 0. Blanks before the number are
// already gone with the trimming. The digits are taken modulo 2^32 and read as a signed
// 32-bit number, so "4294967295" reads as -1 and "-1" written by WriteInt reads back as -1;
// a caller that wants the unsigned number casts it back without loss.
int ParseInt(std::string_view value) {
  bool negative = false;
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
    negative = value.front() == '-';
    value.remove_prefix(1);
  }
  std::uint32_t number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') break;
    number = number * 10u + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) number = 0u - number;
  return static_cast<int>(number);
}

// Names with a line break, a key with "=", a section with "]" could not be read back as
// written, and a line feed in a value would plant lines of its own in the file. A lone CR
// inside a value is kept: only LF ends a line here, so a hand-edited value that holds one
// loads with it and must be saved back with it, not dropped.
bool Writable(std::string_view section, std::string_view key, std::string_view value) {
  constexpr std::string_view kBreaks = "\r\n";
  return !section.empty() && !Trim(key).empty() &&
         section.find_first_of(kBreaks) == std::string_view::npos &&
         section.find(']') == std::string_view::npos &&
         key.find_first_of(kBreaks) == std::string_view::npos &&
         key.find('=') == std::string_view::npos && value.find('\n') == std::string_view::npos;
}

std::string JoinLines(const std::vector<std::string_view>& lines) {
  std::string text;
  for (const auto line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

// Places `entry_line` in the lines: over the key, after the last non-blank line of the
// section, or in a new section at the end.
void PlaceEntry(std::vector<std::string_view>& lines, std::string_view section,
                std::string_view key, std::string_view entry_line, std::string& header) {
  const auto span = FindSection(lines, section);
  if (!span) {
    // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) on "literal" + string&&.
    header.clear();
    header.push_back('[');
    header.append(section);
    header.push_back(']');
    lines.push_back(header);
    lines.push_back(entry_line);
    return;
  }
  if (const auto at = FindKey(lines, *span, key)) {
    lines[*at] = entry_line;
    return;
  }
  std::size_t insert_at = span->end;
  while (insert_at > span->header + 1 && Trim(lines[insert_at - 1]).empty()) --insert_at;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), entry_line);
}

}  // namespace

Profile::Profile(std::filesystem::path file) : file_(std::move(file)) {}

int Profile::GetInt(std::string_view section, std::string_view key, int default_value) const {
  return ProfileReading(*this).GetInt(section, key, default_value);
}

std::string Profile::GetString(std::string_view section, std::string_view key,
                               std::string_view default_value) const {
  return ProfileReading(*this).GetString(section, key, default_value);
}

ProfileReading::ProfileReading(const Profile& profile) : text_(ReadText(profile.file())) {}

// The first section of the name, then its first entry of the key: the section's place is
// found once for all its keys.
std::optional<std::string> ProfileReading::LookUp(std::string_view section,
                                                  std::string_view key) const {
  if (!text_) return std::nullopt;
  auto known = std::find_if(sections_.begin(), sections_.end(),
                            [&](const auto& entry) { return entry.first == section; });
  if (known == sections_.end()) {
    LineCursor cursor(*text_, 0);
    std::size_t body = std::string_view::npos;
    for (std::string_view line; cursor.Next(line);) {
      const auto name = SectionName(line);
      if (name && SameName(*name, section)) {
        body = cursor.pos();
        break;
      }
    }
    sections_.emplace_back(std::string(section), body);
    known = sections_.end() - 1;
  }
  if (known->second == std::string_view::npos) return std::nullopt;
  LineCursor cursor(*text_, known->second);
  for (std::string_view line; cursor.Next(line) && !SectionName(line);) {
    const auto entry = EntryOf(line);
    if (entry && SameName(entry->key, key)) return std::string(Unquote(entry->value));
  }
  return std::nullopt;
}

int ProfileReading::GetInt(std::string_view section, std::string_view key,
                           int default_value) const {
  const auto value = LookUp(section, key);
  return value ? ParseInt(*value) : default_value;
}

std::string ProfileReading::GetString(std::string_view section, std::string_view key,
                                      std::string_view default_value) const {
  auto value = LookUp(section, key);
  return value ? std::move(*value) : std::string(default_value);
}

bool Profile::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!Writable(section, key, value)) return false;
  std::optional<std::string> text = ReadText(file_);
  if (!text) {
    // Only a missing file starts empty; one that exists but cannot be read would lose
    // every other setting if it were overwritten.
    std::error_code error;
    if (std::filesystem::status(file_, error).type() != std::filesystem::file_type::not_found) {
      return false;
    }
    text.emplace();
  }
  auto lines = SplitLines(*text);
  // The reader drops blanks around a value and one pair of quotes: a value that starts
  // with a blank (a template name, say) or stands in quotes is written in quotes, so that
  // it loads back as it was. Trailing blanks are written bare, as settings files have
  // always had them ("ext_strings=.jpg .gif .png "); no value here needs them.
  const bool quote = (!value.empty() && kBlanks.find(value.front()) != std::string_view::npos) ||
                     Unquote(value) != value;
  const std::string entry_line =
      std::string(Trim(key)) + (quote ? "=\"" : "=") + std::string(value) + (quote ? "\"" : "");
  std::string header;
  PlaceEntry(lines, section, key, entry_line, header);
  return WriteFileAtomically(file_, JoinLines(lines));
}

}  // namespace veldor
