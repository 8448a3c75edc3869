// The Windows platform layer against the real system (under Wine in CI).
#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>

#include "platform/file_io.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "platform/user_program_folder.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;

bool IsWine() {
  return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class WindowsPlatformTest : public ::testing::Test {
 protected:
  // Opens `file` as another program would, sharing it only as `share` says.
  HANDLE OpenElsewhere(const fs::path& file, DWORD share) {
    return ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  testing::TempFolder folder_;
};

// A list file another program holds without sharing cannot be read (the caller shows its
// read error); a listing held open by a spreadsheet cannot be replaced, keeps its old
// bytes and leaves no temporary behind. Japanese names on the way work as any other.
TEST_F(WindowsPlatformTest, LockedFilesAreNeitherReadNorReplaced) {
  const fs::path list = folder_.Write("設定/replace_list.csv", "a.jpg,写\r\n");
  const HANDLE exclusive = OpenElsewhere(list, 0);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReadFileBytes(list), std::nullopt);
  ::CloseHandle(exclusive);
  EXPECT_EQ(ReadFileBytes(list), "a.jpg,写\r\n");

  const fs::path listing = folder_.Write("写真/写真.csv", "old");
  const HANDLE shared = OpenElsewhere(listing, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(shared, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteFileAtomically(listing, "new"));
  ::CloseHandle(shared);
  EXPECT_EQ(folder_.Read("写真/写真.csv"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(listing.parent_path()), {}), 1);
  EXPECT_TRUE(WriteFileAtomically(listing, "new"));
  EXPECT_EQ(folder_.Read("写真/写真.csv"), "new");
}

// The creation time is the file's own, not its modification time; entries come in
// case-insensitive ordinal order whatever the file system returns; a name CP932 cannot
// hold still has its status and shows with "?" for what is missing.
TEST_F(WindowsPlatformTest, RealFileSystemHasCreationTimesAndAStableOrder) {
  const std::time_t before = std::time(nullptr);
  for (const char* name : {"b.jpg", "_x", "c.png", "A.jpg", "café.jpg"}) {
    folder_.Write(name, "12345");
  }
  fs::create_directory(folder_ / "Sub");
  const HANDLE file = ::CreateFileW((folder_ / "b.jpg").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const FILETIME written{0xE9C60000u, 0x01C4C64Fu};  // 2004-11-09 11:33:20 UTC
  ASSERT_TRUE(::SetFileTime(file, nullptr, nullptr, &written));
  ::CloseHandle(file);
  const std::time_t after = std::time(nullptr);

  RealFileSystem file_system;
  const auto status = file_system.Status(folder_ / "b.jpg");
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 5);
  EXPECT_EQ(status->modified, 1100000000);
  // Wine keeps no creation time on Linux and gives the modification time for it.
  if (IsWine()) {
    EXPECT_EQ(status->created, status->modified);
  } else {
    EXPECT_GE(status->created, before - 2);
    EXPECT_LE(status->created, after + 2);
  }
  std::string listed;
  const auto entries = file_system.Enumerate(folder_.path());
  for (const FolderEntry& entry : entries.value()) {
    listed += PathToCp932(entry.name) + (entry.is_directory ? "/" : "") +
              std::to_string(entry.status.value().size) + " ";
    if (entry.name.native() == L"b.jpg") {
      EXPECT_EQ(entry.status, status);
    }
  }
  EXPECT_EQ(listed, "A.jpg5 b.jpg5 c.png5 caf?.jpg5 Sub/0 _x5 ");
  EXPECT_EQ(file_system.Enumerate(folder_ / "b.jpg"), std::nullopt);
  EXPECT_EQ(file_system.Enumerate(folder_ / "missing"), std::nullopt);
  EXPECT_EQ(file_system.Status(folder_ / "missing"), std::nullopt);
  EXPECT_TRUE(fs::is_regular_file(ExecutableFolder() / "platform_test.exe"));
}

// Killed halfway (TerminateProcess, which no program can catch), a write leaves the folder
// as it was: the new file goes with its handle. The test runs itself as the writer.
TEST_F(WindowsPlatformTest, KilledWriteLeavesNothingBehind) {
  const auto event_name = [](const fs::path& folder) {
    return L"veldor-killed-writer-" + folder.filename().wstring();
  };
  if (const wchar_t* folder = ::_wgetenv(L"VELDOR_KILLED_WRITER")) {  // the writer
    const HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name(folder).c_str());
    WriteFileAtomically(
        fs::path(folder) / L"list.txt",
        [&](ByteSink& sink) {
          sink.Write(std::string(std::size_t{1} << 20, 'x'));
          ::SetEvent(ready);
          ::Sleep(INFINITE);
          return true;
        },
        AtLink::Replace);
    return;
  }
  folder_.Write("list.txt", "old");
  const HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, event_name(folder_.path()).c_str());
  std::wstring command = L"\"" + (ExecutableFolder() / L"platform_test.exe").wstring() +
                         L"\" --gtest_filter=WindowsPlatformTest.KilledWriteLeavesNothingBehind";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ::SetEnvironmentVariableW(L"VELDOR_KILLED_WRITER", folder_.path().c_str());
  const bool started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process) != 0;
  ::SetEnvironmentVariableW(L"VELDOR_KILLED_WRITER", nullptr);
  ASSERT_TRUE(started);
  EXPECT_EQ(::WaitForSingleObject(ready, 60000), WAIT_OBJECT_0);
  ::TerminateProcess(process.hProcess, 9);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(ready);
  EXPECT_EQ(folder_.Read("list.txt"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1);
}

// The program folder is used while it can be written, else %LOCALAPPDATA%\VELDOR; the
// checker programs (.exe) are not copied there. HTML listings open in the program Windows
// associates with help.html.
TEST_F(WindowsPlatformTest, ProgramFolderAndBrowser) {
  EXPECT_TRUE(IsWritableFolder(folder_.path()));
  EXPECT_FALSE(IsWritableFolder(folder_ / "missing"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 0);  // no probe left
  const fs::path user = UserProgramFolder();
  EXPECT_TRUE(user.is_absolute());
  EXPECT_EQ(user.filename(), L"VELDOR");
  EXPECT_TRUE(IsProgramFile("template/tovrin-cli.EXE"));
  EXPECT_FALSE(IsProgramFile("template/docomo/index.html"));
  EXPECT_EQ(FindBrowserPath(folder_.path()), fs::path());
  folder_.Write("help.html", "<html>help</html>");
  if (IsWine()) {  // its private prefix associates nothing with pages: give it a program
    const auto set = [](const wchar_t* key, const wchar_t* value) {
      return ::RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value,
                               static_cast<DWORD>((std::wcslen(value) + 1) * sizeof(wchar_t)));
    };
    ASSERT_EQ(set(L".html", L"VeldorTestPage"), ERROR_SUCCESS);
    ASSERT_EQ(set(L"VeldorTestPage\\shell\\open\\command", L"C:\\windows\\notepad.exe \"%1\""),
              ERROR_SUCCESS);
  }
  EXPECT_TRUE(fs::is_regular_file(FindBrowserPath(folder_.path())));
  // A program folder whose path is longer than 260 characters works as any other.
  const fs::path deep =
      folder_.Write(std::string(130, 'd') + "/" + std::string(130, 'e') + "/help.html", "x")
          .parent_path();
  EXPECT_TRUE(IsWritableFolder(deep));
  EXPECT_TRUE(fs::is_regular_file(FindBrowserPath(deep)));
}

}  // namespace
}  // namespace veldor
