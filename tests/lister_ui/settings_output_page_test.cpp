// The output page: template files per carrier, the selection per carrier, the questions.

#include <QComboBox>
#include <QListWidget>

#include "lister_ui/settings/output_page.h"
#include "settings_test_fixture.h"

namespace veldor::testing {
namespace {

class OutputPageTest : public SheetTest {
 protected:
  void ShowOutputPage(ui::CPSeet& sheet) {
    sheet.show();
    ClickTab(sheet, 1);
    list = Find<QListWidget>(sheet, "templateList_1012");
    combo = Find<QComboBox>(sheet, "carrierCombo_1018");
  }
  // The texts of the list's items, or of the selected ones only.
  QStringList Items(bool selected_only = false) const {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
      if (!selected_only || list->item(i)->isSelected()) items << list->item(i)->text();
    }
    return items;
  }
  QStringList Selected() const { return Items(true); }
  void Toggle(const char* name) { ClickItem(*list, name); }
  static Message Question(const std::string& carrier) {
    Message m = U8Message("確認",
                          carrier +
                              "用のテンプレートが設定されていません。\r\n"
                              "このままではhtml出力が利用できませんが、よろしいですか？",
                          Icon::Question, Buttons::OkCancel);
    m.second_button_default = true;
    return m;
  }

  QListWidget* list = nullptr;
  QComboBox* combo = nullptr;
};

TEST_F(OutputPageTest, ListsOnlyTemplateFilesOfTheMainWindowsCarrier) {
  settings.company = kAu;
  folder.Write("template/au/top.HTM", "x");
  folder.Write("template/au/notes.txt", "x");
  folder.Write("template/au/index.html", "x");
  std::filesystem::create_directories(folder / "template/au/a.html");
  folder.Write("template/docomo/other.html", "x");
  ui::CPSeet sheet(context);
  ShowOutputPage(sheet);

  EXPECT_EQ(combo->currentText(), "au");
  EXPECT_EQ(Items(), (QStringList{"index.html", "top.HTM"}));
  EXPECT_EQ(Selected(), QStringList{"index.html"});
}

TEST_F(OutputPageTest, GroupMnemonicsMoveTheFocusIntoTheirGroup) {
  ui::CPSeet sheet(context);
  ShowOutputPage(sheet);
  sheet.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  QTest::keyClick(&sheet, Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), combo);
  QTest::keyClick(&sheet, Qt::Key_T, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(sheet, "fileSizeCheck_1007"));
}

TEST_F(OutputPageTest, EachCarrierKeepsItsSelectionAcrossSwitches) {
  for (const char* name : {"a.html", "b.htm", "c.html"}) {
    folder.Write(std::filesystem::path("template/au") / name, "x");
    folder.Write(std::filesystem::path("template/docomo") / name, "x");
  }
  ui::CPSeet sheet(context);
  ShowOutputPage(sheet);
  combo->setCurrentIndex(2);
  Toggle("a.html");
  Toggle("c.html");
  combo->setCurrentIndex(0);
  EXPECT_TRUE(Selected().isEmpty());
  Toggle("b.htm");
  combo->setCurrentIndex(2);

  EXPECT_EQ(Selected(), (QStringList{"a.html", "c.html"}));
  EXPECT_EQ(sheet.page2().working_list(kDocomo), std::vector<std::string>{"b.htm"});
  EXPECT_EQ(settings.company, kDocomo);  // the combo only chooses what is shown
}

TEST_F(OutputPageTest, ANameWithoutItsFileStaysUntilTheSelectionChanges) {
  settings.templates[kDocomo] = {"gone.html", "index.html"};
  folder.Write("template/docomo/index.html", "x");
  folder.Write("template/docomo/top.html", "x");
  ui::CPSeet sheet(context);
  ShowOutputPage(sheet);
  combo->setCurrentIndex(1);
  combo->setCurrentIndex(0);
  EXPECT_EQ(sheet.page2().working_list(kDocomo),
            (std::vector<std::string>{"gone.html", "index.html"}));

  Toggle("top.html");
  messages.Script({Answer::Ok, Answer::Ok});  // Vodafone and au have no template files
  ClickOk(sheet);
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_EQ(settings.templates[kDocomo], (std::vector<std::string>{"index.html", "top.html"}));
}

TEST_F(OutputPageTest, CarriersWithoutTemplatesAreAskedForInOrderAndCancelStops) {
  folder.Write("template/docomo/index.html", "x");
  folder.Write("template/au/index.html", "x");
  settings.templates[kVodafone].clear();
  ui::CPSeet sheet(context);
  ShowOutputPage(sheet);
  Toggle("index.html");  // docomo now has none

  messages.Script({Answer::Cancel});
  ClickOk(sheet);
  EXPECT_EQ(messages.shown, std::vector<Message>{Question("docomo")});
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(settings.templates[kDocomo], std::vector<std::string>{"index.html"});

  messages.shown.clear();
  messages.Script({Answer::Ok, Answer::Ok});
  ClickOk(sheet);
  EXPECT_EQ(messages.shown, (std::vector<Message>{Question("docomo"), Question("Vodafone")}));
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_TRUE(settings.templates[kDocomo].empty());
  EXPECT_TRUE(settings.templates[kVodafone].empty());
  EXPECT_EQ(settings.templates[kAu], std::vector<std::string>{"index.html"});
}

}  // namespace
}  // namespace veldor::testing
