#include "listing/lister.h"

#include <new>
#include <utility>

#include "platform/out_of_memory.h"
#include "platform/profile.h"
#include "platform/user_program_folder.h"
#include "text/cp932.h"

namespace veldor {

Lister::Lister(std::filesystem::path program_folder, MessageSink& messages, Shell& shell)
    : settings_file_(program_folder / "quorsel.ini"),
      lists_(program_folder),
      context_{settings_, lists_, messages, shell, file_system_, std::move(program_folder),
               {},        false,  nullptr} {
  context_.browser_path = FindBrowserPath(context_.program_folder);
  // A settings file too large for the memory there is leaves the defaults.
  try {
    LoadSettings(settings_, Profile(settings_file_));
  } catch (const std::bad_alloc&) {
    settings_ = ListingSettings();
    messages.Show(OutOfMemoryMessage(settings_file_));
  }
  LoadListsAtStartup(lists_, messages);
}

std::optional<std::filesystem::path> StartUpProgramFolder(MessageSink& messages) {
  std::optional<std::filesystem::path> folder = DesktopProgramFolder();
  if (!folder) {
    messages.Show(Message{"VELDOR",
                          "設定を保存するフォルダが見つかりません。\r\n"
                          "HOME を設定してから起動してください。",
                          Icon::Exclamation, Buttons::Ok, false});
  }
  return folder;
}

void Lister::SaveSettings() const {
  Profile profile(settings_file_);
  veldor::SaveSettings(settings_, profile);
}

}  // namespace veldor
