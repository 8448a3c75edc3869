#include "engine/lister_context.h"

#include <system_error>

namespace veldor {

std::filesystem::path FindBrowserPath(const std::filesystem::path& program_folder) {
  std::error_code ec;
  // help.html stands for "a page the desktop can show": without it no browser is looked up.
  if (!std::filesystem::exists(program_folder / "help.html", ec)) return {};
  return FindOnPath("xdg-open");
}

}  // namespace veldor
