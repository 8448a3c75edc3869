#pragma once
// File records and the folder scan.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/replace_list.h"
#include "engine/settings.h"
#include "platform/file_system.h"

namespace veldor {

/// One listed file. Texts are CP932; the three numbers are zero in a default record.
struct FileRecord {
  std::string file_name;
  std::int64_t file_size = 0;
  std::int64_t packet_count = 0;
  std::int64_t packet_charge = 0;
  std::string extended_text;
  std::string modified_date;
  std::string created_date;
  /// The name as the file system gives it (NameBytes), from which file_name was made: what
  /// a page needs to write the name without loss. Empty in a record not read from a disk.
  std::string native_name;
  /// The times modified_date and created_date show, as the file system gives them.
  std::time_t modified_time = 0;
  std::time_t created_time = 0;

  friend bool operator==(const FileRecord&, const FileRecord&) = default;
};

/// The records of the listed files of one folder.
struct Listing {
  std::vector<FileRecord> records;
  std::size_t longest_name = 0;  ///< greatest byte length of a file_name
  std::size_t longest_text = 0;  ///< greatest byte length of an extended_text
};

/// Packets of 128 bytes, a started packet counting whole.
std::int64_t PacketsForSize(std::int64_t size);
/// packets * rate rounded half up in double arithmetic, then truncated.
std::int64_t ChargeForPackets(std::int64_t packets, double rate);

/// The record of the file at `path`, or nothing when its status cannot be read.
std::optional<FileRecord> BuildFileRecord(const std::filesystem::path& path,
                                          const ListingSettings& settings,
                                          const ReplaceLists& lists, FileSystem& fs);

/// The files directly in `folder` that pass the extension filter, in enumeration order,
/// or nothing when the folder cannot be enumerated. A file that vanishes before its
/// status is read is skipped.
std::optional<Listing> ScanFolder(const std::filesystem::path& folder,
                                  const ListingSettings& settings, const ReplaceLists& lists,
                                  FileSystem& fs);

}  // namespace veldor
