#include "checker_ui/checker_dlg.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <memory>

#include "checker_ui/checker_app.h"
#include "support/qt_test_support.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

using testing::U8Message;

const Message kWrongExtension = U8Message(
    "ファイルが違います", "テンプレートファイルの拡張子は\r\n「.html」か「.htm」にしてください。",
    Icon::Exclamation);

Message NoErrors(const std::filesystem::path& path) {
  return Message{Utf8ToCp932("処理終了"),
                 PathToCp932(path) + Utf8ToCp932("\r\nにエラーは見つかりませんでした。"),
                 Icon::None, Buttons::Ok, false};
}

Message ErrorsFound(const std::filesystem::path& path) {
  return Message{
      Utf8ToCp932("処理終了"),
      PathToCp932(path) + Utf8ToCp932("\r\nにはエラーがみつかったので、再度確認してください。"),
      Icon::Stop, Buttons::Ok, false};
}

}  // namespace

class CheckerDlgTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> folder_;
  testing::QtRecordingMessages messages_;

  std::filesystem::path GoodTemplate(const char* name) {
    return folder_->Write(name, "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n");
  }

 private slots:
  void init() {
    folder_ = std::make_unique<testing::TempFolder>();
    messages_ = testing::QtRecordingMessages();
  }

  void droppedFilesAreTestedAndCheckedInDropOrder() {
    const auto capitals = GoodTemplate("TOP.HTML");
    const auto good = GoodTemplate("index.html");
    const auto bad = folder_->Write("list.htm", "[@TITLE@]\n[@START@]\n[@FNAME@]\n[@STOP@]\n");
    CCheckerDlg dialog(&messages_);
    testing::ShowAndWait(dialog);
    QVERIFY(testing::DropOn(dialog, {capitals, good, bad}));
    QTRY_COMPARE(messages_.shown.size(), std::size_t{4});
    QCOMPARE(messages_.shown[0], kWrongExtension);
    QCOMPARE(messages_.shown[1], NoErrors(good));
    QCOMPARE(messages_.Captions()[2], std::string("[@START@]以前でのエラー"));
    QCOMPARE(messages_.Texts()[2],
             std::string("[@TITLE@] というタグは存在しません。\r\nもう一度確認してください。"));
    QCOMPARE(messages_.shown[3], ErrorsFound(bad));
  }

  void rejectedFileDoesNotStopTheOthers() {
    const auto good = GoodTemplate("page.htm");
    const auto text = folder_->Write("notes.txt", "text");
    const auto no_extension = folder_->Write("README", "text");
    CCheckerDlg dialog(&messages_);
    testing::ShowAndWait(dialog);
    QVERIFY(testing::DropOn(dialog, {good, text, no_extension}));
    QTRY_COMPARE(messages_.shown.size(), std::size_t{3});
    QCOMPARE(messages_.shown,
             (std::vector<Message>{NoErrors(good), kWrongExtension, kWrongExtension}));
  }

  void commandLinePathsAreCheckedOnceTheWindowIsShown() {
    const auto good = GoodTemplate("index.html");
    auto app = testing::StartedIn<CCheckerApp>(
        folder_->path(), {QStringLiteral("index.html"), QStringLiteral("index.HTM")});

    auto dialog = app.CreateMainDialog(&messages_);
    QCoreApplication::processEvents();  // a drop scheduled too early would run here
    QVERIFY(messages_.shown.empty());
    testing::ShowAndWait(*dialog);
    QTRY_COMPARE(messages_.shown.size(), std::size_t{2});
    QCOMPARE(messages_.shown, (std::vector<Message>{NoErrors(good), kWrongExtension}));
  }

  void contextMenuOpensTheAboutBox() {
    CCheckerDlg dialog(&messages_);
    const testing::AboutSeen about = testing::OpenAboutBox(*dialog.contextMenu(), QSize(235, 55),
                                                           QStringLiteral("tovrin-about.png"));
    QCOMPARE(about.menu, (QStringList{"閉じる(&C)", "", "tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)..."}));
    QCOMPARE(about.title, QStringLiteral("tovrinのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(about.version, QStringLiteral("tovrin Version 1.0"));
    QCOMPARE(about.size, about.expected_size);
    QCOMPARE(about.cut_off, QStringList());
    QVERIFY(about.text_clear_of_ok);
  }

  void windowRendersAtItsDialogUnitSizeWithItsHintReadable() {
    CCheckerDlg dialog(&messages_);
    QCOMPARE(QFontInfo(dialog.font()).family(), QStringLiteral("IPAPGothic"));
    const ui::DialogUnits& units = dialog.dialog_units();
    testing::ShowAndWait(dialog);
    QCOMPARE(dialog.grab().size(), units.ToPixels(QSize(131, 67)));
    auto* hint = dialog.findChild<QLabel*>(QStringLiteral("dropHintLabel"));
    QCOMPARE(hint->text(),
             QStringLiteral("テンプレートファイルを\nドラッグ＆ドロップしてください。"));
    QCOMPARE(hint->geometry(), units.ToPixels(QRect(21, 23, 89, 19)));
    QCOMPARE(testing::TextsCutOff(dialog), QStringList());
    QVERIFY(testing::SaveScreenshot(dialog, QStringLiteral("tovrin-main.png")));
  }
};

}  // namespace veldor

QTEST_MAIN(veldor::CheckerDlgTest)
#include "checker_dlg_test.moc"
