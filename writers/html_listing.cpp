#include "writers/html_listing.h"

#include <optional>

#include "platform/file_io.h"
#include "template_rules/template_rules.h"
#include "text/cp932.h"
#include "writers/output_file.h"

namespace veldor {

namespace {

// File names and folder names come from the disk and may hold markup characters; they are
// escaped so that a file named "<b>.jpg" shows as text instead of changing the page.
// The four characters are below 0x40 and so never the second byte of a CP932 character.
std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

// A text the user wrote into a list is inserted as written (markup there is on purpose);
// the fallback to the bare name is escaped like the name itself.
std::string ListedOrEscaped(const std::string* listed, std::string_view fallback) {
  return listed != nullptr ? *listed : EscapeHtml(fallback);
}

// Paths are joined as text, so a template name that starts with "/" still names a file
// inside the template folder and inside the listed folder, never elsewhere on the disk.
std::filesystem::path JoinName(const std::filesystem::path& folder, const std::string& name) {
  return std::filesystem::path(folder.native() + "/" + Cp932ToPath(name).native());
}

std::filesystem::path TemplatePath(const std::filesystem::path& template_folder, int company,
                                   const std::string& name) {
  std::filesystem::path folder = template_folder;
  const std::string_view carrier = CarrierName(company);
  if (!carrier.empty()) folder /= std::string(carrier);
  return JoinName(folder, name);
}

// The last component of the folder path; empty for a path that ends in "/" (the root).
std::string FolderName(const std::filesystem::path& folder) {
  const std::string text = PathToCp932(folder);
  const std::size_t slash = FindLastMbChar(text, '/');
  return slash == std::string::npos ? text : text.substr(slash + 1);
}

Message TemplateMessage(const char* caption, const std::filesystem::path& template_path,
                        const char* tail) {
  return Message{
      Utf8ToCp932(caption),
      Utf8ToCp932("テンプレートファイル\r\n") + PathToCp932(template_path) + Utf8ToCp932(tail),
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

// Appends `text` with every LF written as CR LF, as a text-mode stream writes it.
void AppendLines(std::string& page, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
       lf = text.find('\n', start)) {
    page.append(text.substr(start, lf - start));
    page.append("\r\n");
    start = lf + 1;
  }
  page.append(text.substr(start));
}

// What the tag values come from besides the record.
struct PageSources {
  std::string_view folder_name;
  const ListingSettings& settings;
  const ReplaceLists& lists;
};

// Appends `text` with its tags replaced by their values for `record`; false for an
// unclosed "[@" or a candidate without a value. The search goes on after each candidate,
// so a value is never searched for tags and each byte of the text is looked at once.
bool AppendSubstituted(std::string& page, std::string_view text, const FileRecord& record,
                       const PageSources& sources) {
  std::size_t pos = 0;
  for (TagCandidate found = FindTagCandidate(text, pos); found.found();
       found = FindTagCandidate(text, pos)) {
    if (!found.closed()) return false;
    const std::size_t end = found.close + 2;
    const std::string value = TagValue(text.substr(found.open, end - found.open), record,
                                       sources.folder_name, sources.settings, sources.lists);
    if (value.empty()) return false;
    AppendLines(page, text.substr(pos, found.open - pos));
    AppendLines(page, value);
    pos = end;
  }
  AppendLines(page, text.substr(pos));
  return true;
}

// The whole page in memory, so that a template error leaves the disk untouched. False for
// an empty section or a tag error.
bool BuildPage(const TemplateSections& sections, const Listing& listing, const PageSources& sources,
               std::string& page) {
  if (sections.before.empty() || sections.repeat.empty() || sections.after.empty()) {
    return false;
  }
  // The before and after sections are filled from an empty record.
  const FileRecord none;
  page.reserve(sections.before.size() + sections.after.size() +
               sections.repeat.size() * listing.records.size());
  if (!AppendSubstituted(page, sections.before, none, sources)) return false;
  for (const FileRecord& record : listing.records) {
    if (!AppendSubstituted(page, sections.repeat, record, sources)) return false;
  }
  return AppendSubstituted(page, sections.after, none, sources);
}

}  // namespace

std::string TagValue(std::string_view candidate, const FileRecord& record,
                     std::string_view folder_name, const ListingSettings& settings,
                     const ReplaceLists& lists) {
  const std::optional<TemplateTag> tag = LookupTag(candidate);
  if (!tag) return {};
  switch (*tag) {
    case TemplateTag::FNAME:
      return EscapeHtml(record.file_name);
    case TemplateTag::MDATE:
      return record.modified_date;
    case TemplateTag::CDATE:
      return record.created_date;
    case TemplateTag::FTEXT:
      // The empty record of the before and after sections has no text, even when a list
      // line gives one to the empty name.
      if (record.extended_text.empty()) return {};
      return ListedOrEscaped(lists.Find(ListKind::FileNames, record.file_name),
                             record.extended_text);
    case TemplateTag::FSIZE:
      return std::to_string(record.file_size);
    case TemplateTag::PYEN:
      return std::to_string(record.packet_charge);
    case TemplateTag::PSIZE:
      return std::to_string(record.packet_count);
    case TemplateTag::DNAME:
      return EscapeHtml(folder_name);
    case TemplateTag::DTEXT:
      return ListedOrEscaped(lists.Find(ListKind::FolderNames, folder_name), folder_name);
    case TemplateTag::COMPANY:
      return std::string(CarrierName(settings.company));
  }
  return {};
}

WriteOutcome RenderHtmlListing(const Listing& listing, const std::filesystem::path& folder,
                               const std::string& template_name, const ListingSettings& settings,
                               const ReplaceLists& lists,
                               const std::filesystem::path& template_folder,
                               MessageSink& messages) {
  const std::filesystem::path template_path =
      TemplatePath(template_folder, settings.company, template_name);
  const std::optional<std::string> bytes = ReadFileBytes(template_path);
  if (!bytes) {
    messages.Show(OpenFailureMessage(template_path));
    return WriteOutcome::Failed;
  }
  std::string page;
  const std::string folder_name = FolderName(folder);
  if (!BuildPage(SplitTemplate(*bytes), listing, {folder_name, settings, lists}, page)) {
    messages.Show(TemplateErrorMessage(template_path));
    return WriteOutcome::Failed;
  }
  return WriteListingFile(
      JoinName(folder, template_name), PathToCp932(folder) + "/" + template_name, Icon::None,
      settings.over_write, [&page](ByteSink& sink) { sink.Write(page); }, messages);
}

}  // namespace veldor
