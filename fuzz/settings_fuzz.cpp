// Any settings file loads, and the settings then saved load back the same.
#include "engine/settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veldor;
  const auto& folder = fuzz::Scratch();
  ListingSettings loaded, reloaded;
  LoadSettings(loaded, Profile(folder.Write(
                           "in.ini", std::string_view(reinterpret_cast<const char*>(data), size))));
  std::filesystem::remove(folder / "saved.ini");
  Profile saved(folder / "saved.ini");
  SaveSettings(loaded, saved);
  LoadSettings(reloaded, saved);
  fuzz::Require(loaded == reloaded, "saved settings load back the same");
  return 0;
}
