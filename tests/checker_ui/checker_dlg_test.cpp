// tovrin's window: dropped files are checked in drop order, the about box, the layout.

#include "checker_ui/checker_dlg.h"

#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

TEST(CheckerDlgTest, DropChecksEachTemplateInOrder) {
  TempFolder folder;
  const char good[] = "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n";
  const auto index = folder.Write("index.html", good);
  const auto bad = folder.Write("list.htm", "[@TITLE@]\n[@START@]\n[@FNAME@]\n[@STOP@]\n");
  RecordingMessages messages;
  CCheckerDlg dialog(&messages);
  ASSERT_TRUE(Shown(dialog));
  ASSERT_TRUE(DropOn(dialog, {folder.Write("TOP.HTML", good), index, bad, folder / "notes.txt"}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 5; }));
  const auto done = [](const std::filesystem::path& path, const char* text, Icon icon) {
    return Message{Utf8ToCp932("処理終了"), PathToCp932(path) + Utf8ToCp932(text), icon};
  };
  const Message wrong_file = U8Message(
      "ファイルが違います", "テンプレートファイルの拡張子は\r\n「.html」か「.htm」にしてください。",
      Icon::Exclamation);
  EXPECT_EQ(messages.shown,
            (std::vector<Message>{
                wrong_file, done(index, "\r\nにエラーは見つかりませんでした。", Icon::None),
                U8Message("[@START@]以前でのエラー",
                          "[@TITLE@] というタグは存在しません。\r\nもう一度確認してください。",
                          Icon::Exclamation),
                done(bad, "\r\nにはエラーがみつかったので、再度確認してください。", Icon::Stop),
                wrong_file}));
}

TEST(CheckerDlgTest, AboutBoxAndLayout) {
  CCheckerDlg dialog;
  ASSERT_TRUE(Shown(dialog));
  ExpectLaidOut(dialog, dialog.dialog_units());
  EXPECT_EQ(AboutBoxSeen(dialog), (QStringList{"閉じる(&C)", "", "tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)...",
                                               "tovrinのﾊﾞｰｼﾞｮﾝ情報", "tovrin Version 1.0"}));
}

}  // namespace
}  // namespace veldor::testing
