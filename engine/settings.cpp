#include "engine/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "text/cp932.h"

namespace veldor {

namespace {

// How a key maps onto the record.
enum class Kind {
  kRate,             // rates[index], hundredths of a yen per packet
  kCarrierOrFormat,  // *field, 1..3, anything else is 1
  kInt,              // *field
  kColumn,           // output_items[index], index a Column
  kExtensions,       // extensions, as the "ext_strings" form
  kTemplates,        // templates[index], as the "templatesN" form
};

struct Key {
  std::string_view section;
  std::string_view key;
  Kind kind;
  int index;                    // carrier or column, where the kind has one
  int ListingSettings::*field;  // for kCarrierOrFormat and kInt
  int int_default;
  std::string_view text_default;  // for kExtensions and kTemplates
};

constexpr int Col(Column column) { return static_cast<int>(column); }
constexpr int Car(Carrier carrier) { return static_cast<int>(carrier); }

constexpr std::string_view kMain = "MAIN_OPTION";
constexpr std::string_view kPage1 = "PAGE_1";
constexpr std::string_view kPage2 = "PAGE_2";

// Every key of the file, in the order in which they are loaded and saved, so that a
// fresh file lists them in this order.
constexpr Key kKeys[] = {
    {kMain, "docomo_rate", Kind::kRate, Car(Carrier::Docomo), nullptr, 30, {}},
    {kMain, "J-PHONE_rate", Kind::kRate, Car(Carrier::Vodafone), nullptr, 30, {}},
    {kMain, "au_rate", Kind::kRate, Car(Carrier::Au), nullptr, 27, {}},
    {kMain, "company", Kind::kCarrierOrFormat, 0, &ListingSettings::company, 1, {}},
    {kMain, "output_mode", Kind::kCarrierOrFormat, 0, &ListingSettings::output_mode, kTxt, {}},
    {kPage1, "sort_key", Kind::kInt, 0, &ListingSettings::sort_key, kSortFileName, {}},
    {kPage1, "sort_style", Kind::kInt, 0, &ListingSettings::sort_style, 0, {}},
    {kPage1, "over_write", Kind::kInt, 0, &ListingSettings::over_write, 0, {}},
    {kPage1, "print_result", Kind::kInt, 0, &ListingSettings::print_result, 1, {}},
    {kPage1, "file_open", Kind::kInt, 0, &ListingSettings::file_open, 0, {}},
    {kPage1, "all_files", Kind::kInt, 0, &ListingSettings::all_files, 1, {}},
    {kPage1, "ext_strings", Kind::kExtensions, 0, nullptr, 0, ".jpg .gif .png "},
    {kPage2, "output_items1", Kind::kColumn, Col(Column::FileSize), nullptr, 1, {}},
    {kPage2, "output_items2", Kind::kColumn, Col(Column::ModifiedDate), nullptr, 1, {}},
    {kPage2, "output_items3", Kind::kColumn, Col(Column::CreatedDate), nullptr, 0, {}},
    {kPage2, "output_items4", Kind::kColumn, Col(Column::PacketCount), nullptr, 1, {}},
    {kPage2, "output_items5", Kind::kColumn, Col(Column::PacketCharge), nullptr, 1, {}},
    {kPage2, "output_items6", Kind::kColumn, Col(Column::ExtendedText), nullptr, 0, {}},
    {kPage2, "templates1", Kind::kTemplates, Car(Carrier::Docomo), nullptr, 0, "index.html/"},
    {kPage2, "templates2", Kind::kTemplates, Car(Carrier::Vodafone), nullptr, 0, "index.html/"},
    {kPage2, "templates3", Kind::kTemplates, Car(Carrier::Au), nullptr, 0, "index.html/"},
};

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// Carrier and format index tables and radio groups: a value outside them means nothing.
int OneToThreeOrFirst(int value) { return value >= 1 && value <= 3 ? value : 1; }

double RateFromStored(int stored) {
  // The stored number is unsigned hundredths; the product is rounded to double once, as
  // the charge computation expects (29 gives 0.28999999999999998).
  return static_cast<double>(static_cast<std::uint32_t>(stored)) * 0.01;
}

std::string StoredFromRate(double rate) {
  // The nearest integer gives back exactly the number that was loaded.
  const double hundredths = std::clamp(std::round(rate * 100.0), 0.0, 4294967295.0);
  return std::to_string(static_cast<std::uint32_t>(hundredths));
}

void LoadKey(const Key& key, ListingSettings& settings, const ProfileReading& profile) {
  switch (key.kind) {
    case Kind::kRate:
      settings.rates[static_cast<Carrier>(key.index)] =
          RateFromStored(profile.GetInt(key.section, key.key, key.int_default));
      return;
    case Kind::kCarrierOrFormat:
      settings.*key.field =
          OneToThreeOrFirst(profile.GetInt(key.section, key.key, key.int_default));
      return;
    case Kind::kInt:
      settings.*key.field = profile.GetInt(key.section, key.key, key.int_default);
      return;
    case Kind::kColumn:
      settings.output_items[At(key.index)] = profile.GetInt(key.section, key.key, key.int_default);
      return;
    case Kind::kExtensions:
      settings.extensions =
          ParseExtensionList(profile.GetString(key.section, key.key, key.text_default));
      return;
    case Kind::kTemplates:
      settings.templates[static_cast<Carrier>(key.index)] =
          ParseTemplateList(profile.GetString(key.section, key.key, key.text_default));
      return;
  }
}

void SaveKey(const Key& key, const ListingSettings& settings, Profile& profile) {
  switch (key.kind) {
    case Kind::kRate:
      profile.WriteString(key.section, key.key,
                          StoredFromRate(settings.rates[static_cast<Carrier>(key.index)]));
      return;
    case Kind::kCarrierOrFormat:
      profile.WriteInt(key.section, key.key, OneToThreeOrFirst(settings.*key.field));
      return;
    case Kind::kInt:
      profile.WriteInt(key.section, key.key, settings.*key.field);
      return;
    case Kind::kColumn:
      profile.WriteInt(key.section, key.key, settings.output_items[At(key.index)]);
      return;
    case Kind::kExtensions:
      profile.WriteString(key.section, key.key, FormatExtensionList(settings.extensions));
      return;
    case Kind::kTemplates:
      profile.WriteString(key.section, key.key,
                          FormatTemplateList(settings.templates[static_cast<Carrier>(key.index)]));
      return;
  }
}

std::string_view TrimTrailingWhite(std::string_view text) {
  // The C locale's white space; a full-width blank is two bytes of text and stays.
  const std::size_t last = text.find_last_not_of(" \t\n\r\v\f");
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

double ListingSettings::CurrentRate() const {
  const std::optional<Carrier> carrier = CarrierOfCompany(company);
  return carrier ? rates[*carrier] : 0.0;
}

std::optional<Carrier> CarrierOfCompany(int company) {
  if (company < 1 || company > 3) return std::nullopt;
  return static_cast<Carrier>(company - 1);
}

std::string_view CarrierName(Carrier carrier) {
  switch (carrier) {
    case Carrier::Docomo:
      return "docomo";
    case Carrier::Vodafone:
      return "Vodafone";
    case Carrier::Au:
      return "au";
  }
  return {};
}

std::filesystem::path TemplateRoot(const std::filesystem::path& program_folder) {
  return program_folder / "template";
}

std::filesystem::path CarrierTemplateFolder(const std::filesystem::path& template_root,
                                            Carrier carrier) {
  return template_root / Cp932ToPath(CarrierName(carrier));
}

void LoadSettings(ListingSettings& settings, const Profile& profile) {
  const ProfileReading reading(profile);  // the file is read once, not once per key
  for (const Key& key : kKeys) LoadKey(key, settings, reading);
}

void SaveSettings(const ListingSettings& settings, Profile& profile) {
  for (const Key& key : kKeys) SaveKey(key, settings, profile);
}

// Each entry runs from its "." to the byte before the next "."; that byte is taken to be
// the separator, whatever it is, so ".jpg.gif" gives ".jp" and ".gif". The nothing between
// the dots of ".." is no entry: it would match no name and could not be saved back.
std::vector<std::string> ParseExtensionList(std::string_view text) {
  std::vector<std::string> extensions;
  std::size_t dot = FindMb(text, ".");
  while (dot != std::string_view::npos) {
    const std::size_t next = FindMb(text, ".", dot + 1);
    const std::string_view entry =
        next == std::string_view::npos ? text.substr(dot) : text.substr(dot, next - dot - 1);
    if (!entry.empty()) extensions.emplace_back(TrimTrailingWhite(entry));
    dot = next;
  }
  return extensions;
}

std::string FormatExtensionList(const std::vector<std::string>& extensions) {
  std::string text;
  for (const auto& extension : extensions) text += extension + " ";
  return text;
}

// Every name ends with "/"; text after the last "/" is not a name.
std::vector<std::string> ParseTemplateList(std::string_view text) {
  std::vector<std::string> names;
  // A name given again would render, and replace, the same page again: only the first counts.
  std::unordered_set<std::string_view> seen;
  std::size_t start = 0;
  for (std::size_t slash = FindMb(text, "/"); slash != std::string_view::npos;
       slash = FindMb(text, "/", start)) {
    const std::string_view name = text.substr(start, slash - start);
    if (seen.insert(name).second) names.emplace_back(name);
    start = slash + 1;
  }
  return names;
}

std::string FormatTemplateList(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += name + "/";
  return text;
}

}  // namespace veldor
