// tovrin's window: the command line, then dropped files, are checked in order (the
// messages themselves are the checker's); its about box and its layout.

#include "checker_ui/checker_app.h"
#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

TEST(CheckerDlgTest, ChecksInOrder) {
  TempFolder folder;
  const char good[] = "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n";
  const auto index = folder.Write("index.html", good);
  const auto bad = folder.Write("list.htm", "[@TITLE@]\n[@START@]\n[@FNAME@]\n[@STOP@]\n");
  RecordingMessages messages;
  CCheckerApp app({ui::PathToQString(index)});
  auto dialog = app.CreateMainDialog(&messages);
  ASSERT_TRUE(Shown(*dialog) && QTest::qWaitFor([&] { return messages.shown.size() == 1; }));
  EXPECT_FALSE(DropOn(*dialog, {}));  // a drag without local files, as of text or a web page
  ASSERT_TRUE(DropOn(*dialog, {folder.Write("TOP.HTML", good), index, bad, folder / "a.txt"}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 6; }));
  EXPECT_EQ(messages.Captions(), (std::vector<std::string>{"処理終了", "ファイルが違います",
                                                           "処理終了", "[@START@]以前でのエラー",
                                                           "処理終了", "ファイルが違います"}));
  ExpectLaidOut(*dialog, dialog->dialog_units());
  EXPECT_EQ(AboutBoxSeen(*dialog->contextMenu()),
            (QStringList{"閉じる(&C)", "", "tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)...", "tovrinのﾊﾞｰｼﾞｮﾝ情報",
                         "tovrin Version 1.0"}));
}

}  // namespace
}  // namespace veldor::testing
