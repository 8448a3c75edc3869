// tovrin.exe's dialog from its resources: its size, its about entry, and dropped files
// checked in the order of the drop (the messages themselves are the checker's).
#include "checker_win/checker_dlg.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/win_dialog_support.h"

namespace veldor::testing {
namespace {

TEST(CheckerDlgTest, ChecksDropsInOrder) {
  TempFolder folder;
  const auto index =
      folder.Write("写真/index.html", "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n");
  RecordingMessages messages;
  CCheckerDlg dialog(&messages, {index});
  const HWND hwnd = dialog.CreateModeless();
  ASSERT_NE(hwnd, nullptr);
  ExpectDialogUnits(hwnd, 131, 67);
  UINT command = 0;
  bool separated = false;
  EXPECT_EQ(LastSystemMenuEntry(hwnd, command, separated), L"tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)...");
  EXPECT_EQ(command, 16u);
  EXPECT_TRUE(separated);

  MSG message{};  // the command line's paths come first, once the dialog is up
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  const auto broken = folder.Write("broken.htm", "<p>[@START@]</p>\n");
  ::SendMessageW(
      hwnd, WM_DROPFILES,
      reinterpret_cast<WPARAM>(MakeDrop({folder / "a.txt", index, broken, folder / "B.HTML"})), 0);
  std::vector<std::string> captions;
  for (const Message& m : messages.shown) captions.push_back(m.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"処理終了", "ファイルが違います", "処理終了", "文法エラー",
                                      "文法エラー", "処理終了", "ファイルが違います"}));
  EXPECT_EQ(messages.shown[5].icon, Icon::Stop);
  EXPECT_NE(messages.shown[0].text.find("写真"), std::string::npos);
  ::DestroyWindow(hwnd);
}

}  // namespace
}  // namespace veldor::testing
