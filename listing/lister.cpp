#include "listing/lister.h"

#include <utility>

#include "platform/profile.h"

namespace veldor {

Lister::Lister(std::filesystem::path program_folder, MessageSink& messages, Shell& shell)
    : settings_file_(program_folder / "quorsel.ini"),
      lists_(program_folder),
      context_{settings_, lists_, messages, shell, file_system_, std::move(program_folder),
               {},        false,  nullptr} {
  context_.browser_path = FindBrowserPath(context_.program_folder);
  LoadSettings(settings_, Profile(settings_file_));
  LoadListsAtStartup(lists_, messages);
}

void Lister::SaveSettings() const {
  Profile profile(settings_file_);
  veldor::SaveSettings(settings_, profile);
}

}  // namespace veldor
