#include "lister_ui/lister_dlg.h"

#include <QFontInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "lister_ui/lister_app.h"
#include "qt_common/dialog_units.h"
#include "support/qt_test_support.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::U8Message;

// A fresh program folder holds the settings file with every key in this order.
const char kAllKeysWithCsv[] =
    "[MAIN_OPTION]\r\ndocomo_rate=30\r\nJ-PHONE_rate=30\r\nau_rate=27\r\ncompany=1\r\n"
    "output_mode=2\r\n"
    "[PAGE_1]\r\nsort_key=0\r\nsort_style=0\r\nover_write=0\r\nprint_result=1\r\nfile_open=0\r\n"
    "all_files=1\r\next_strings=.jpg .gif .png \r\n"
    "[PAGE_2]\r\noutput_items1=1\r\noutput_items2=1\r\noutput_items3=0\r\noutput_items4=1\r\n"
    "output_items5=1\r\noutput_items6=0\r\ntemplates1=index.html/\r\ntemplates2=index.html/\r\n"
    "templates3=index.html/\r\n";

const char* const kRadioNames[] = {"carrierDocomoRadio", "carrierVodafoneRadio", "carrierAuRadio",
                                   "formatTxtRadio",     "formatCsvRadio",       "formatHtmlRadio"};

}  // namespace

class ListerDlgTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempFolder> program_;
  std::unique_ptr<testing::TempFolder> drops_;
  testing::QtRecordingMessages messages_;
  testing::RecordingShell shell_;

  std::unique_ptr<CListerDlg> Open() {
    return std::make_unique<CListerDlg>(program_->path(), &messages_, &shell_);
  }
  static QRadioButton* Radio(CListerDlg& dialog, const char* name) {
    return dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
  }
  static QString CheckedRadios(CListerDlg& dialog) {
    QStringList checked;
    for (const char* name : kRadioNames) {
      if (Radio(dialog, name)->isChecked()) checked << QString::fromLatin1(name);
    }
    return checked.join(QLatin1Char(' '));
  }
  // A folder with one picture and one file the default filter leaves out.
  std::filesystem::path MakeTripFolder() {
    drops_->Write("Trip/a.jpg", std::string(300, 'x'));
    drops_->Write("Trip/notes.txt", "not a picture");
    return drops_->path() / "Trip";
  }

 private slots:
  void init() {
    program_ = std::make_unique<testing::TempFolder>();
    drops_ = std::make_unique<testing::TempFolder>();
    messages_ = testing::QtRecordingMessages();
    shell_.opened.clear();
  }

  void cleanup() { QVERIFY(!messages_.unscripted); }

  void startupMarksTheStoredCarrierAndFormat_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("checked");
    QTest::newRow("au and csv") << QByteArray("[MAIN_OPTION]\r\ncompany=3\r\noutput_mode=2\r\n")
                                << "carrierAuRadio formatCsvRadio";
    QTest::newRow("Vodafone and html")
        << QByteArray("[MAIN_OPTION]\r\ncompany=2\r\noutput_mode=3\r\n")
        << "carrierVodafoneRadio formatHtmlRadio";
    QTest::newRow("out of range") << QByteArray("[MAIN_OPTION]\r\ncompany=7\r\noutput_mode=0\r\n")
                                  << "carrierDocomoRadio formatTxtRadio";
    QTest::newRow("no settings file") << QByteArray() << "carrierDocomoRadio formatTxtRadio";
  }

  void startupMarksTheStoredCarrierAndFormat() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, checked);
    if (!ini.isEmpty()) program_->Write("quorsel.ini", ini.toStdString());
    auto dialog = Open();
    QCOMPARE(CheckedRadios(*dialog), checked);
    QVERIFY(messages_.shown.empty());
  }

  void clicksSetCarrierAndFormatAtOnce() {
    auto dialog = Open();
    testing::ShowAndWait(*dialog);
    const ListingSettings& settings = dialog->context().settings;
    const struct {
      const char* radio;
      int company;
      int output_mode;
    } clicks[] = {{"carrierAuRadio", 3, 1},       {"formatHtmlRadio", 3, 3},
                  {"formatCsvRadio", 3, 2},       {"carrierDocomoRadio", 1, 2},
                  {"carrierVodafoneRadio", 2, 2}, {"formatTxtRadio", 2, 1}};
    for (const auto& click : clicks) {
      QTest::mouseClick(Radio(*dialog, click.radio), Qt::LeftButton);
      QCOMPARE(settings.company, click.company);
      QCOMPARE(settings.output_mode, click.output_mode);
    }
    QCOMPARE(program_->Read("quorsel.ini"), std::string("<missing>"));
  }

  void droppedFolderIsListedAndTheResultShown() {
    const auto trip = MakeTripFolder();
    auto dialog = Open();
    testing::ShowAndWait(*dialog);
    QVERIFY(testing::DropOn(*dialog, {trip}));
    QTRY_COMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0],
             U8Message("処理結果", "Trip.txt\r\n\r\nを出力しました。", Icon::None));
    const std::string listing = drops_->Read("Trip/Trip.txt");
    QVERIFY(listing.find("a.jpg") != std::string::npos);
    QVERIFY(listing.find("notes.txt") == std::string::npos);
    QVERIFY(shell_.opened.empty());
  }

  void droppedFilesAndFoldersAreHandledInDropOrder() {
    const auto trip = MakeTripFolder();
    const auto photo = drops_->Write("photo.jpg", std::string(640, 'p'));
    program_->Write("quorsel.ini", "[MAIN_OPTION]\r\noutput_mode=2\r\n");
    auto dialog = Open();
    testing::ShowAndWait(*dialog);
    QVERIFY(testing::DropOn(*dialog, {photo, trip}));
    QTRY_COMPARE(messages_.shown.size(), std::size_t{2});
    QCOMPARE(messages_.Captions(), (std::vector<std::string>{"photo.jpg", "処理結果"}));
    QVERIFY(messages_.Texts()[0].starts_with("640 byte\r\n5 パケット 2 円\r\n作成日時 "));
    QCOMPARE(messages_.Texts()[1], std::string("Trip.csv\r\n\r\nを出力しました。"));
  }

  void dragWithoutLocalFilesIsRefused() {
    auto dialog = Open();
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.invalid/a.jpg"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &enter);
    QVERIFY(!enter.isAccepted());
  }

  void commandLinePathsAreDroppedOnceTheDialogIsShown() {
    MakeTripFolder();
    auto app = testing::StartedIn<CListerApp>(drops_->path(), {QStringLiteral("Trip/")});

    auto dialog = app.CreateMainDialog(program_->path(), &messages_, &shell_);
    QCoreApplication::processEvents();  // a drop scheduled too early would run here
    QVERIFY(messages_.shown.empty());
    testing::ShowAndWait(*dialog);
    QTRY_COMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0],
             U8Message("処理結果", "Trip.txt\r\n\r\nを出力しました。", Icon::None));
    QVERIFY(drops_->Read("Trip/Trip.txt") != "<missing>");
  }

  void closingWritesEveryKeyAndOnlyThen() {
    auto dialog = Open();
    testing::ShowAndWait(*dialog);
    QTest::mouseClick(Radio(*dialog, "formatCsvRadio"), Qt::LeftButton);
    QCOMPARE(program_->Read("quorsel.ini"), std::string("<missing>"));

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    dialog.reset();
    QCOMPARE(program_->Read("quorsel.ini"), std::string(kAllKeysWithCsv));
  }

  void failedListLoadIsReportedAndStartUpGoesOn() {
    // A folder where the list file should be can be neither read nor created.
    std::filesystem::create_directories(program_->path() / "replace_list.csv");
    program_->Write("quorsel.ini", "[MAIN_OPTION]\r\ncompany=3\r\n");
    auto dialog = Open();
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0],
             ReplaceListMessage(ListKind::FileNames, ListMessage::StartupReadError));
    QCOMPARE(CheckedRadios(*dialog), QStringLiteral("carrierAuRadio formatTxtRadio"));
  }

  void contextMenuOpensTheAboutBox() {
    auto dialog = Open();
    const testing::AboutSeen about = testing::OpenAboutBox(*dialog->contextMenu(), QSize(271, 55),
                                                           QStringLiteral("veldor-about.png"));
    QCOMPARE(about.menu, (QStringList{"閉じる(&C)", "", "Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)..."}));
    QCOMPARE(about.title, QStringLiteral("VELDORのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(about.version,
             QStringLiteral("パケット料金表示支援プログラム　 VELDOR  Version 1.02"));
    QCOMPARE(about.size, about.expected_size);
    QCOMPARE(about.cut_off, QStringList());
    QVERIFY(about.text_clear_of_ok);
  }

  void dialogRendersAtItsDialogUnitSizeWithEveryTextReadable() {
    auto dialog = Open();
    const QString family = QFontInfo(dialog->font()).family();
    QVERIFY2(family == QStringLiteral("IPAPGothic") || family == QStringLiteral("ＭＳ Ｐゴシック"),
             qPrintable(family));
    const ui::DialogUnits& units = dialog->dialog_units();
    const ui::DialogUnits font_units(dialog->font());
    QCOMPARE(units.base_height(), font_units.base_height());
    QVERIFY(units.base_width() >= font_units.base_width());
    QVERIFY(units.base_width() <= font_units.base_width() * 3 / 2);

    testing::ShowAndWait(*dialog);
    QCOMPARE(dialog->grab().size(), units.ToPixels(QSize(157, 91)));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("settingsButton"))->geometry(),
             units.ToPixels(QRect(118, 70, 32, 13)));
    QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("formatGroup"))->geometry(),
             units.ToPixels(QRect(65, 22, 50, 62)));
    QCOMPARE(Radio(*dialog, "formatCsvRadio")->mapTo(dialog.get(), QPoint(0, 0)),
             units.ToPixels(QRect(69, 51, 31, 12)).topLeft());
    QCOMPARE(testing::TextsCutOff(*dialog), QStringList());
    QVERIFY(testing::SaveScreenshot(*dialog, QStringLiteral("veldor-main.png")));
  }
};

}  // namespace veldor

QTEST_MAIN(veldor::ListerDlgTest)
#include "lister_dlg_test.moc"
