// tovrin's window: the command line, then dropped files, are checked in order (the
// messages themselves are the checker's); its layout.

#include "checker_ui/checker_app.h"
#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

TEST(CheckerDlgTest, ChecksInOrder) {
  TempFolder folder;
  const auto index =
      folder.Write("index.html", "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n");
  RecordingMessages messages;
  CCheckerApp app({ui::PathToQString(index)});
  auto dialog = app.CreateMainDialog(&messages);
  ASSERT_TRUE(Shown(*dialog) && QTest::qWaitFor([&] { return messages.shown.size() == 1; }));
  EXPECT_FALSE(DropOn(*dialog, {}));  // a drag without local files, as of text or a web page
  ASSERT_TRUE(DropOn(*dialog, {folder / "a.txt", index}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 3; }));
  std::vector<std::string> captions;
  for (const Message& m : messages.shown) captions.push_back(m.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"処理終了", "ファイルが違います", "処理終了"}));
  ExpectLaidOut(*dialog, dialog->dialog_units());
}

}  // namespace
}  // namespace veldor::testing
