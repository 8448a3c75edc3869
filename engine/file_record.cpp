#include "engine/file_record.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/file_io.h"
#include "text/cp932.h"

namespace veldor {

namespace {

constexpr std::int64_t kBytesPerPacket = 128;

// The record of a file whose name (as NameBytes gives it), CP932 name and status the
// caller already holds.
FileRecord BuildNamedRecord(const FileStatus& status, std::string native_name,
                            std::string file_name, const ListingSettings& settings,
                            const ReplaceLists& lists) {
  FileRecord record;
  record.native_name = std::move(native_name);
  record.file_size = status.size;
  record.packet_count = PacketsForSize(record.file_size);
  record.packet_charge = ChargeForPackets(record.packet_count, settings.CurrentRate());
  record.modified_date = FormatLocalTime(status.modified);
  record.created_date = FormatLocalTime(status.created);
  record.modified_time = status.modified;
  record.created_time = status.created;
  record.extended_text = lists.FindExtendedText(ListKind::FileNames, file_name);
  record.file_name = std::move(file_name);
  return record;
}

bool PassesFilter(std::string_view file_name, const ListingSettings& settings) {
  if (settings.all_files == 0) return true;
  const std::string_view ext = FileExtension(file_name);
  // A name without a "." never passes, even against an empty entry in the list.
  if (ext.empty()) return false;
  return std::any_of(settings.extensions.begin(), settings.extensions.end(),
                     [&ext](const std::string& wanted) { return MbsICmp(ext, wanted) == 0; });
}

}  // namespace

std::int64_t PacketsForSize(std::int64_t size) {
  // Division truncates toward zero; a negative size gets nothing added.
  return size / kBytesPerPacket + (size % kBytesPerPacket > 0 ? 1 : 0);
}

std::int64_t ChargeForPackets(std::int64_t packets, double rate) {
  // Two separate roundings to double, as the charge has always been computed: with a rate
  // whose double lies just below its decimal value (0.29) the half-up rounding falls short.
  const double product = static_cast<double>(packets) * rate;
  const double rounded = product + 0.5;
  // Absurd rates from a hand-edited settings file must not overflow the conversion.
  constexpr double kLimit = 9.2e18;
  if (std::isnan(rounded)) return 0;
  if (rounded >= kLimit) return static_cast<std::int64_t>(kLimit);
  if (rounded <= -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(rounded);
}

std::optional<FileRecord> BuildFileRecord(const std::filesystem::path& path,
                                          const ListingSettings& settings,
                                          const ReplaceLists& lists, FileSystem& fs) {
  const auto status = fs.Status(path);
  if (!status) return std::nullopt;
  std::string native = NameBytes(path.filename());
  std::string name = NameToCp932(native);
  return BuildNamedRecord(*status, std::move(native), std::move(name), settings, lists);
}

std::optional<Listing> ScanFolder(const std::filesystem::path& folder,
                                  const ListingSettings& settings, const ReplaceLists& lists,
                                  FileSystem& fs) {
  auto entries = fs.Enumerate(folder);
  if (!entries) return std::nullopt;
  Listing listing;
  listing.records.reserve(entries->size());
  for (const FolderEntry& entry : *entries) {
    // A file without a status vanished since the enumeration: it has nothing to show.
    if (entry.is_directory || !entry.status) continue;
    // Another run's listing being written: gone by the time anyone reads this one.
    if (IsTemporaryFileName(entry.name)) continue;
    std::string native = NameBytes(entry.name);
    std::string name = NameToCp932(native);
    if (!PassesFilter(name, settings)) continue;
    FileRecord record =
        BuildNamedRecord(*entry.status, std::move(native), std::move(name), settings, lists);
    listing.longest_name = std::max(listing.longest_name, record.file_name.size());
    listing.longest_text = std::max(listing.longest_text, record.extended_text.size());
    listing.records.push_back(std::move(record));
  }
  return listing;
}

}  // namespace veldor
