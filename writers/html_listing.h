#pragma once
// HTML pages from templates: the before section once, the repeat section once per file,
// the after section once, every tag replaced by its value.

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/file_record.h"
#include "engine/lister_context.h"

namespace veldor {

/// The value of a tag candidate for `record` in a listing of `folder_name` (CP932), as it
/// goes into the page: file and folder names HTML-escaped, a text from an extended-text list
/// as written, a text that falls back to the name escaped like the name. Numbers are plain
/// decimals (0 in the empty record). Empty for a candidate that names no tag.
std::string TagValue(std::string_view candidate, const FileRecord& record,
                     std::string_view folder_name, const ListerContext& context);

/// Renders the template `template_name` of the current carrier for `listing` and writes
/// it to folder/template_name. The page is built whole before the overwrite question, so a
/// template error writes nothing. 0 when written, -1 when the user declined to overwrite,
/// -2 when the template cannot be opened, -3 for an empty section, -4 for an unclosed
/// "[@", -5 for a candidate with an empty value, -6 when the page could not be written.
/// Every failure has been shown to the user.
int RenderHtmlListing(const Listing& listing, const std::filesystem::path& folder,
                      const std::string& template_name, ListerContext& context);

}  // namespace veldor
