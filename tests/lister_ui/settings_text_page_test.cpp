// The extended-text pages and the input dialog.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <deque>

#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/text_page.h"
#include "settings_test_fixture.h"

namespace veldor::testing {
namespace {

// What the user does in one input dialog: type these texts and press OK, or cancel.
struct InputStep {
  QString name;
  QString text;
  bool ok = true;
};

// What one input dialog showed when it opened.
struct InputSeen {
  int mode;
  QString label;
  QString name;
  QString text;
};

class TextPageTest : public SheetTest {
 protected:
  // Opens `page` and answers its input dialogs from `steps`.
  void Open(ui::CTextPage& text_page) {
    page = &text_page;
    page->SetInputRunner([this](ui::CInputDlg& dialog) { return Answer(dialog); });
    page->show();
    page->EnsureInitialised();
    view = Find<QTableWidget>(*page, "listView_1012");
  }

  bool Answer(ui::CInputDlg& dialog) {
    dialog.show();
    auto* name = Find<QLineEdit>(dialog, "nameEdit_1016");
    auto* text = Find<QLineEdit>(dialog, "textEdit_1017");
    seen.push_back(
        {dialog.mode, Find<QLabel>(dialog, "nameLabel_1015")->text(), name->text(), text->text()});
    EXPECT_FALSE(steps.empty()) << "unexpected input dialog";
    const InputStep step = steps.empty() ? InputStep{{}, {}, false} : steps.front();
    if (!steps.empty()) steps.pop_front();
    if (!step.ok) {
      Find<QPushButton>(dialog, "cancelButton")->click();
    } else {
      name->setText(step.name.isNull() ? name->text() : step.name);
      text->setText(step.text.isNull() ? text->text() : step.text);
      Find<QPushButton>(dialog, "okButton")->click();
    }
    return dialog.result() == QDialog::Accepted;
  }

  std::vector<std::pair<QString, QString>> ShownRows() const {
    std::vector<std::pair<QString, QString>> rows;
    for (int r = 0; r < view->rowCount(); ++r) {
      rows.emplace_back(view->item(r, 0)->text(), view->item(r, 1)->text());
    }
    return rows;
  }
  void Click(const char* name) { Find<QPushButton>(*page, name)->click(); }
  bool Enabled(const char* name) { return Find<QPushButton>(*page, name)->isEnabled(); }
  void SelectRow(int row) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(row, 0)).center());
  }

  // A double-click as the system delivers it: a click, then the double-click.
  void DoubleClick(QPoint at) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  }

  ui::CTextPage* page = nullptr;
  QTableWidget* view = nullptr;
  std::deque<InputStep> steps;
  std::vector<InputSeen> seen;
};

using Rows = std::vector<std::pair<QString, QString>>;

TEST_F(TextPageTest, ShowsTheFileInOrderWithSaveAndRowButtonsOff) {
  folder.Write("replace_list.csv",
               Utf8ToCp932("b.jpg,海\r\nno comma\r\na.jpg,\"x,y\"\r\nempty,\r\n"));
  ui::CPage3 page3(context);
  Open(page3);

  EXPECT_EQ(ShownRows(), (Rows{{"b.jpg", "海"}, {"a.jpg", "x,y"}}));
  EXPECT_EQ(view->horizontalHeaderItem(0)->text(), "ファイル名");
  EXPECT_EQ(view->horizontalHeaderItem(1)->text(), "対応テキスト");
  EXPECT_EQ(view->columnWidth(0), 100);
  EXPECT_EQ(view->columnWidth(1), 159);
  EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_FALSE(view->isSortingEnabled());
  EXPECT_FALSE(Enabled("saveButton_1015"));
  EXPECT_FALSE(Enabled("editButton_1010"));
  EXPECT_FALSE(Enabled("deleteButton_1011"));
  SelectRow(1);
  EXPECT_TRUE(Enabled("editButton_1010"));
  EXPECT_TRUE(Enabled("deleteButton_1011"));
  EXPECT_TRUE(messages.shown.empty());
}

struct PageCase {
  ListKind kind;
  int add_mode;
  int edit_mode;
  const char* label;
  const char* file;
};
void PrintTo(const PageCase& c, std::ostream* out) { *out << c.file; }

class TextPageKindTest : public TextPageTest, public ::testing::WithParamInterface<PageCase> {
 protected:
  std::unique_ptr<ui::CTextPage> MakePage() {
    if (GetParam().kind == ListKind::FileNames) return std::make_unique<ui::CPage3>(context);
    return std::make_unique<ui::CPage4>(context);
  }
};

TEST_P(TextPageKindTest, AddAppendsARowAndCancelAddsNothing) {
  folder.Write(GetParam().file, "one,1\r\n");
  auto text_page = MakePage();
  Open(*text_page);
  steps = {{{}, {}, false}, {"two", " ", true}};
  Click("addButton_1006");
  EXPECT_FALSE(Enabled("saveButton_1015"));
  Click("addButton_1006");

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].mode, GetParam().add_mode);
  EXPECT_EQ(seen[1].label, QString::fromUtf8(GetParam().label));
  EXPECT_EQ(seen[1].name, "");
  EXPECT_EQ(ShownRows(), (Rows{{"one", "1"}, {"two", " "}}));
  EXPECT_TRUE(view->selectionModel()->selectedRows().isEmpty());
  EXPECT_TRUE(Enabled("saveButton_1015"));
  EXPECT_EQ(folder.Read(GetParam().file), "one,1\r\n");
}

TEST_P(TextPageKindTest, EditRewritesTheSelectedRowAndEnablesSaveEvenUnchanged) {
  folder.Write(GetParam().file, "one,1\r\ntwo,2\r\n");
  auto text_page = MakePage();
  Open(*text_page);
  SelectRow(1);
  steps = {{{}, {}, true}};
  Click("editButton_1010");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].mode, GetParam().edit_mode);
  EXPECT_EQ(seen[0].label, QString::fromUtf8(GetParam().label));
  EXPECT_EQ(seen[0].name, "two");
  EXPECT_EQ(seen[0].text, "2");
  EXPECT_TRUE(Enabled("saveButton_1015"));

  steps = {{"zwei", "2b", true}};
  DoubleClick(view->visualItemRect(view->item(1, 1)).center());
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(ShownRows(), (Rows{{"one", "1"}, {"zwei", "2b"}}));
}

INSTANTIATE_TEST_SUITE_P(Pages, TextPageKindTest,
                         ::testing::Values(PageCase{ListKind::FileNames, 1, 2, "ファイル名(&F)",
                                                    "replace_list.csv"},
                                           PageCase{ListKind::FolderNames, 3, 4, "フォルダ名(&F)",
                                                    "replace_list2.csv"}));

TEST_F(TextPageTest, DoubleClickWithoutASelectedRowOpensNothing) {
  folder.Write("replace_list.csv", "one,1\r\n");
  ui::CPage3 page3(context);
  Open(page3);
  DoubleClick(QPoint(5, view->viewport()->height() - 5));
  EXPECT_TRUE(seen.empty());
}

TEST_F(TextPageTest, DeleteRemovesWithoutAskingAndReloadAsksBeforeDiscarding) {
  folder.Write("replace_list.csv", "one,1\r\ntwo,2\r\n");
  ui::CPage3 page3(context);
  Open(page3);
  SelectRow(0);
  Click("deleteButton_1011");
  EXPECT_EQ(ShownRows(), (Rows{{"two", "2"}}));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Enabled("saveButton_1015"));
  EXPECT_FALSE(Enabled("deleteButton_1011"));

  const Message question = U8Message("確認", "保存された状態を読み込みます。\r\nよろしいですか？",
                                     Icon::Question, Buttons::OkCancel);
  messages.Script({Answer::Cancel, Answer::Ok});
  Click("reloadButton_1014");
  EXPECT_EQ(ShownRows(), (Rows{{"two", "2"}}));
  Click("reloadButton_1014");
  EXPECT_EQ(messages.shown, (std::vector<Message>{question, question}));
  EXPECT_EQ(ShownRows(), (Rows{{"one", "1"}, {"two", "2"}}));
  EXPECT_FALSE(Enabled("saveButton_1015"));

  folder.Write("replace_list.csv", "three,3\r\n");
  Click("reloadButton_1014");  // nothing edited: no question
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(ShownRows(), (Rows{{"three", "3"}}));
}

TEST_F(TextPageTest, SaveWritesTheRowsAndTheListFollows) {
  folder.Write("replace_list.csv", "a.jpg,A\r\n");
  ui::CPage3 page3(context);
  Open(page3);
  steps = {{"x,y.jpg", "say \"hi\"", true}};
  Click("addButton_1006");
  Click("saveButton_1015");
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\n\"x,y.jpg\",\"say \"\"hi\"\"\"\r\n");
  EXPECT_FALSE(Enabled("saveButton_1015"));
  EXPECT_EQ(lists.FindExtendedText(ListKind::FileNames, "x,y.jpg"), "say \"hi\"");
}

TEST_F(TextPageTest, ExternalEditorAsksToSaveEditsThenOpensTheListFile) {
  folder.Write("replace_list2.csv", Utf8ToCp932("Trip,旅\r\n"));
  ui::CPage4 page4(context);
  Open(page4);
  steps = {{"Home", "家", true}};
  Click("addButton_1006");
  const Message question =
      U8Message("確認", "リストは編集されています。\r\n同期を取るために内容を保存しますか？",
                Icon::Question, Buttons::YesNo);
  messages.Script({Answer::No, Answer::Yes});
  Click("externalEditorButton_1013");
  EXPECT_EQ(folder.Read("replace_list2.csv"), Utf8ToCp932("Trip,旅\r\n"));
  EXPECT_TRUE(Enabled("saveButton_1015"));
  Click("externalEditorButton_1013");
  EXPECT_EQ(folder.Read("replace_list2.csv"), Utf8ToCp932("Trip,旅\r\nHome,家\r\n"));
  Click("externalEditorButton_1013");  // saved: no question

  EXPECT_EQ(messages.shown, (std::vector<Message>{question, question}));
  const auto file = folder / "replace_list2.csv";
  EXPECT_EQ(shell.opened, (std::vector<std::filesystem::path>{file, file, file}));
}

TEST_F(TextPageTest, SheetOkWritesEveryShownListAndCancelWritesNothing) {
  folder.Write("replace_list.csv", "a.jpg,A\r\nbad line\r\n");
  folder.Write("replace_list2.csv", "Trip,T\r\n");
  for (const bool ok : {false, true}) {
    ui::CPSeet sheet(context);
    sheet.show();
    ClickTab(sheet, 2);
    Open(sheet.page3());
    steps = {{"b.jpg", "B", true}};
    Click("addButton_1006");
    if (!ok) {
      ClickCancel(sheet);
      EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\nbad line\r\n");
      continue;
    }
    ClickOk(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
  }
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\nb.jpg,B\r\n");
  EXPECT_EQ(folder.Read("replace_list2.csv"), "Trip,T\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TextPageTest, AFailedReadIsNotOverwrittenByOkButSaveStillWrites) {
  std::filesystem::create_directory(folder / "replace_list.csv");
  ui::CPSeet sheet(context);
  sheet.show();
  ClickTab(sheet, 2);
  Open(sheet.page3());
  const Message read_error = ReplaceListMessage(ListKind::FileNames, ListMessage::PageReadError);
  EXPECT_EQ(messages.shown, std::vector<Message>{read_error});
  EXPECT_EQ(Cp932ToUtf8(read_error.caption), "読み取りエラーです");
  EXPECT_EQ(view->rowCount(), 0);
  EXPECT_TRUE(Enabled("saveButton_1015"));

  steps = {{"new.jpg", "N", true}};
  Click("addButton_1006");
  Click("saveButton_1015");
  EXPECT_EQ(messages.shown.back(),
            ReplaceListMessage(ListKind::FileNames, ListMessage::PageWriteError));
  EXPECT_TRUE(Enabled("saveButton_1015"));
  ClickOk(sheet);
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "replace_list.csv"));
}

TEST_F(TextPageTest, InputDialogOkNeedsACharacterInBothBoxes) {
  ui::CInputDlg dialog(1);
  QTimer::singleShot(0, [] {
    auto* shown = qobject_cast<ui::CInputDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), "入力");
    auto* ok = Find<QPushButton>(*shown, "okButton");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(Find<QLineEdit>(*shown, "nameEdit_1016"), "a");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(Find<QLineEdit>(*shown, "textEdit_1017"), " ");
    EXPECT_TRUE(ok->isEnabled());
    Find<QLineEdit>(*shown, "nameEdit_1016")->clear();
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(Find<QLineEdit>(*shown, "nameEdit_1016"), "b");
    ok->click();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.name, "b");
  EXPECT_EQ(dialog.text, " ");
}

}  // namespace
}  // namespace veldor::testing
