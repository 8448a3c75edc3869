#include "checker_ui/checker_dlg.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "checker_ui/checker_app.h"
#include "qt_common/about_box.h"
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
  static void Show(CCheckerDlg& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
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
    Show(dialog);
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
    Show(dialog);
    QVERIFY(testing::DropOn(dialog, {good, text, no_extension}));
    QTRY_COMPARE(messages_.shown.size(), std::size_t{3});
    QCOMPARE(messages_.shown,
             (std::vector<Message>{NoErrors(good), kWrongExtension, kWrongExtension}));
  }

  void commandLinePathsAreCheckedOnceTheWindowIsShown() {
    const auto good = GoodTemplate("index.html");
    const QString started_in = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder_->path().string()));
    CCheckerApp app({QStringLiteral("index.html"), QStringLiteral("index.HTM")});
    QDir::setCurrent(started_in);

    auto dialog = app.CreateMainDialog(&messages_);
    QCoreApplication::processEvents();  // a drop scheduled too early would run here
    QVERIFY(messages_.shown.empty());
    Show(*dialog);
    QTRY_COMPARE(messages_.shown.size(), std::size_t{2});
    QCOMPARE(messages_.shown, (std::vector<Message>{NoErrors(good), kWrongExtension}));
  }

  void contextMenuOpensTheAboutBox() {
    CCheckerDlg dialog(&messages_);
    const QList<QAction*> actions = dialog.contextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2]->text(), QStringLiteral("tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    QString title;
    QString version;
    testing::WhenModalShown([&](QWidget& about) {
      title = about.windowTitle();
      version = about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
      about.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    actions[2]->trigger();
    QCOMPARE(title, QStringLiteral("tovrinのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(version, QStringLiteral("tovrin Version 1.0"));
  }

  void windowsRenderAtTheirDialogUnitSize() {
    CCheckerDlg dialog(&messages_);
    QCOMPARE(QFontInfo(dialog.font()).family(), QStringLiteral("IPAPGothic"));
    const ui::DialogUnits& units = dialog.dialog_units();
    Show(dialog);
    const QImage main = dialog.grab().toImage();
    QCOMPARE(main.size(), units.ToPixels(QSize(131, 67)));
    auto* hint = dialog.findChild<QLabel*>(QStringLiteral("dropHintLabel"));
    QCOMPARE(hint->text(),
             QStringLiteral("テンプレートファイルを\nドラッグ＆ドロップしてください。"));
    QCOMPARE(hint->geometry(), units.ToPixels(QRect(21, 23, 89, 19)));
    QVERIFY(hint->sizeHint().width() <= hint->width());
    QVERIFY(hint->sizeHint().height() <= hint->height());
    QVERIFY(main.save(testing::ScreenshotPath(QStringLiteral("tovrin-main.png"))));

    QSize about_size;
    QSize expected_about;
    QRect version_rect;
    QRect ok_rect;
    testing::WhenModalShown([&](QWidget& about) {
      const QImage image = about.grab().toImage();
      about_size = image.size();
      expected_about = dynamic_cast<ui::AboutBox&>(about).dialog_units().ToPixels(QSize(235, 55));
      version_rect = about.findChild<QLabel*>(QStringLiteral("versionLabel"))->geometry();
      ok_rect = about.findChild<QPushButton*>(QStringLiteral("okButton"))->geometry();
      image.save(testing::ScreenshotPath(QStringLiteral("tovrin-about.png")));
      QTest::keyClick(&about, Qt::Key_Escape);
    });
    dialog.ShowAbout();
    QVERIFY(!about_size.isEmpty());
    QCOMPARE(about_size, expected_about);
    QVERIFY(version_rect.right() < ok_rect.left());
  }
};

}  // namespace veldor

QTEST_MAIN(veldor::CheckerDlgTest)
#include "checker_dlg_test.moc"
