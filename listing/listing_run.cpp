#include "listing/listing_run.h"

#include <new>
#include <string>
#include <string_view>

#include "engine/file_record.h"
#include "engine/sort.h"
#include "platform/file_name.h"
#include "platform/out_of_memory.h"
#include "text/cp932.h"
#include "writers/csv_listing.h"
#include "writers/html_listing.h"
#include "writers/json_listing.h"
#include "writers/text_listing.h"

namespace veldor {
namespace {

// Opens a written (or kept) listing when the user wants listings opened.
void OpenListing(const std::filesystem::path& out, ListerContext& context) {
  if (context.settings.file_open == 1) context.shell.OpenFile(out);
}

// Writes the listing with `write` into <folder>/<folder's name><extension>, notes the file
// when it was written, and opens it (or the one kept) when the user wants that.
template <typename Write>
void WriteListingFile(const std::filesystem::path& folder, std::string_view extension,
                      std::vector<std::string>& output_list, ListerContext& context, Write write) {
  const std::filesystem::path base = FolderBaseName(folder);
  std::filesystem::path out = folder / base;
  out += extension;
  if (write(out) == WriteOutcome::Written)
    output_list.push_back(PathToUtf8(base) + std::string(extension));
  OpenListing(out, context);
}

// True when the listing went to the stream.
bool StreamListing(const Listing& listing, const std::filesystem::path& folder,
                   ListerContext& context) {
  ByteSink& sink = *context.listing_stream;
  if (context.json_listing) {
    StreamJsonListing(listing, folder, context.settings, sink);
  } else if (context.settings.output_mode == kTxt) {
    StreamTextListing(listing, context.settings, sink);
  } else if (context.settings.output_mode == kCsv) {
    StreamCsvListing(listing, context.settings, sink);
  } else {
    return false;
  }
  return true;
}

void WriteHtmlPages(const Listing& listing, const std::filesystem::path& folder,
                    std::vector<std::string>& output_list, ListerContext& context) {
  const std::optional<Carrier> carrier = CarrierOfCompany(context.settings.company);
  if (!carrier) return;
  const std::string base = PathToUtf8(FolderBaseName(folder));
  // A copy: the renderer's messages must not see the list change under the loop.
  const std::vector<std::string> names = context.settings.templates[*carrier];
  for (const std::string& name : names) {
    const WriteOutcome outcome =
        RenderHtmlListing(listing, folder, name, context.settings, context.lists,
                          TemplateRoot(context.program_folder), context.messages);
    if (outcome == WriteOutcome::Written) output_list.push_back(base + "/" + Cp932ToUtf8(name));
    if (context.settings.file_open == 1 && !context.browser_path.empty() && IsBareFileName(name)) {
      context.shell.StartProgram(context.browser_path, folder / Cp932ToPath(name));
    }
  }
}

void ShowResult(const std::vector<std::string>& output_list, MessageSink& messages) {
  std::string text;
  for (const std::string& entry : output_list) text.append(entry).append("\r\n");
  text += "\r\nを出力しました。";
  messages.Show(Message{"処理結果", text, Icon::None, Buttons::Ok, false});
}

// The file message's text: size, packets and charge, then both dates.
std::string FileInfoText(const FileRecord& record) {
  return std::to_string(record.file_size) + " byte\r\n" + std::to_string(record.packet_count) +
         " パケット " + std::to_string(record.packet_charge) + " 円\r\n作成日時 " +
         record.created_date + "\r\n更新日時 " + record.modified_date;
}

}  // namespace

std::filesystem::path FolderBaseName(const std::filesystem::path& folder) {
  std::filesystem::path base = folder.filename();
  // The root has no name of its own; its listing is still named after something.
  if (base.empty()) base = "root";
  return base;
}

void RunDrop(const std::vector<std::filesystem::path>& paths, ListerContext& context) {
  std::vector<std::string> output_list;
  for (const std::filesystem::path& path : paths) {
    bool listed = true;
    // A path that needs more memory than there is (a huge template, say) is given up with
    // a message; the drop goes on with the next one.
    try {
      if (!FileExtension(PathToCp932(path.filename())).empty()) {
        ShowFileInfo(path, context);
      } else {
        listed = ListFolder(path, output_list, context);
      }
    } catch (const std::bad_alloc&) {
      context.messages.Show(OutOfMemoryMessage(path));
    }
    if (!listed) {
      // Say so, and go on with the next path: nothing else of the drop is lost.
      context.messages.Show(Message{PathToUtf8(path.filename()),
                                    PathToUtf8(path) +
                                        "\r\nを一覧にできませんでした。\r\nフォルダがあるか、"
                                        "読み取れるかを確認してください。",
                                    Icon::Exclamation, Buttons::Ok, false});
    }
  }
  if (context.settings.print_result == 1 && !output_list.empty()) {
    ShowResult(output_list, context.messages);
  }
}

void ShowFileInfo(const std::filesystem::path& path, ListerContext& context) {
  const std::string name = PathToUtf8(path.filename());
  const auto record = BuildFileRecord(path, context.settings, context.lists, context.file_system);
  if (!record) {
    context.messages.Show(Message{name, PathToUtf8(path) + "\r\nの情報を読み取れませんでした。",
                                  Icon::Exclamation, Buttons::Ok, false});
    return;
  }
  context.messages.Show(Message{name, FileInfoText(*record), Icon::None, Buttons::Ok, false});
}

bool ListFolder(const std::filesystem::path& folder, std::vector<std::string>& output_list,
                ListerContext& context) {
  std::optional<Listing> listing =
      ScanFolder(folder, context.settings, context.lists, context.file_system);
  if (!listing) return false;
  SortRecords(listing->records, context.settings.sort_key, context.settings.sort_style);
  if (context.listing_stream != nullptr && StreamListing(*listing, folder, context)) return true;
  const ListingSettings& settings = context.settings;
  if (context.json_listing) {
    WriteListingFile(folder, ".json", output_list, context, [&](const auto& out) {
      return WriteJsonListing(*listing, folder, out, settings, context.messages);
    });
    return true;
  }
  switch (settings.output_mode) {
    case kTxt:
      WriteListingFile(folder, ".txt", output_list, context, [&](const auto& out) {
        return WriteTextListing(*listing, out, settings, context.messages);
      });
      break;
    case kCsv:
      WriteListingFile(folder, ".csv", output_list, context, [&](const auto& out) {
        return WriteCsvListing(*listing, out, settings, context.messages);
      });
      break;
    case kHtml:
      WriteHtmlPages(*listing, folder, output_list, context);
      break;
    default:
      break;
  }
  return true;
}

}  // namespace veldor
