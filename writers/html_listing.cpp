#include "writers/html_listing.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/file_io.h"
#include "platform/file_name.h"
#include "template_rules/template_rules.h"
#include "text/cp932.h"
#include "writers/html_name.h"
#include "writers/output_file.h"

namespace veldor {

namespace {

// A text the user wrote into a list is inserted as written (markup there is on purpose),
// with every LF written as CR LF; the fallback to the bare name is written like the name.
void AppendListedOrName(std::string& out, std::optional<std::string_view> listed,
                        std::string_view native, std::string_view cp932, NameContext context) {
  if (listed) {
    AppendLines(out, *listed);
  } else {
    AppendHtmlName(out, native, cp932, context);
  }
}

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Joined as text: the name is a bare file name (IsBareFileName) by the time it is opened.
std::filesystem::path JoinName(const std::filesystem::path& folder, const std::string& name) {
  std::filesystem::path::string_type joined = folder.native();
  joined += std::filesystem::path::preferred_separator;
  joined += Cp932ToPath(name).native();
  return joined;
}

std::filesystem::path TemplatePath(const std::filesystem::path& template_folder, int company,
                                   const std::string& name) {
  const std::optional<Carrier> carrier = CarrierOfCompany(company);
  return JoinName(carrier ? CarrierTemplateFolder(template_folder, *carrier) : template_folder,
                  name);
}

// The folder's name as a page shows it: its last component, or for the root the root
// path itself ("/", "C:\\").
struct FolderName {
  std::string native;
  std::string cp932;
};

FolderName NameOfFolder(const std::filesystem::path& folder) {
  std::filesystem::path name = folder.filename();
  if (name.empty()) name = folder.root_path();
  if (name.empty()) name = folder;
  std::string native = NameBytes(name);
  std::string cp932 = NameToCp932(native);
  return {std::move(native), std::move(cp932)};
}

Message TemplateMessage(const char* caption, const std::filesystem::path& template_path,
                        const char* tail) {
  return Message{caption, "テンプレートファイル\r\n" + PathToUtf8(template_path) + tail,
                 Icon::Exclamation, Buttons::Ok, false};
}

Message OpenFailureMessage(const std::filesystem::path& template_path) {
  return TemplateMessage("指定されたテンプレートが開けません", template_path,
                         "\r\nが開けません。削除、移動されていないか確認してください。");
}

Message TemplateErrorMessage(const std::filesystem::path& template_path) {
  return TemplateMessage("テンプレートにエラーが見つかりました", template_path,
                         "\r\nには文法上のエラーがあります。TEMPLATEフォルダ内のtovrin.exeで"
                         "確認してみてください。");
}

// What the tag values come from besides the record.
struct PageSources {
  const FolderName& folder;
  const ListingSettings& settings;
  const ReplaceLists& lists;
};

// A section cut at its tags: its text, already with CR LF line ends, and for each piece
// where its text ends in it and its tag, looked up once (nothing for a candidate that names
// no tag) with the context it stands in; the last piece has no tag. One text for all
// pieces, so that a large section with many tags takes little more than its own size.
struct Piece {
  std::uint32_t end = 0;
  bool has_tag = false;
  std::optional<TemplateTag> tag;
  NameContext context = NameContext::Text;
};
struct CutText {
  std::string text;
  std::vector<Piece> pieces;
};

bool AppendTagValue(std::string& out, TemplateTag tag, NameContext context,
                    const FileRecord& record, const PageSources& sources);

// Walks `text` once: appends the text between its tags to `out` (each LF as CR LF) and
// hands each tag, looked up, with the markup context it stands in, to `on_tag`, in order.
// False for an unclosed "[@" or when `on_tag` gives up.
template <typename OnTag>
bool WalkSection(std::string_view text, std::string& out, OnTag on_tag) {
  out.reserve(out.size() + text.size() +
              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  AttributeScanner markup;
  std::size_t pos = 0;
  for (TagCandidate found = FindTagCandidate(text, pos); found.found();
       found = FindTagCandidate(text, pos)) {
    if (!found.closed()) return false;
    const std::string_view before = text.substr(pos, found.open - pos);
    AppendLines(out, before);
    markup.Feed(before);
    pos = found.close + 2;
    if (!on_tag(LookupTag(text.substr(found.open, pos - found.open)), markup.TagContext())) {
      return false;
    }
  }
  AppendLines(out, text.substr(pos));
  return true;
}

// Cuts `text` into pieces; false for an unclosed "[@".
bool CutSection(std::string_view text, CutText& cut) {
  const bool closed =
      WalkSection(text, cut.text, [&cut](std::optional<TemplateTag> tag, NameContext context) {
        cut.pieces.push_back({static_cast<std::uint32_t>(cut.text.size()), true, tag, context});
        return true;
      });
  cut.pieces.push_back({static_cast<std::uint32_t>(cut.text.size()), false, {}});
  return closed;
}

// Appends the pieces with their tags replaced by their values for `record`, handing each
// full piece of the page to `sink`; false for a candidate without a value. A value is never
// searched for tags.
bool AppendSubstituted(std::string& page, const CutText& cut, const FileRecord& record,
                       const PageSources& sources, ByteSink& sink) {
  std::size_t start = 0;
  for (const Piece& piece : cut.pieces) {
    PassFullPiece(page, &sink);
    page.append(cut.text, start, piece.end - start);
    start = piece.end;
    if (!piece.has_tag) continue;
    if (!piece.tag || !AppendTagValue(page, *piece.tag, piece.context, record, sources)) {
      return false;
    }
  }
  return true;
}

// A template cut and checked before anything is written: its before and after sections
// already filled (from an empty record), its repeat section cut with every tag known.
struct PreparedPage {
  std::string before, after;
  CutText repeat;
};

// Appends `text` with its tags replaced by their values for `record`, straight, without
// cutting it into pieces first: a large section takes no more than its own size again.
// False for an unclosed "[@" or a candidate without a value.
bool AppendSection(std::string& out, std::string_view text, const FileRecord& record,
                   const PageSources& sources) {
  return WalkSection(text, out, [&](std::optional<TemplateTag> tag, NameContext context) {
    return tag && AppendTagValue(out, *tag, context, record, sources);
  });
}

// False for an empty section or a tag error that no record could mend. The repeat section
// is judged only when some record fills it.
bool PreparePage(const TemplateSections& sections, const Listing& listing,
                 const PageSources& sources, PreparedPage& page) {
  if (sections.before.empty() || sections.repeat.empty() || sections.after.empty()) {
    return false;
  }
  const FileRecord none;
  if (!AppendSection(page.before, sections.before, none, sources)) return false;
  if (!listing.records.empty()) {
    if (!CutSection(sections.repeat, page.repeat)) return false;
    for (const Piece& piece : page.repeat.pieces) {
      if (piece.has_tag && !piece.tag) return false;
    }
  }
  return AppendSection(page.after, sections.after, none, sources);
}

// Hands the page to the sink in pieces; false, with the page unfinished, when a record
// gives a tag no value (a date the system cannot show).
bool FillPage(const PreparedPage& page, const Listing& listing, const PageSources& sources,
              ByteSink& sink) {
  sink.Write(page.before);
  std::string piece;
  piece.reserve(2 * kListingPiece);
  for (const FileRecord& record : listing.records) {
    if (!AppendSubstituted(piece, page.repeat, record, sources, sink)) return false;
    PassFullPiece(piece, &sink);
  }
  sink.Write(piece);
  sink.Write(page.after);
  return true;
}

// Appends the value of `tag`, standing in `context`, for `record`; false, with nothing
// appended, when it has none.
bool AppendTagValue(std::string& out, TemplateTag tag, NameContext context,
                    const FileRecord& record, const PageSources& sources) {
  const std::size_t start = out.size();
  switch (tag) {
    case TemplateTag::FNAME:
      AppendHtmlName(out, record.native_name, record.file_name, context);
      break;
    case TemplateTag::MDATE:
      out += record.modified_date;
      break;
    case TemplateTag::CDATE:
      out += record.created_date;
      break;
    case TemplateTag::FTEXT:
      // The empty record of the before and after sections has no text, even when a list
      // line gives one to the empty name.
      if (record.extended_text.empty()) return false;
      AppendListedOrName(out, sources.lists.Find(ListKind::FileNames, record.file_name),
                         record.native_name, record.extended_text, context);
      break;
    case TemplateTag::FSIZE:
      AppendNumber(out, record.file_size);
      break;
    case TemplateTag::PYEN:
      AppendNumber(out, record.packet_charge);
      break;
    case TemplateTag::PSIZE:
      AppendNumber(out, record.packet_count);
      break;
    case TemplateTag::DNAME:
      AppendHtmlName(out, sources.folder.native, sources.folder.cp932, context);
      break;
    case TemplateTag::DTEXT:
      AppendListedOrName(out, sources.lists.Find(ListKind::FolderNames, sources.folder.cp932),
                         sources.folder.native, sources.folder.cp932, context);
      break;
    case TemplateTag::COMPANY:
      if (const std::optional<Carrier> carrier = CarrierOfCompany(sources.settings.company)) {
        out += CarrierName(*carrier);
      }
      break;
  }
  return out.size() > start;
}

}  // namespace

WriteOutcome RenderHtmlListing(const Listing& listing, const std::filesystem::path& folder,
                               const std::string& template_name, const ListingSettings& settings,
                               const ReplaceLists& lists,
                               const std::filesystem::path& template_folder,
                               MessageSink& messages) {
  const std::filesystem::path template_path =
      TemplatePath(template_folder, settings.company, template_name);
  // A name that would reach outside the template folder or the listed folder, or name a
  // device, is neither read nor written.
  std::optional<std::string> bytes =
      IsBareFileName(template_name) ? ReadFileBytes(template_path) : std::nullopt;
  if (!bytes) {
    messages.Show(OpenFailureMessage(template_path));
    return WriteOutcome::Failed;
  }
  const FolderName folder_name = NameOfFolder(folder);
  const PageSources sources{folder_name, settings, lists};
  // Checked before the overwrite question, so that a template error leaves everything as
  // it was; the page itself then goes to the disk in pieces.
  TemplateSections sections = SplitTemplate(*bytes);
  bytes.reset();  // the sections hold it all
  PreparedPage page;
  if (!PreparePage(sections, listing, sources, page)) {
    messages.Show(TemplateErrorMessage(template_path));
    return WriteOutcome::Failed;
  }
  sections = TemplateSections();  // and now the page
  const std::filesystem::path page_path = JoinName(folder, template_name);
  // Listing the template folder itself would replace the template with its own page, and
  // every later page would fail.
  std::error_code error;
  if (std::filesystem::equivalent(page_path, template_path, error)) {
    messages.Show(Message{
        "書き込みエラーです",
        PathToUtf8(page_path) + "\r\nはテンプレートファイルそのものなので、書き込みませんでした。",
        Icon::Exclamation, Buttons::Ok, false});
    return WriteOutcome::Failed;
  }
  bool unfilled = false;
  const WriteOutcome outcome = WriteListingFile(
      page_path, PathToUtf8(folder) + "/" + Cp932ToUtf8(template_name), Icon::None,
      settings.over_write,
      [&](ByteSink& sink) {
        unfilled = !FillPage(page, listing, sources, sink);
        return !unfilled;
      },
      messages);
  if (unfilled) messages.Show(TemplateErrorMessage(template_path));
  return outcome;
}

}  // namespace veldor
