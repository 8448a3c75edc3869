// The sheet and its basic page: values in and out, the extension check, apply order, and
// the layout of every page and of the input dialog.

#include "lister_ui/settings/settings_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include "lister_ui/settings/basic_page.h"
#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/output_page.h"
#include "lister_ui/settings/text_page.h"
#include "settings_test_fixture.h"

namespace veldor::testing {
namespace {

const Message kExtensionWarning = U8Message(
    "警告", "拡張子の設定が正しく設定されていません。\r\n確認してください。", Icon::Exclamation);

class BasicPageTest : public SheetTest {};

TEST_F(BasicPageTest, OpensOnTheBasicPageWithTheSettingsValues) {
  settings.sort_key = kSortPacketCharge;
  settings.sort_style = 1;
  settings.over_write = 1;
  settings.print_result = 0;
  settings.file_open = 1;
  settings.all_files = 0;
  settings.extensions = {".jpg", ".JPEG"};
  ui::CPSeet sheet(context);
  sheet.show();

  EXPECT_EQ(sheet.windowTitle(), "VELDOR");
  EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
  QStringList titles;
  for (int i = 0; i < sheet.tabs()->count(); ++i) titles << sheet.tabs()->tabText(i);
  EXPECT_EQ(titles, (QStringList{"基本設定", "出力設定", "拡張設定1", "拡張設定2"}));
  auto* combo = Find<QComboBox>(sheet, "sortKeyCombo_1014");
  QStringList keys;
  for (int i = 0; i < combo->count(); ++i) keys << combo->itemText(i);
  EXPECT_EQ(keys, (QStringList{"ファイル名", "ファイルサイズ", "ファイル更新日付",
                               "ファイル作成日付", "パケット数", "パケット料金", "拡張テキスト"}));
  EXPECT_EQ(combo->currentText(), "パケット料金");
  EXPECT_TRUE(Find<QRadioButton>(sheet, "descendingRadio_1001")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(sheet, "overWriteCheck_1007")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(sheet, "printResultCheck_1009")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(sheet, "fileOpenCheck_1011")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(sheet, "allFilesRadio_1002")->isChecked());
  auto* edit = Find<QLineEdit>(sheet, "extensionsEdit_1016");
  EXPECT_EQ(edit->text(), ".jpg .JPEG ");
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_FALSE(sheet.page2().initialised());
}

TEST_F(BasicPageTest, FilterRadiosEnableTheExtensionBox) {
  ui::CPSeet sheet(context);
  sheet.show();
  auto* edit = Find<QLineEdit>(sheet, "extensionsEdit_1016");
  EXPECT_TRUE(edit->isEnabled());  // the default filter takes only the listed extensions
  Find<QRadioButton>(sheet, "allFilesRadio_1002")->click();
  EXPECT_FALSE(edit->isEnabled());
  Find<QRadioButton>(sheet, "listedExtensionsRadio_1003")->click();
  EXPECT_TRUE(edit->isEnabled());
}

struct ExtensionCase {
  const char* text;
  bool every_file;
  bool accepted;
};
void PrintTo(const ExtensionCase& c, std::ostream* out) {
  *out << '"' << c.text << '"' << (c.every_file ? " with every file" : "");
}

class ExtensionCheckTest : public SheetTest, public ::testing::WithParamInterface<ExtensionCase> {};

TEST_P(ExtensionCheckTest, LeavingTheBasicPageNeedsADotInTheExtensions) {
  ui::CPSeet sheet(context);
  sheet.show();
  auto* edit = Find<QLineEdit>(sheet, "extensionsEdit_1016");
  edit->setText(QString::fromUtf8(GetParam().text));
  if (GetParam().every_file) Find<QRadioButton>(sheet, "allFilesRadio_1002")->click();

  ClickTab(sheet, 2);
  if (GetParam().accepted) {
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(sheet.tabs()->currentIndex(), 2);
    return;
  }
  ASSERT_EQ(messages.shown, std::vector<Message>{kExtensionWarning});
  EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
  EXPECT_FALSE(sheet.page3().initialised());
  if (!GetParam().every_file) {
    EXPECT_EQ(sheet.focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), edit->text());
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ExtensionCheckTest,
                         ::testing::Values(ExtensionCase{"", false, false},
                                           ExtensionCase{"jpg gif", false, false},
                                           ExtensionCase{"", true, false},
                                           ExtensionCase{".jpg", false, true},
                                           ExtensionCase{"jpg.gif", false, true}));

TEST_F(BasicPageTest, OkOnTheBasicPageWithoutADotKeepsTheSheetOpen) {
  ui::CPSeet sheet(context);
  sheet.show();
  Find<QLineEdit>(sheet, "extensionsEdit_1016")->clear();
  Find<QRadioButton>(sheet, "allFilesRadio_1002")->click();
  ClickOk(sheet);
  EXPECT_EQ(messages.shown, std::vector<Message>{kExtensionWarning});
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(sheet.result(), QDialog::Rejected);
}

// Answers the sheet that RunSettingsSheet shows, once it is the modal window.
template <typename Action>
void WhenSheetShown(Action action) {
  QTimer::singleShot(0, [action] {
    auto* sheet = qobject_cast<ui::CPSeet*>(QApplication::activeModalWidget());
    ASSERT_NE(sheet, nullptr);
    action(*sheet);
  });
}

TEST_F(BasicPageTest, OkCopiesTheBasicValuesAndTheColumnFlags) {
  WhenSheetShown([](ui::CPSeet& sheet) {
    Find<QComboBox>(sheet, "sortKeyCombo_1014")->setCurrentIndex(kSortModifiedDate);
    Find<QRadioButton>(sheet, "descendingRadio_1001")->click();
    Find<QCheckBox>(sheet, "overWriteCheck_1007")->click();
    Find<QCheckBox>(sheet, "printResultCheck_1009")->click();
    Find<QCheckBox>(sheet, "fileOpenCheck_1011")->click();
    Find<QLineEdit>(sheet, "extensionsEdit_1016")->setText(".txt.csv  .PNG");
    ClickTab(sheet, 1);
    Find<QCheckBox>(sheet, "fileSizeCheck_1007")->click();
    Find<QCheckBox>(sheet, "extendedTextCheck_1014")->click();
    ClickTab(sheet, 0);
    Find<QRadioButton>(sheet, "allFilesRadio_1002")->click();
    ClickOk(sheet);
  });
  folder.Write("template/docomo/index.html", "x");
  folder.Write("template/Vodafone/index.html", "x");
  folder.Write("template/au/index.html", "x");

  EXPECT_TRUE(ui::RunSettingsSheet(nullptr, context));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(settings.sort_key, kSortModifiedDate);
  EXPECT_EQ(settings.sort_style, 1);
  EXPECT_EQ(settings.over_write, 1);
  EXPECT_EQ(settings.print_result, 0);
  EXPECT_EQ(settings.file_open, 1);
  EXPECT_EQ(settings.all_files, 0);
  EXPECT_EQ(settings.extensions, (std::vector<std::string>{".tx", ".csv", ".PNG"}));
  EXPECT_EQ(settings.output_items, (std::array<int, 7>{0, 0, 1, 0, 1, 1, 1}));
}

TEST_F(BasicPageTest, CancelChangesNothing) {
  const ListingSettings before = settings;
  WhenSheetShown([](ui::CPSeet& sheet) {
    Find<QComboBox>(sheet, "sortKeyCombo_1014")->setCurrentIndex(kSortFileSize);
    Find<QCheckBox>(sheet, "overWriteCheck_1007")->click();
    Find<QLineEdit>(sheet, "extensionsEdit_1016")->setText(".bmp");
    ClickTab(sheet, 1);
    Find<QCheckBox>(sheet, "packetCountCheck_1008")->click();
    ClickTab(sheet, 2);
    ClickCancel(sheet);
  });

  EXPECT_FALSE(ui::RunSettingsSheet(nullptr, context));
  EXPECT_EQ(settings.sort_key, before.sort_key);
  EXPECT_EQ(settings.over_write, before.over_write);
  EXPECT_EQ(settings.extensions, before.extensions);
  EXPECT_EQ(settings.output_items, before.output_items);
  EXPECT_EQ(settings.templates, before.templates);
  EXPECT_EQ(folder.Read("replace_list.csv"), "");  // shown, so read (and created), not written
}

TEST_F(BasicPageTest, PagesNeverShownAreNeitherReadNorApplied) {
  ui::CPSeet sheet(context);
  sheet.show();
  ClickOk(sheet);
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  // No template folder exists, yet no question: the output page was never shown.
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "replace_list.csv"));
  EXPECT_FALSE(std::filesystem::exists(folder / "replace_list2.csv"));
}

TEST_F(BasicPageTest, ARefusedApplyKeepsTheCurrentPageAndStopsLaterPages) {
  folder.Write("replace_list.csv", "a.jpg,old\r\n");
  folder.Write("template/docomo/top.html", "x");
  settings.templates[kVodafone].clear();
  ui::CPSeet sheet(context);
  sheet.show();
  ClickTab(sheet, 2);
  ClickTab(sheet, 1);
  ClickItem(*Find<QListWidget>(sheet, "templateList_1012"), "top.html");
  ClickTab(sheet, 3);
  messages.Script({Answer::Cancel});
  ClickOk(sheet);

  EXPECT_EQ(messages.Captions(), std::vector<std::string>{"確認"});
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(sheet.tabs()->currentIndex(), 3);
  EXPECT_EQ(settings.templates[kDocomo], std::vector<std::string>{"index.html"});
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,old\r\n");
}

TEST_F(BasicPageTest, CancelAfterALaterPageRefusedKeepsTheStoredTemplates) {
  folder.Write("template/docomo/top.html", "x");
  ui::CPSeet sheet(context);
  sheet.show();
  ClickTab(sheet, 1);
  ClickItem(*Find<QListWidget>(sheet, "templateList_1012"), "top.html");
  ClickTab(sheet, 2);
  // The list file turns into a folder after the page read it, so its write fails.
  std::filesystem::remove(folder / "replace_list.csv");
  std::filesystem::create_directory(folder / "replace_list.csv");
  ClickOk(sheet);

  EXPECT_EQ(messages.Captions(), std::vector<std::string>{"書き込みエラーです"});
  EXPECT_TRUE(sheet.isVisible());
  ClickCancel(sheet);
  EXPECT_EQ(settings.templates[kDocomo], std::vector<std::string>{"top.html"});
  EXPECT_EQ(settings.templates[kAu], std::vector<std::string>{"index.html"});
}

TEST_F(BasicPageTest, PagesAndInputDialogKeepTheirDialogUnitSizesWithEveryTextReadable) {
  folder.Write("template/docomo/index.html", "x");
  folder.Write("template/docomo/top.htm", "x");
  folder.Write("template/docomo/gallery.html", "x");
  folder.Write("replace_list.csv",
               Utf8ToCp932("photo01.jpg,夜明けの海\r\nphoto02.jpg,港の朝市\r\n"));
  folder.Write("replace_list2.csv", Utf8ToCp932("Trip,夏の旅行\r\n"));
  ui::CPSeet sheet(context);
  sheet.show();
  const ui::DialogUnits& units = sheet.page1().dialog_units();
  const ui::DialogUnits font_units(sheet.font());
  EXPECT_GE(units.base_width(), font_units.base_width());
  EXPECT_LE(units.base_width(), font_units.base_width() * 3 / 2);
  const char* const names[] = {"settings-basic.png", "settings-output.png", "settings-text1.png",
                               "settings-text2.png"};
  for (int i = 0; i < 4; ++i) {
    ClickTab(sheet, i);
    ASSERT_EQ(sheet.tabs()->currentIndex(), i);
    EXPECT_EQ(sheet.tabs()->currentWidget()->size(), units.ToPixels(QSize(210, 154))) << names[i];
    EXPECT_EQ(TextsCutOff(sheet), QStringList()) << names[i];
    EXPECT_TRUE(SaveScreenshot(sheet, QString::fromLatin1(names[i])));
  }

  ui::CInputDlg dialog(2, &sheet);
  dialog.name = "photo01.jpg";
  dialog.text = QStringLiteral("夜明けの海");
  dialog.show();
  EXPECT_EQ(dialog.size(), dialog.dialog_units().ToPixels(QSize(195, 75)));
  EXPECT_EQ(TextsCutOff(dialog), QStringList());
  EXPECT_TRUE(SaveScreenshot(dialog, QStringLiteral("settings-input.png")));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace veldor::testing
