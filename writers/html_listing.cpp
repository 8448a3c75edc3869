#include "writers/html_listing.h"

#include <optional>

#include "platform/file_io.h"
#include "template_rules/template_rules.h"
#include "text/cp932.h"
#include "writers/output_file.h"

namespace veldor {

namespace {

constexpr int kDeclined = -1;
constexpr int kCannotOpen = -2;
constexpr int kEmptySection = -3;
constexpr int kUnclosedTag = -4;
constexpr int kEmptyValue = -5;
constexpr int kWriteFailed = -6;

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

std::filesystem::path TemplatePath(const ListerContext& context, const std::string& name) {
  std::filesystem::path folder = context.program_folder / "template";
  const std::string_view carrier = CarrierName(context.settings.company);
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

// Appends `text` with its tags replaced by their values for `record`. The search goes on
// after each candidate, so a value is never searched for tags and each byte of the text is
// looked at once.
int AppendSubstituted(std::string& page, std::string_view text, const FileRecord& record,
                      std::string_view folder_name, const ListerContext& context) {
  std::size_t pos = 0;
  for (TagCandidate found = FindTagCandidate(text, pos); found.found();
       found = FindTagCandidate(text, pos)) {
    if (!found.closed()) return kUnclosedTag;
    const std::size_t end = found.close + 2;
    const std::string value =
        TagValue(text.substr(found.open, end - found.open), record, folder_name, context);
    if (value.empty()) return kEmptyValue;
    AppendLines(page, text.substr(pos, found.open - pos));
    AppendLines(page, value);
    pos = end;
  }
  AppendLines(page, text.substr(pos));
  return 0;
}

// The whole page in memory, so that a template error leaves the disk untouched.
int BuildPage(const TemplateSections& sections, const Listing& listing,
              std::string_view folder_name, const ListerContext& context, std::string& page) {
  if (sections.before.empty() || sections.repeat.empty() || sections.after.empty()) {
    return kEmptySection;
  }
  // The before and after sections are filled from the empty record at position 0.
  const FileRecord& none = listing.records.front();
  page.reserve(sections.before.size() + sections.after.size() +
               sections.repeat.size() * listing.count());
  int result = AppendSubstituted(page, sections.before, none, folder_name, context);
  for (std::size_t i = 1; result == 0 && i < listing.count(); ++i) {
    result = AppendSubstituted(page, sections.repeat, listing.records[i], folder_name, context);
  }
  if (result == 0) result = AppendSubstituted(page, sections.after, none, folder_name, context);
  return result;
}

}  // namespace

std::string TagValue(std::string_view candidate, const FileRecord& record,
                     std::string_view folder_name, const ListerContext& context) {
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
      return ListedOrEscaped(context.lists.Find(ListKind::FileNames, record.file_name),
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
      return ListedOrEscaped(context.lists.Find(ListKind::FolderNames, folder_name), folder_name);
    case TemplateTag::COMPANY:
      return std::string(CarrierName(context.settings.company));
  }
  return {};
}

int RenderHtmlListing(const Listing& listing, const std::filesystem::path& folder,
                      const std::string& template_name, ListerContext& context) {
  const std::filesystem::path template_path = TemplatePath(context, template_name);
  const std::optional<std::string> bytes = ReadFileBytes(template_path);
  if (!bytes) {
    context.messages.Show(OpenFailureMessage(template_path));
    return kCannotOpen;
  }
  std::string page;
  const int built = BuildPage(SplitTemplate(*bytes), listing, FolderName(folder), context, page);
  if (built < 0) {
    context.messages.Show(TemplateErrorMessage(template_path));
    return built;
  }
  const std::filesystem::path output = JoinName(folder, template_name);
  const std::string shown = PathToCp932(folder) + "/" + template_name;
  if (AskOverwrite(output, shown, Icon::None, context.settings.over_write, context.messages) ==
      kDeclined) {
    return kDeclined;
  }
  if (!WriteListingFile(output, page, context.messages)) return kWriteFailed;
  return 0;
}

}  // namespace veldor
