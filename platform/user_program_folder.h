#pragma once
// Where the desktop programs keep settings and lists. The program folder is the
// executable's own folder; a system-wide install cannot be written by the user, so then
// each user gets a folder of their own, seeded from the shipped one.

#include <filesystem>
#include <optional>

namespace veldor {

/// True when the current user may create and replace files in `folder`.
bool IsWritableFolder(const std::filesystem::path& folder);

/// The per-user program folder: on Linux $XDG_DATA_HOME/veldor when XDG_DATA_HOME is
/// absolute, else ~/.local/share/veldor with HOME when it is absolute, else with the home
/// folder of the user's passwd entry; on Windows %LOCALAPPDATA%\VELDOR when LOCALAPPDATA is
/// absolute. Empty when there is no such absolute folder.
std::filesystem::path UserProgramFolder();

/// True for a program (the checker inside template/): executable on Linux, an .exe on
/// Windows. A user's folder gets no copy of it, which would not follow updates.
bool IsProgramFile(const std::filesystem::path& file);

/// Copies help.html and template/ (with the templates in it, not the checker programs)
/// from `shipped` into `user` when `user` has no item of that name yet, creating folders
/// as needed; nothing in `user` is ever replaced. Failures to copy are ignored: the
/// programs then report missing files as they would anyway.
void SeedUserProgramFolder(const std::filesystem::path& shipped, const std::filesystem::path& user);

/// The program folder to use: `executable_folder` when `executable_folder_writable`,
/// else `user_folder` seeded from the executable's folder; nothing, with nothing created,
/// when that is needed but empty.
std::optional<std::filesystem::path> ChooseProgramFolder(
    const std::filesystem::path& executable_folder, bool executable_folder_writable,
    const std::filesystem::path& user_folder);

/// ChooseProgramFolder for the running executable and the current user; the terminal
/// program uses it too, so both find the same settings and lists.
std::optional<std::filesystem::path> DesktopProgramFolder();

}  // namespace veldor
