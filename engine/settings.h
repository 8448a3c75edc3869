#pragma once
// The settings record of the listing program and its INI file.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace veldor {

/// The carriers, in the order of the settings file, the radios and the carrier list.
enum class Carrier { Docomo, Vodafone, Au };
inline constexpr std::array<Carrier, 3> kCarriers{Carrier::Docomo, Carrier::Vodafone, Carrier::Au};

/// One value for each carrier, indexed by Carrier.
template <typename T>
struct PerCarrier {
  std::array<T, 3> values{};

  T& operator[](Carrier carrier) { return values[static_cast<std::size_t>(carrier)]; }
  const T& operator[](Carrier carrier) const { return values[static_cast<std::size_t>(carrier)]; }
  bool operator==(const PerCarrier&) const = default;
};

/// The `company` value the settings file stores for a carrier: 1, 2, 3.
constexpr int CompanyValue(Carrier carrier) { return static_cast<int>(carrier) + 1; }
/// The carrier a stored `company` value names; nothing outside 1..3.
std::optional<Carrier> CarrierOfCompany(int company);
/// The carrier's name: "docomo", "Vodafone", "au".
std::string_view CarrierName(Carrier carrier);
/// The folder holding every carrier's template folder: <program folder>/template.
std::filesystem::path TemplateRoot(const std::filesystem::path& program_folder);
/// Where a carrier's templates are: <template root>/<carrier's name>.
std::filesystem::path CarrierTemplateFolder(const std::filesystem::path& template_root,
                                            Carrier carrier);
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
  /// The stored value, 1..3 (see CarrierOfCompany).
  int company = CompanyValue(Carrier::Docomo);
  int output_mode = kTxt;
  /// Yen per packet.
  PerCarrier<double> rates{{0.30, 0.30, 0.27}};
  int sort_key = kSortFileName;
  int sort_style = 0;
  int over_write = 0;
  int print_result = 1;
  int file_open = 0;
  int all_files = 1;
  std::vector<std::string> extensions{".jpg", ".gif", ".png"};
  /// Column flags, indexed by Column.
  std::array<int, kColumnCount> output_items{1, 1, 0, 1, 1, 0};
  /// Template file names per carrier.
  PerCarrier<std::vector<std::string>> templates{
      {{{"index.html"}, {"index.html"}, {"index.html"}}}};

  /// The rate of the current carrier (0 for a company outside 1..3).
  double CurrentRate() const;
  /// True when the listings have the column.
  bool Shows(Column column) const { return output_items[static_cast<std::size_t>(column)] == 1; }

  bool operator==(const ListingSettings&) const = default;
};

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
