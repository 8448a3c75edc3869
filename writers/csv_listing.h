#pragma once

#include <filesystem>
#include <string>

#include "engine/file_record.h"
#include "engine/settings.h"
#include "platform/messages.h"
#include "writers/output_file.h"

namespace veldor {

/// The CSV table of `listing` (CP932, CR LF line ends): header row, empty line, one row
/// per file. A field holding a comma, a double quote, CR or LF is quoted.
std::string FormatCsvListing(const Listing& listing, const ListingSettings& settings);

/// Writes the CSV table to `path` through WriteListingFile.
WriteOutcome WriteCsvListing(const Listing& listing, const std::filesystem::path& path,
                             const ListingSettings& settings, MessageSink& messages);

/// Hands the CSV table to `sink` in pieces.
void StreamCsvListing(const Listing& listing, const ListingSettings& settings, ByteSink& sink);

}  // namespace veldor
