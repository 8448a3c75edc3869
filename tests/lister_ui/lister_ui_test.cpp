// The main window (its radios, the command line, closing, the layout) and
// the settings sheet (the extension check, the order OK applies the pages in, templates per
// carrier, the extended-text pages and the layouts).

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
  QStringList opened;  // the modal window or menu that each key opened, closed at once
  for (const auto& [key, focused, mode] : keys) {
    QTimer::singleShot(50, [&] {
      QWidget* w = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                     : QApplication::activePopupWidget();
      opened << (w ? (w->close(), w->windowTitle() + w->objectName()) : QString());
    });
    QTest::keyClick(dialog->focusWidget(), key.key(), key.keyboardModifiers());
    QTest::qWait(100);
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

class SheetTest : public ::testing::Test {
 protected:
  void Click(const char* n, const QWidget* w = nullptr) { Find(w ? *w : sheet, n)->click(); }
  // Shows the text page `index`; its input dialogs note their name label and the name they
  // were given, then close with the next of `inputs` (a null name cancels).
  ui::CTextPage& TextPage(int index) {
    sheet.tabs()->setCurrentIndex(index);
    ui::CTextPage& page = index == 2 ? sheet.page3() : sheet.page4();
    page.SetInputRunner([this](ui::CInputDlg& dialog) {
      dialog.show();  // which puts in the name label of its mode
      asked << Find<QLabel>(dialog, "nameLabel")->text() + dialog.name;
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

// Leaving the basic page, or OK on it, needs a dot in the extensions; the pages are laid
// out in their dialog units.
TEST_F(SheetTest, ExtensionsAndLayouts) {
  const std::tuple<const char*, bool, bool> rows[] = {
      {".jpg", false, true}, {"jpg.gif", false, true}, {"jpg gif", false, false}, {"", true, 0}};
  ASSERT_TRUE(Shown(sheet));
  for (int i = 0; i < 4; ++i) ExpectLaidOut(*sheet.tabs()->widget(i), sheet.page3().dialog_units());
  for (const auto& [text, every_file, accepted] : rows) {
    Find<QLineEdit>(sheet, "extensionsEdit")->setText(text);
    Click(every_file ? "allFilesRadio" : "listedExtensionsRadio");
    sheet.tabs()->setCurrentIndex(0);
    sheet.tabs()->setCurrentIndex(2);
    EXPECT_EQ(sheet.tabs()->currentIndex(), accepted ? 2 : 0) << text;
    if (!accepted) Click("okButton");
  }
  EXPECT_EQ(messages.shown[0],
            U8Message("警告", "拡張子の設定が正しく設定されていません。\r\n確認してください。",
                      Icon::Exclamation));
  EXPECT_TRUE(sheet.isVisible() && messages.shown.size() == 4);
}

// OK applies the shown pages in order and stops at one that refuses: the output page asks
// about carriers without templates, each carrier keeping its own selection.
TEST_F(SheetTest, OkAppliesThePagesInOrder) {
  folder.Write("template/au/a.html", "x");
  folder.Write("replace_list.csv", "a.jpg,A\r\n");
  std::filesystem::create_directory(folder / "replace_list2.csv");  // unreadable
  settings.templates = {};
  sheet.show();
  inputs = {{"b.jpg", "B"}};
  Click("addButton", &TextPage(2));
  TextPage(3);
  sheet.tabs()->setCurrentIndex(1);
  Find<QComboBox>(sheet, "carrierCombo")->setCurrentIndex(kAu - 1);
  Find<QListWidget>(sheet, "templateList")->item(0)->setSelected(true);
  Find<QComboBox>(sheet, "carrierCombo")->setCurrentIndex(kDocomo - 1);
  Find<QComboBox>(sheet, "carrierCombo")->setCurrentIndex(kAu - 1);
  messages.Script({Answer::Cancel, Answer::Ok, Answer::Ok});
  Click("okButton");
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\n");
  Click("okButton");
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\nb.jpg,B\r\n");
  EXPECT_EQ(messages.shown[0].caption, "読み取りエラーです");
  EXPECT_TRUE(messages.shown[1].text.starts_with("docomo用のテンプレートが設定されていません。"));
  EXPECT_TRUE(messages.shown[3].text.starts_with("Vodafone用") &&
              messages.shown[3].second_button_default);
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "replace_list2.csv"));  // left alone
  EXPECT_EQ(settings.templates, (decltype(settings.templates){{{}, {}, {}, {"a.html"}}}));
}

// OK keeps the input dialog open, with the focus in the box, while a box holds characters
// that Shift_JIS cannot hold; the message names each of them once. Then OK closes it.
TEST_F(SheetTest, InputRefusesWhatShiftJisCannotHold) {
  ui::CInputDlg input(ui::CInputDlg::Mode::AddFileName, messages);
  std::tie(input.name, input.text) = std::pair(QStringLiteral("a.jpg"), QStringLiteral("café😀é?"));
  ASSERT_TRUE(Shown(input));
  input.accept();
  EXPECT_TRUE(input.isVisible() && input.focusWidget() == Find<QLineEdit>(input, "textEdit"));
  EXPECT_EQ(messages.shown,
            std::vector{U8Message("入力",
                                  "Shift_JIS で表せない文字が含まれています。\r\n"
                                  "é (U+00E9) 😀 (U+1F600)\r\nを別の文字に置き換えてください。",
                                  Icon::Exclamation)});
  Find<QLineEdit>(input, "textEdit")->setText(QStringLiteral("cafe"));
  input.accept();
  EXPECT_TRUE(!input.isVisible() && input.text == QStringLiteral("cafe"));
}

TEST_F(SheetTest, TextPagesEditSaveAndAsk) {
  sheet.show();
  for (const auto& [index, file, label] : {std::tuple(2, "replace_list.csv", "ファイル名(&F)"),
                                           std::tuple(3, "replace_list2.csv", "フォルダ名(&F)")}) {
    folder.Write(file, "one,1\r\n");
    ui::CTextPage& page = TextPage(index);
    inputs = {{}, {"two", " "}, {"uno", "1"}, {"x", "y"}};
    asked.clear();
    Click("reloadButton", &page);  // nothing edited: no question
    Click("addButton", &page);
    Click("addButton", &page);
    Find<QTableWidget>(page, "textListView")->selectRow(0);
    Click("editButton", &page);
    EXPECT_EQ(asked, (QStringList{label, label, QString(label) + "one"}));
    messages.Script({Answer::Cancel, Answer::No, Answer::Yes, Answer::Ok});
    Click("reloadButton", &page);
    Click("externalEditorButton", &page);
    EXPECT_EQ(folder.Read(file), "one,1\r\n");
    Click("externalEditorButton", &page);
    EXPECT_EQ(folder.Read(file), "uno,1\r\ntwo, \r\n");
    Click("externalEditorButton", &page);  // saved: no question
    Click("addButton", &page);
    Click("reloadButton", &page);
    EXPECT_EQ(Find<QTableWidget>(page, "textListView")->rowCount(), 2);
  }
  EXPECT_EQ(messages.shown[0],
            U8Message("確認", "保存された状態を読み込みます。\r\nよろしいですか？", Icon::Question,
                      Buttons::OkCancel));
  EXPECT_TRUE(messages.shown[1].text.starts_with("リストは編集されています。"));
  EXPECT_EQ(std::pair(messages.shown.size(), shell.opened.size()), std::pair(8ul, 6ul));
}

}  // namespace
}  // namespace veldor::testing
