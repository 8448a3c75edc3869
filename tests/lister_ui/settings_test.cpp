// The settings sheet: the extension check, the order OK applies the pages in, templates
// per carrier, the extended-text pages, the input dialog and the layouts.

#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/property_sheet.h"
#include "lister_ui/settings/text_page.h"
#include "platform/file_system.h"
#include "support/qt_test_support.h"

namespace veldor::testing {
namespace {

class SheetTest : public ::testing::Test {
 protected:
  void Tab(int index) {
    QTabBar* bar = sheet.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  void Click(const char* name, const QWidget* parent = nullptr) {
    Find(parent ? *parent : sheet, name)->click();
  }
  // Clicks the item `text` of the list or table `name` in `parent`.
  void ClickItem(const QWidget& parent, const char* name, const char* text) {
    auto* view = Find<QAbstractItemView>(parent, name);
    const auto found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, text);
    ASSERT_EQ(found.size(), 1) << text;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found[0]).center());
  }
  // Shows the text page `index`, whose input dialogs take their texts from `inputs` (a null
  // name cancels) and add their label and name as shown to `asked`.
  ui::CTextPage& TextPage(int index) {
    Tab(index);
    ui::CTextPage& page = index == 2 ? sheet.page3() : sheet.page4();
    page.SetInputRunner([this](ui::CInputDlg& dialog) {
      dialog.show();
      auto* name = Find<QLineEdit>(dialog, "nameEdit");
      asked << Find<QLabel>(dialog, "nameLabel")->text() + name->text();
      name->setText(inputs.value(0).first);
      Find<QLineEdit>(dialog, "textEdit")->setText(inputs.value(0).second);
      Click(inputs.isEmpty() || inputs.takeFirst().first.isNull() ? "cancelButton" : "okButton",
            &dialog);
      return dialog.result() == QDialog::Accepted;
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

TEST_F(SheetTest, ExtensionsNeedADot) {
  const std::tuple<const char*, bool, bool> rows[] = {
      {".jpg", false, true}, {"jpg.gif", false, true}, {"jpg gif", false, false}, {"", true, 0}};
  sheet.show();
  for (const auto& [text, every_file, accepted] : rows) {
    Find<QLineEdit>(sheet, "extensionsEdit")->setText(text);
    Click(every_file ? "allFilesRadio" : "listedExtensionsRadio");
    Tab(0);
    Tab(2);
    EXPECT_EQ(sheet.tabs()->currentIndex(), accepted ? 2 : 0) << text;
    EXPECT_EQ(sheet.focusWidget() == Find<QWidget>(sheet, "extensionsEdit"),
              !accepted && !every_file);
    if (!accepted) Click("okButton");
  }
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>(
                4, "拡張子の設定が正しく設定されていません。\r\n確認してください。"));
  EXPECT_TRUE(sheet.isVisible());
}

// OK applies the shown pages in order and stops at one that refuses: the output page asks
// for carriers without templates, each carrier keeping its own selection.
TEST_F(SheetTest, OkAppliesThePagesInOrder) {
  for (const char* name : {"template/au/a.html", "template/au/c.html", "template/docomo/b.htm"}) {
    folder.Write(name, "x");
  }
  folder.Write("replace_list.csv", "a.jpg,A\r\n");
  settings.templates[kVodafone].clear();
  sheet.show();
  inputs = {{"b.jpg", "B"}};
  Click("addButton", &TextPage(2));
  Tab(1);
  auto* carrier = Find<QComboBox>(sheet, "carrierCombo");
  carrier->setCurrentIndex(kAu - 1);
  ClickItem(sheet, "templateList", "a.html");
  ClickItem(sheet, "templateList", "c.html");
  carrier->setCurrentIndex(kDocomo - 1);
  ClickItem(sheet, "templateList", "b.htm");  // b.htm replaces the stored index.html, gone
  ClickItem(sheet, "templateList", "b.htm");
  carrier->setCurrentIndex(kAu - 1);
  EXPECT_EQ(Find<QListWidget>(sheet, "templateList")->selectedItems().size(), 2);
  messages.Script({Answer::Cancel, Answer::Ok, Answer::Ok});
  Click("okButton");
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\n");
  EXPECT_EQ(settings.templates[kDocomo], std::vector<std::string>{"index.html"});
  Click("okButton");
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\nb.jpg,B\r\n");
  Message question = U8Message("確認",
                               "docomo用のテンプレートが設定されていません。\r\nこのままではhtml出"
                               "力が利用できませんが、よろしいですか？",
                               Icon::Question, Buttons::OkCancel);
  question.second_button_default = true;
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0], question);
  EXPECT_EQ(messages.shown[1], question);
  EXPECT_TRUE(messages.Texts()[2].starts_with("Vodafone用"));
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_EQ(settings.templates[kAu], (std::vector<std::string>{"a.html", "c.html"}));
  EXPECT_TRUE(settings.templates[kDocomo].empty());
  EXPECT_EQ(settings.company, kDocomo);  // the combo only chooses what is shown
}

TEST_F(SheetTest, TextPagesEditSaveAndAsk) {
  sheet.show();
  for (const auto& [index, file, label] : {std::tuple(2, "replace_list.csv", "ファイル名(&F)"),
                                           std::tuple(3, "replace_list2.csv", "フォルダ名(&F)")}) {
    folder.Write(file, "one,1\r\n");
    asked.clear();
    ui::CTextPage& page = TextPage(index);
    inputs = {{}, {"two", " "}, {"uno", "1"}, {"x", "y"}};
    Click("reloadButton", &page);  // nothing edited: no question
    Click("addButton", &page);
    EXPECT_FALSE(Find(page, "saveButton")->isEnabled());
    Click("addButton", &page);
    ClickItem(page, "textListView", "one");
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
    EXPECT_EQ(shell.opened.back(), folder / file);
  }
  EXPECT_EQ(messages.Texts()[0], "保存された状態を読み込みます。\r\nよろしいですか？");
  EXPECT_EQ(messages.Texts()[1],
            "リストは編集されています。\r\n同期を取るために内容を保存しますか？");
  EXPECT_EQ(std::pair(messages.shown.size(), shell.opened.size()), std::pair(8ul, 6ul));
}

TEST_F(SheetTest, OkLeavesAnUnreadableListAlone) {
  std::filesystem::create_directory(folder / "replace_list.csv");
  sheet.show();
  Click("saveButton", &TextPage(2));  // saving on purpose tries, and fails here
  Click("okButton");
  EXPECT_EQ(messages.Captions(),
            (std::vector<std::string>{"読み取りエラーです", "書き込みエラーです"}));
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
}

TEST_F(SheetTest, LayoutsAndInputOk) {
  ASSERT_TRUE(Shown(sheet));
  for (int index = 0; index < 4; ++index) {
    Tab(index);
    ExpectLaidOut(*sheet.tabs()->currentWidget(), sheet.page3().dialog_units());
    EXPECT_EQ(sheet.tabs()->currentWidget()->size(), sheet.tabs()->widget(0)->size());
  }
  ui::CInputDlg dialog(ui::CInputDlg::Mode::EditFolderName, &sheet);
  ASSERT_TRUE(Shown(dialog));
  ExpectLaidOut(dialog, dialog.dialog_units());
  EXPECT_EQ(Find<QLabel>(dialog, "nameLabel")->text(), "フォルダ名(&F)");
  for (const auto& [name, text] : {std::pair("", ""), {"a", ""}, {"", " "}, {"a", " "}}) {
    Find<QLineEdit>(dialog, "nameEdit")->setText(name);
    Find<QLineEdit>(dialog, "textEdit")->setText(text);
    EXPECT_EQ(Find(dialog, "okButton")->isEnabled(), *name && *text);
    QTest::keyClick(&dialog, Qt::Key_Return);
  }
  EXPECT_EQ(std::pair(dialog.result(), dialog.name + dialog.text), std::pair(1, QString("a ")));
}

}  // namespace
}  // namespace veldor::testing
