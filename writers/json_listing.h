#pragma once
// The listing as one JSON document for scripts: every listed file with its whole name,
// raw numbers and dates with their offset, whatever columns the text layouts show.

#include <filesystem>
#include <string>

#include "engine/file_record.h"
#include "engine/settings.h"
#include "platform/file_io.h"
#include "platform/messages.h"
#include "writers/output_file.h"

namespace veldor {

/// The JSON document of the listing of `folder` (UTF-8, one line ending in LF).
std::string FormatJsonListing(const Listing& listing, const std::filesystem::path& folder,
                              const ListingSettings& settings);

/// Writes the JSON document to `path` through WriteListingFile.
WriteOutcome WriteJsonListing(const Listing& listing, const std::filesystem::path& folder,
                              const std::filesystem::path& path, const ListingSettings& settings,
                              MessageSink& messages);

/// Hands the JSON document to `sink` in pieces.
void StreamJsonListing(const Listing& listing, const std::filesystem::path& folder,
                       const ListingSettings& settings, ByteSink& sink);

}  // namespace veldor
