#include "engine/replace_list.h"

#include <algorithm>
#include <new>
#include <system_error>

#include "platform/file_io.h"
#include "platform/out_of_memory.h"
#include "text/cp932.h"

namespace veldor {

void ReplaceList::Clear() {
  bytes_.clear();
  name_starts_.clear();
  text_starts_.clear();
  slots_.clear();
  distinct_ = 0;
}

void ReplaceList::Add(std::size_t name_start, std::size_t text_start) {
  // A list is read from a file of at most 64 MiB; anything near 4 GiB is beyond memory anyway.
  if (bytes_.size() > UINT32_MAX) throw std::bad_alloc();
  name_starts_.push_back(static_cast<std::uint32_t>(name_start));
  text_starts_.push_back(static_cast<std::uint32_t>(text_start));
  Index(static_cast<std::uint32_t>(size() - 1));
}

// NOLINTNEXTLINE(misc-no-recursion): a rehash re-enters once, into a table that then has room
void ReplaceList::Index(std::uint32_t entry) {
  if ((distinct_ + 1) * 4 > slots_.size() * 3) {
    std::vector<std::uint32_t> old(std::max<std::size_t>(16, slots_.size() * 2), 0);
    old.swap(slots_);
    distinct_ = 0;
    for (const std::uint32_t slot : old) {
      if (slot != 0) Index(slot - 1);
    }
  }
  const std::string_view key = name(entry);
  for (std::size_t at = std::hash<std::string_view>{}(key) % slots_.size();;
       at = (at + 1) % slots_.size()) {
    if (slots_[at] == 0) {
      slots_[at] = entry + 1;
      ++distinct_;
      return;
    }
    // An earlier entry of the name keeps its place: a duplicate never hides the first.
    if (name(slots_[at] - 1) == key) return;
  }
}

std::optional<std::string_view> ReplaceList::Find(std::string_view key) const {
  if (slots_.empty()) return std::nullopt;
  for (std::size_t at = std::hash<std::string_view>{}(key) % slots_.size(); slots_[at] != 0;
       at = (at + 1) % slots_.size()) {
    if (name(slots_[at] - 1) == key) return text(slots_[at] - 1);
  }
  return std::nullopt;
}

void ReplaceList::Assign(const std::vector<ReplaceRow>& rows) {
  Clear();
  try {
    for (const auto& [name, text] : rows) {
      const std::size_t name_start = bytes_.size();
      bytes_ += name;
      const std::size_t text_start = bytes_.size();
      bytes_ += text;
      Add(name_start, text_start);
    }
  } catch (...) {
    Clear();  // never half an entry
    throw;
  }
}

std::string ReplaceList::FindExtendedText(std::string_view key) const {
  // Two names are equal under the multibyte comparison exactly when their bytes are, so
  // a byte-keyed index gives the same answer as walking the list for the first match.
  const std::optional<std::string_view> text = Find(key);
  return std::string(text ? *text : key);
}

std::string_view ReplaceListFileName(ListKind kind) {
  return kind == ListKind::FileNames ? "replace_list.csv" : "replace_list2.csv";
}

namespace {

constexpr char kQuote = '"';

// Every pair of double quotes becomes one, scanning left to right without overlap.
std::string Unquote(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    out.push_back(field[i]);
    if (field[i] == kQuote && i + 1 < field.size() && field[i + 1] == kQuote) ++i;
  }
  return out;
}

// A quoted name ends at the first `",` that has an even number of quotes before it inside
// the field. Without one the name is empty and the text starts right after the opening
// quote. Returns the raw name (still doubled) and sets `p` to where the text starts.
std::string_view QuotedName(std::string_view line, std::size_t& p) {
  std::size_t quotes = 0;  // quotes in line[1, counted_to)
  std::size_t counted_to = 1;
  std::size_t from = 1;
  for (;;) {
    const std::size_t q = line.find("\",", from);
    if (q == std::string_view::npos) {
      p = 1;
      return {};
    }
    for (; counted_to < q; ++counted_to) quotes += line[counted_to] == kQuote ? 1u : 0u;
    from = q + 2;
    if (quotes % 2 == 0) {
      p = from;
      return line.substr(1, q - 1);
    }
  }
}

std::string Quote(std::string_view value) {
  std::string out;
  out.reserve(value.size() + 2);
  out.push_back(kQuote);
  for (const char c : value) {
    out.push_back(c);
    if (c == kQuote) out.push_back(kQuote);
  }
  out.push_back(kQuote);
  return out;
}

std::string EncodeField(std::string_view value) {
  // '"' and ',' lie below 0x40, so they never occur as the second byte of a CP932
  // character and a byte search is safe. A name that starts with the bytes of the UTF-8
  // mark is quoted too: as the file's first bytes they would be read as the mark.
  if (value.find_first_of("\",") == std::string_view::npos && !value.starts_with(kUtf8Mark)) {
    return std::string(value);
  }
  return Quote(value);
}

}  // namespace

std::optional<ReplaceRow> ParseReplaceLine(std::string_view line) {
  std::string name;
  std::size_t p = 0;
  if (!line.empty() && line.front() == kQuote) {
    name = Unquote(QuotedName(line, p));
  } else {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    name = std::string(line.substr(0, comma));
    p = comma + 1;
  }
  if (p >= line.size()) return std::nullopt;
  std::string text;
  if (line[p] == kQuote) {
    // The last character of the line is taken as the closing quote, whatever it is.
    if (line.size() > p + 2) text = Unquote(line.substr(p + 1, line.size() - p - 2));
  } else {
    text = std::string(line.substr(p));
  }
  // A text is never empty: such a line gives no entry.
  if (text.empty()) return std::nullopt;
  return ReplaceRow{std::move(name), std::move(text)};
}

std::vector<ReplaceRow> ParseReplaceFile(std::string_view bytes) {
  std::vector<ReplaceRow> rows;
  ForEachLine(bytes, [&rows](std::string_view line) {
    if (auto row = ParseReplaceLine(line)) rows.push_back(std::move(*row));
  });
  return rows;
}

void ReplaceList::Load(std::string bytes) {
  try {
    LoadWithin(std::move(bytes));
  } catch (...) {
    Clear();  // never half an entry
    throw;
  }
}

void ReplaceList::LoadWithin(std::string bytes) {
  Clear();
  const std::size_t lines =
      static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  name_starts_.reserve(lines);
  text_starts_.reserve(lines);
  // Each entry is written over the bytes of its own line or the lines before, never
  // longer than its line, so the entries gather at the front of the same buffer.
  bytes_ = std::move(bytes);
  std::size_t written = 0;
  ForEachLine(std::string_view(bytes_), [&](std::string_view line) {
    const std::optional<ReplaceRow> row = ParseReplaceLine(line);
    if (!row) return;
    const std::size_t name_start = written;
    written += row->first.copy(bytes_.data() + written, row->first.size());
    const std::size_t text_start = written;
    written += row->second.copy(bytes_.data() + written, row->second.size());
    name_starts_.push_back(static_cast<std::uint32_t>(name_start));
    text_starts_.push_back(static_cast<std::uint32_t>(text_start));
  });
  bytes_.resize(written);
  bytes_.shrink_to_fit();
  name_starts_.shrink_to_fit();
  text_starts_.shrink_to_fit();
  for (std::uint32_t entry = 0; entry < size(); ++entry) Index(entry);
}

std::string FormatReplaceLine(const ReplaceRow& row) {
  return EncodeField(row.first) + "," + EncodeField(row.second);
}

ReplaceLists::ReplaceLists(std::filesystem::path program_folder)
    : program_folder_(std::move(program_folder)) {}

std::filesystem::path ReplaceLists::FilePath(ListKind kind) const {
  return program_folder_ / ReplaceListFileName(kind);
}

const ReplaceList& ReplaceLists::list(ListKind kind) const {
  return kind == ListKind::FileNames ? file_names_ : folder_names_;
}

ReplaceList& ReplaceLists::mutable_list(ListKind kind) {
  return kind == ListKind::FileNames ? file_names_ : folder_names_;
}

namespace {

// Reads the list file; a file that is missing is created empty first, so that a missing
// list loads as empty and leaves its file behind for the user to edit.
std::optional<std::string> ReadOrCreate(const std::filesystem::path& file) {
  if (auto bytes = ReadFileBytes(file)) return bytes;
  std::error_code ec;
  // Only create where nothing stands: a folder or a dangling link in the file's place is a
  // failure, not something to replace.
  if (std::filesystem::symlink_status(file, ec).type() != std::filesystem::file_type::not_found) {
    return std::nullopt;
  }
  if (!WriteFileAtomically(file, "")) return std::nullopt;
  return ReadFileBytes(file);
}

}  // namespace

bool ReplaceLists::LoadReplaceList(ListKind kind) {
  auto bytes = ReadOrCreate(FilePath(kind));
  if (!bytes) return false;
  mutable_list(kind).Load(Cp932FromSavedText(std::move(*bytes)));
  return true;
}

bool ReplaceLists::WriteReplaceList(ListKind kind, const std::vector<ReplaceRow>& rows) {
  std::string bytes;
  for (const auto& row : rows) {
    bytes += FormatReplaceLine(row);
    bytes += "\r\n";
  }
  if (!WriteFileAtomically(FilePath(kind), bytes)) return false;
  // The next listing should see what was saved, exactly as a reload of the file gives it
  // (rows with an empty text drop out).
  mutable_list(kind).Load(std::move(bytes));
  return true;
}

std::string ReplaceLists::FindExtendedText(ListKind kind, std::string_view key) const {
  return list(kind).FindExtendedText(key);
}

Message ReplaceListMessage(ListKind kind, ListMessage situation) {
  const char* caption = "読み取りエラーです";
  const char* tail =
      "の読み込みに失敗しました。\r\n他のプログラムがこのファイルにアクセスしていないか\r\n"
      "確かめた後、再度起動してください。";
  if (situation == ListMessage::PageReadError) {
    tail =
        "の読み込みに失敗しました。\r\n他のプログラムがこのファイルにアクセスしていないか\r\n"
        "確かめてください。";
  } else if (situation == ListMessage::PageWriteError) {
    caption = "書き込みエラーです";
    tail =
        "の書き込みに失敗しました。\r\n他のプログラムがこのファイルにアクセスしていないか\r\n"
        "確かめた後、再度保存してください。";
  }
  Message message;
  message.caption = caption;
  message.text = "\"" + std::string(ReplaceListFileName(kind)) + "\"" + tail;
  message.icon = Icon::Exclamation;
  message.buttons = Buttons::Ok;
  return message;
}

void LoadListsAtStartup(ReplaceLists& lists, MessageSink& messages) {
  for (const ListKind kind : {ListKind::FileNames, ListKind::FolderNames}) {
    // A list too large for the memory there is loads as empty.
    try {
      if (!lists.LoadReplaceList(kind)) {
        messages.Show(ReplaceListMessage(kind, ListMessage::StartupReadError));
      }
    } catch (const std::bad_alloc&) {
      messages.Show(OutOfMemoryMessage(lists.FilePath(kind)));
    }
  }
}

}  // namespace veldor
