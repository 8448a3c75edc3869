#pragma once
// HTML pages from templates: the before section once, the repeat section once per file,
// the after section once, every tag replaced by its value.

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/file_record.h"
#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/messages.h"
#include "writers/output_file.h"

namespace veldor {

/// Renders the template `template_name` of the current carrier (in the carrier's folder
/// below `template_folder`) for `listing` and writes it to folder/template_name through
/// WriteListingFile. The page is built whole before the overwrite question, so a template
/// that cannot be opened or has an error (an empty section, an unclosed "[@", a candidate
/// without a value) writes nothing; every failure has been shown to the user.
WriteOutcome RenderHtmlListing(const Listing& listing, const std::filesystem::path& folder,
                               const std::string& template_name, const ListingSettings& settings,
                               const ReplaceLists& lists,
                               const std::filesystem::path& template_folder, MessageSink& messages);

}  // namespace veldor
