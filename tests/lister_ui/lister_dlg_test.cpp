// The main window: its radios, drops, the command line, closing, the about box, the layout.

#include "lister_ui/lister_dlg.h"

#include "lister_ui/lister_app.h"
#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

class ListerDlgTest : public ::testing::Test {
 protected:
  std::unique_ptr<CListerDlg> Open() {
    return std::make_unique<CListerDlg>(program.path(), &messages, &shell);
  }
  static QString Checked(const CListerDlg& dialog) {
    QStringList checked;
    for (const auto* radio : dialog.findChildren<QRadioButton*>()) {
      if (radio->isChecked()) checked << radio->objectName();
    }
    return checked.join(' ');
  }
  // Trip holds a picture and a file the default filter leaves out.
  std::filesystem::path Trip() {
    drops.Write("Trip/notes.txt", "not a picture");
    return drops.Write("Trip/a.jpg", std::string(300, 'x')).parent_path();
  }
  const Message kTripListed = U8Message("処理結果", "Trip.txt\r\n\r\nを出力しました。", Icon::None);

  TempFolder program, drops;
  RecordingMessages messages;
  RecordingShell shell;
};

TEST_F(ListerDlgTest, RadiosShowTheStoredSettings) {
  const char* const rows[][2] = {
      {"company=3\r\noutput_mode=2", "carrierAuRadio formatCsvRadio"},
      {"company=2\r\noutput_mode=3", "carrierVodafoneRadio formatHtmlRadio"},
      {"company=7\r\noutput_mode=0", "carrierDocomoRadio formatTxtRadio"},
      {"", "carrierDocomoRadio formatTxtRadio"}};
  for (const auto& [ini, checked] : rows) {
    program.Write("quorsel.ini", std::string("[MAIN_OPTION]\r\n") + ini + "\r\n");
    EXPECT_EQ(Checked(*Open()), checked);
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListerDlgTest, ClicksSetTheSettingsAndClosingWritesThem) {
  auto dialog = Open();
  ASSERT_TRUE(Shown(*dialog));
  const ListingSettings& settings = dialog->context().settings;
  const std::tuple<const char*, int, int> clicks[] = {
      {"carrierAuRadio", 3, 1},     {"formatHtmlRadio", 3, 3},      {"formatCsvRadio", 3, 2},
      {"carrierDocomoRadio", 1, 2}, {"carrierVodafoneRadio", 2, 2}, {"formatTxtRadio", 2, 1},
      {"formatCsvRadio", 2, 2}};
  for (const auto& [radio, company, output_mode] : clicks) {
    QTest::mouseClick(Find(*dialog, radio), Qt::LeftButton);
    EXPECT_EQ(std::pair(settings.company, settings.output_mode), std::pair(company, output_mode));
  }
  EXPECT_EQ(program.Read("quorsel.ini"), "<missing>");
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  dialog.reset();
  EXPECT_NE(program.Read("quorsel.ini").find("company=2\r\noutput_mode=2\r\n"), std::string::npos);
}

TEST_F(ListerDlgTest, DropListsFoldersAndShowsFiles) {
  const auto photo = drops.Write("photo.jpg", std::string(640, 'p'));
  auto dialog = Open();
  ASSERT_TRUE(Shown(*dialog));
  ASSERT_TRUE(DropOn(*dialog, {photo, Trip()}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return messages.shown.size() == 2; }));
  EXPECT_EQ(messages.Captions()[0], "photo.jpg");
  EXPECT_TRUE(messages.Texts()[0].starts_with("640 byte\r\n5 パケット 2 円\r\n"));
  EXPECT_EQ(messages.shown[1], kTripListed);
  const std::string listing = drops.Read("Trip/Trip.txt");
  EXPECT_TRUE(listing.find("a.jpg") != std::string::npos &&
              listing.find("notes") == std::string::npos);
}

TEST_F(ListerDlgTest, CommandLineIsDroppedOnceShown) {
  Trip();
  const QString started_in = QDir::currentPath();
  QDir::setCurrent(ui::PathToQString(drops.path()));  // the paths are relative to it
  CListerApp app({"Trip/"});
  QDir::setCurrent(started_in);
  auto dialog = app.CreateMainDialog(program.path(), &messages, &shell);
  QCoreApplication::processEvents();  // a drop scheduled too early would run here
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(Shown(*dialog));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.shown, std::vector<Message>{kTripListed});
}

TEST_F(ListerDlgTest, AboutBoxAndLayout) {
  auto dialog = Open();
  ASSERT_TRUE(Shown(*dialog));
  ExpectLaidOut(*dialog, dialog->dialog_units());
  EXPECT_EQ(AboutBoxSeen(*dialog),
            (QStringList{"閉じる(&C)", "", "Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)...", "VELDORのﾊﾞｰｼﾞｮﾝ情報",
                         "パケット料金表示支援プログラム　 VELDOR  Version 1.02"}));
}

}  // namespace
}  // namespace veldor::testing
