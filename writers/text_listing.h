#pragma once

#include <filesystem>
#include <string>

#include "engine/file_record.h"
#include "engine/settings.h"
#include "platform/messages.h"

namespace veldor {

/// The fixed-column text listing of `listing` (CP932, CR LF line ends).
std::string FormatTextListing(const Listing& listing, const ListingSettings& settings);

/// Writes the text listing to `path`, asking before overwriting when `over_write` is 1.
/// 0 when written, -1 when the user declined, -2 when it could not be written (shown).
int WriteTextListing(const Listing& listing, const std::filesystem::path& path,
                     const ListingSettings& settings, MessageSink& messages);

}  // namespace veldor
