// The main window (its radios, the command line, closing, the layout) and the settings
// sheet's binding of its controls to the draft (its rules are the draft's own tests).

#include "lister_ui/about_dlg.h"
#include "lister_ui/lister_app.h"
#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/property_sheet.h"
#include "lister_ui/settings/settings_sheet.h"
#include "lister_ui/settings/text_page.h"
#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

class ListerDlgTest : public ::testing::Test {
 protected:
  TempFolder program;
  RecordingMessages messages;
  RecordingShell shell;
};

// The command line is one drop once the window is shown. The radios show the stored
// settings; each radio is a Tab stop and the arrows select within a group, round at its
// ends; Enter opens the sheet only from its button, Shift+F10 opens the menu; closing
// writes the settings.
TEST_F(ListerDlgTest, CommandLineKeysAndClosing) {
  const std::string ini = "[MAIN_OPTION]\r\ncompany=3\r\noutput_mode=1\r\n";
  program.Write("quorsel.ini", ini);
  program.Write("Trip/a.jpg", "x");
  const QString started_in = QDir::currentPath();
  QDir::setCurrent(ui::PathToQString(program.path()));  // the paths are relative to it
  CListerApp app({"Trip/"});
  QDir::setCurrent(started_in);
  auto dialog = app.CreateMainDialog(program.path(), &messages, &shell);
  QCoreApplication::processEvents();  // a drop scheduled too early would run here
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(Shown(*dialog) && QTest::qWaitFor([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.shown,
            std::vector{U8Message("処理結果", "Trip.txt\r\n\r\nを出力しました。", Icon::None)});
  EXPECT_TRUE(Find(*dialog, "carrierAuRadio")->isChecked() &&
              Find(*dialog, "formatTxtRadio")->isChecked());
  ExpectLaidOut(*dialog, dialog->dialog_units());
  Find(*dialog, "formatTxtRadio")->setFocus();
  const std::tuple<QKeyCombination, const char*, int> keys[] = {
      {Qt::Key_Tab, "formatCsvRadio", 1},     {Qt::Key_Down, "formatHtmlRadio", 3},
      {Qt::Key_Right, "formatTxtRadio", 1},   {Qt::Key_Up, "formatHtmlRadio", 3},
      {Qt::Key_Return, "formatHtmlRadio", 3}, {Qt::Key_Tab, "settingsButton", 3},
      {Qt::Key_Return, "settingsButton", 3},  {Qt::SHIFT | Qt::Key_F10, "settingsButton", 3}};
  QStringList opened;  // the modal window or menu that each key opened, closed once shown
  for (const auto& [key, focused, mode] : keys) {
    // A key is handled when keyClick returns; a window it opens runs its own event loop
    // until this closes it.
    opened << QString();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      QWidget* w = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                     : QApplication::activePopupWidget();
      if (w != nullptr && w->isVisible())
        opened.back() = (w->close(), w->windowTitle() + w->objectName());
    });
    closer.start(10);
    QTest::keyClick(dialog->focusWidget(), key.key(), key.keyboardModifiers());
    closer.stop();
    const QString at = dialog->focusWidget()->objectName();
    EXPECT_EQ(std::pair(at.toStdString(), dialog->context().settings.output_mode),
              std::pair(std::string(focused), mode));
  }
  EXPECT_EQ(opened.join(QChar(',')).toStdString(),
            ",,,,,,VELDORのプロパティsettingsSheet,contextMenu");
  QTest::mouseClick(Find(*dialog, "carrierDocomoRadio"), Qt::LeftButton);
  EXPECT_EQ(program.Read("quorsel.ini"), ini);
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  dialog.reset();
  EXPECT_NE(program.Read("quorsel.ini").find("company=1\r\noutput_mode=3\r\n"), std::string::npos);
}

// The about box shows the version the build was made as.
TEST(AboutDlgTest, ShowsTheProjectVersion) {
  const CAboutDlg about(nullptr);
  EXPECT_EQ(Find<QLabel>(about, "versionLabel")->text().toStdString(),
            "パケット料金表示支援プログラム　 VELDOR  Version " PROJECT_VERSION);
}

class SheetTest : public ::testing::Test {
 protected:
  void Click(const char* n, const QWidget* w = nullptr) { Find(w ? *w : sheet, n)->click(); }
  // Shows the text page `index`; its input dialogs note their name label and the name they
  // were given, then close with the next of `inputs` (a null name cancels).
  ui::CTextPage& TextPage(int index) {
    sheet.tabs()->setCurrentIndex(index);
    ui::CTextPage& page = index == 2 ? sheet.page3() : sheet.page4();
    page.SetInputRunner([this](ui::CInputDlg& dialog) {
      dialog.show();  // which puts in the name label of its mode and selects the name
      asked << Find<QLabel>(dialog, "nameLabel")->text() +
                   Find<QLineEdit>(dialog, "nameEdit")->selectedText();
      std::tie(dialog.name, dialog.text) = inputs.takeFirst();
      return !dialog.name.isNull();
    });
    return page;
  }

  TempFolder folder;
  ListingSettings settings;
  ReplaceLists lists{folder.path()};
  RecordingMessages messages;
  RecordingShell shell;
  RealFileSystem file_system;
  ListerContext context{settings, lists, messages, shell, file_system, folder.path(), {}};
  ui::CPSeet sheet{context};
  QList<std::pair<QString, QString>> inputs;
  QStringList asked;
};

// Also run with QT_SCALE_FACTOR=2, where a style needs more room than the units give.
TEST_F(SheetTest, PagesAreLaidOutInTheirUnits) {
  ASSERT_TRUE(Shown(sheet));
  for (int i = 0; i < 4; ++i) ExpectLaidOut(*sheet.tabs()->widget(i), sheet.page3().dialog_units());
}

// The basic page's warning keeps the user on it with the extension text selected, and OK
// stays refused while it stands.
TEST_F(SheetTest, ExtensionWarningKeepsTheBasicPage) {
  ASSERT_TRUE(Shown(sheet));
  auto* edit = Find<QLineEdit>(sheet, "extensionsEdit");
  edit->setText("jpg");
  sheet.tabs()->setCurrentIndex(2);
  EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
  EXPECT_TRUE(edit->hasFocus() && edit->selectedText() == "jpg");
  Click("okButton");
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].caption, "警告");
}

// The controls of every page reach the settings through OK, and the template questions
// reach a message box.
TEST_F(SheetTest, OkStoresEveryPage) {
  folder.Write("template/au/a.html", "x");
  settings.templates[Carrier::Vodafone] = {};
  ListingSettings expected = settings;
  ui::CPSeet shown(context);  // on the settings as changed here
  shown.show();
  Find<QComboBox>(shown, "sortKeyCombo")->setCurrentIndex(kSortPacketCharge);
  Click("descendingRadio", &shown);
  Find<QLineEdit>(shown, "extensionsEdit")->setText(".txt");
  shown.tabs()->setCurrentIndex(1);
  Click("fileSizeCheck", &shown);
  Find<QComboBox>(shown, "carrierCombo")->setCurrentIndex(2);
  Find<QListWidget>(shown, "templateList")->item(0)->setSelected(true);
  shown.tabs()->setCurrentIndex(2);
  shown.page3().SetInputRunner([](ui::CInputDlg& dialog) {
    std::tie(dialog.name, dialog.text) = std::pair(QStringLiteral("b.jpg"), QStringLiteral("B"));
    return true;
  });
  Click("addButton", &shown.page3());
  messages.Script({Answer::Ok});
  Click("okButton", &shown);
  EXPECT_EQ(shown.result(), QDialog::Accepted);
  EXPECT_EQ(folder.Read("replace_list.csv"), "b.jpg,B\r\n");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.starts_with("Vodafone用"));
  expected.sort_key = kSortPacketCharge;
  expected.sort_style = 1;
  expected.extensions = {".txt"};
  expected.output_items[0] = 0;
  expected.templates[Carrier::Au] = {"a.html"};
  EXPECT_EQ(settings, expected);
}

// OK keeps the input dialog open, with the focus in the box, while the input check
// refuses a box; then OK closes it.
TEST_F(SheetTest, InputRefusalKeepsTheFocusInTheBox) {
  ui::CInputDlg input(ui::CInputDlg::Mode::AddFileName, messages);
  std::tie(input.name, input.text) = std::pair(QStringLiteral("a.jpg"), QStringLiteral("café"));
  ASSERT_TRUE(Shown(input));
  input.accept();
  EXPECT_TRUE(input.isVisible() && input.focusWidget() == Find<QLineEdit>(input, "textEdit"));
  EXPECT_EQ(messages.shown.at(0).caption, "入力");
  Find<QLineEdit>(input, "textEdit")->setText(QStringLiteral("cafe"));
  input.accept();
  EXPECT_TRUE(!input.isVisible() && input.text == QStringLiteral("cafe"));
}

// The buttons of both list pages reach their list: the input dialog's label follows the
// page, Edit gives it the row, Save is enabled while the rows are edited, and the
// questions reach a message box.
TEST_F(SheetTest, TextPagesBindTheirButtons) {
  sheet.show();
  for (const auto& [index, file, label] : {std::tuple(2, "replace_list.csv", "ファイル名(&F)"),
                                           std::tuple(3, "replace_list2.csv", "フォルダ名(&F)")}) {
    folder.Write(file, "one,1\r\n");
    ui::CTextPage& page = TextPage(index);
    auto* view = Find<QTableWidget>(page, "textListView");
    inputs = {{}, {"two", " "}, {"uno", "1"}};
    asked.clear();
    EXPECT_FALSE(Find(page, "saveButton")->isEnabled());
    Click("addButton", &page);
    Click("addButton", &page);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    Click("editButton", &page);
    EXPECT_EQ(asked, (QStringList{label, label, QString(label) + "one"}));
    EXPECT_EQ(view->item(0, 0)->text() + view->item(1, 0)->text(), "unotwo");
    EXPECT_TRUE(Find(page, "saveButton")->isEnabled());
    messages.Script({Answer::Yes, Answer::Ok});
    Click("externalEditorButton", &page);
    EXPECT_EQ(folder.Read(file), "uno,1\r\ntwo, \r\n");
    EXPECT_FALSE(Find(page, "saveButton")->isEnabled());
    QTest::keyClick(view, Qt::Key_Down);
    Click("deleteButton", &page);
    Click("reloadButton", &page);
    EXPECT_EQ(view->rowCount(), 2);
  }
  EXPECT_EQ(std::pair(messages.shown.size(), shell.opened.size()), std::pair(4ul, 2ul));
}

// The sheet opens on the first control of its first page; Tab leaves the row list for the
// buttons; Ctrl+Tab and Ctrl+Shift+Tab turn the pages from every kind of control.
TEST_F(SheetTest, KeyboardMovesThroughControlsAndPages) {
  ASSERT_TRUE(Shown(sheet));
  EXPECT_EQ(sheet.focusWidget()->objectName(), "sortKeyCombo");
  const std::tuple<const char*, QKeyCombination, int> rows[] = {
      {"sortKeyCombo", Qt::CTRL | Qt::Key_Tab, 1},
      {"carrierCombo", Qt::CTRL | Qt::Key_Tab, 2},
      {"textListView", Qt::CTRL | Qt::Key_Tab, 3},
      {"addButton", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 2},
      {"textListView", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1},
      {"templateList", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0},
      {"extensionsEdit", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 3}};
  for (const auto& [name, keys, page] : rows) {
    QWidget* control = Find<QWidget>(*sheet.tabs()->currentWidget(), name);
    control->setFocus();
    QTest::keyClick(control, keys.key(), keys.keyboardModifiers());
    EXPECT_EQ(sheet.tabs()->currentIndex(), page) << name;
  }
  QWidget* list = Find<QWidget>(sheet.page4(), "textListView");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Tab);
  EXPECT_EQ(sheet.focusWidget()->objectName(), "addButton");
  QTest::keyClick(sheet.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(sheet.focusWidget(), list);
}

}  // namespace
}  // namespace veldor::testing
