#pragma once
// The settings record of the listing program and its INI file.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace veldor {

/// Carriers as stored in the settings file.
enum Carrier : int { kDocomo = 1, kVodafone = 2, kAu = 3 };
/// Every carrier, in the order of the settings file and the radios.
inline constexpr std::array<int, 3> kCarriers{kDocomo, kVodafone, kAu};
/// Output formats as stored in the settings file.
enum OutputFormat : int { kTxt = 1, kCsv = 2, kHtml = 3 };
/// Sort keys: the positions of the sort-key list of the settings page.
enum SortKey : int {
  kSortFileName = 0,
  kSortFileSize = 1,
  kSortModifiedDate = 2,
  kSortCreatedDate = 3,
  kSortPacketCount = 4,
  kSortPacketCharge = 5,
  kSortExtendedText = 6,
};

/// The optional columns of the text and CSV listings, in the order of their settings keys
/// (output_items1..6).
enum class Column { FileSize, ModifiedDate, CreatedDate, PacketCount, PacketCharge, ExtendedText };
inline constexpr std::size_t kColumnCount = 6;

/// All options of the listing program. Flags are on only when they equal 1; `all_files`
/// 0 means every file. Texts are CP932.
struct ListingSettings {
  int company = kDocomo;
  int output_mode = kTxt;
  /// Yen per packet, indexed by Carrier 1..3 (index 0 unused).
  std::array<double, 4> rates{0.0, 0.30, 0.30, 0.27};
  int sort_key = kSortFileName;
  int sort_style = 0;
  int over_write = 0;
  int print_result = 1;
  int file_open = 0;
  int all_files = 1;
  std::vector<std::string> extensions{".jpg", ".gif", ".png"};
  /// Column flags, indexed by Column.
  std::array<int, kColumnCount> output_items{1, 1, 0, 1, 1, 0};
  /// Template file names per carrier, indexed by Carrier 1..3 (index 0 unused).
  std::array<std::vector<std::string>, 4> templates{
      std::vector<std::string>{}, {"index.html"}, {"index.html"}, {"index.html"}};

  /// The rate of the current carrier (0 for a company outside 1..3).
  double CurrentRate() const;
  /// True when the listings have the column.
  bool Shows(Column column) const { return output_items[static_cast<std::size_t>(column)] == 1; }

  bool operator==(const ListingSettings&) const = default;
};

/// The carrier's name ("docomo", "Vodafone", "au"), empty outside 1..3.
std::string_view CarrierName(int company);

/// Fills `settings` from the profile, every missing key giving its default.
/// A company or output_mode outside 1..3 loads as 1.
void LoadSettings(ListingSettings& settings, const Profile& profile);
/// Writes every key, in the file's order, whether or not it changed.
void SaveSettings(const ListingSettings& settings, Profile& profile);

std::vector<std::string> ParseExtensionList(std::string_view text);
std::string FormatExtensionList(const std::vector<std::string>& extensions);
/// The names of a "templatesN" value, each "/"-terminated; a name given again is dropped.
std::vector<std::string> ParseTemplateList(std::string_view text);
std::string FormatTemplateList(const std::vector<std::string>& names);

}  // namespace veldor
