#include "template_rules/template_files.h"

#include <algorithm>

#include "platform/file_name.h"
#include "text/cp932.h"

namespace veldor {
namespace {

// A name the renderer would refuse (a device name) is never offered.
bool IsTemplateName(std::string_view name) {
  if (!IsBareFileName(name)) return false;
  const std::string_view extension = FileExtension(name);
  return MbsICmp(extension, ".htm") == 0 || MbsICmp(extension, ".html") == 0;
}

// Case-insensitive first, as a sorted list box orders its items; bytes break ties so the
// order is total.
bool ListOrder(const std::string& a, const std::string& b) {
  const int folded = MbsICmp(a, b);
  return folded != 0 ? folded < 0 : MbsCmp(a, b) < 0;
}

}  // namespace

std::vector<std::string> FindTemplateFiles(FileSystem& file_system,
                                           const std::filesystem::path& folder) {
  std::vector<std::string> names;
  const auto entries = file_system.Enumerate(folder);
  if (!entries) return names;
  for (const FolderEntry& entry : *entries) {
    if (entry.is_directory) continue;
    std::string name = PathToCp932(entry.name);
    if (IsTemplateName(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), ListOrder);
  return names;
}

}  // namespace veldor
