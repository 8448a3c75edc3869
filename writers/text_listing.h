#pragma once

#include <filesystem>
#include <string>

#include "engine/file_record.h"
#include "engine/settings.h"
#include "platform/messages.h"
#include "writers/output_file.h"

namespace veldor {

/// The fixed-column text listing of `listing` (CP932, CR LF line ends).
std::string FormatTextListing(const Listing& listing, const ListingSettings& settings);

/// Writes the text listing to `path` through WriteListingFile.
WriteOutcome WriteTextListing(const Listing& listing, const std::filesystem::path& path,
                              const ListingSettings& settings, MessageSink& messages);

/// Hands the text listing to `sink` in pieces.
void StreamTextListing(const Listing& listing, const ListingSettings& settings, ByteSink& sink);

}  // namespace veldor
