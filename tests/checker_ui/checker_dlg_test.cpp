// tovrin's window: dropped files are checked in drop order (the messages themselves are
// the checker's); its about box and its layout.

#include "checker_ui/checker_dlg.h"

#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

TEST(CheckerDlgTest, DropChecksInOrder) {
  TempFolder folder;
  const char good[] = "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n";
  const auto index = folder.Write("index.html", good);
  const auto bad = folder.Write("list.htm", "[@TITLE@]\n[@START@]\n[@FNAME@]\n[@STOP@]\n");
  RecordingMessages messages;
  CCheckerDlg dialog(&messages);
  ASSERT_TRUE(Shown(dialog));
  EXPECT_FALSE(DropOn(dialog, {}));  // a drag without local files, as of text or a web page
  ASSERT_TRUE(DropOn(dialog, {folder.Write("TOP.HTML", good), index, bad, folder / "notes.txt"}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 5; }));
  EXPECT_EQ(messages.Captions(),
            (std::vector<std::string>{"ファイルが違います", "処理終了", "[@START@]以前でのエラー",
                                      "処理終了", "ファイルが違います"}));
  EXPECT_EQ(messages.shown[1].text,
            PathToCp932(index) + Utf8ToCp932("\r\nにエラーは見つかりませんでした。"));
  EXPECT_EQ(messages.shown[3].text.find(PathToCp932(bad)), 0u);
  ExpectLaidOut(dialog, dialog.dialog_units());
  EXPECT_EQ(AboutBoxSeen(*dialog.contextMenu()),
            (QStringList{"閉じる(&C)", "", "tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)...", "tovrinのﾊﾞｰｼﾞｮﾝ情報",
                         "tovrin Version 1.0"}));
}

}  // namespace
}  // namespace veldor::testing
