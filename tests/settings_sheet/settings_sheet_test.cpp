// The settings sheet's behaviour as both desktops run it: what OK commits and Cancel
// drops, the extension rule, the questions about carriers without templates, the list
// editors' questions and writes, and the input dialog's check.
#include <gtest/gtest.h>

#include "settings_sheet/sheet_draft.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::U8Message;
using Names = std::vector<std::string>;

class SheetDraftTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  ListingSettings settings;
  ReplaceLists lists{folder.path()};
  testing::RecordingMessages messages;
  testing::RecordingShell shell;
  RealFileSystem file_system;
  ListerContext context{settings, lists, messages, shell, file_system, folder.path(), {}};
  SheetDraft draft{context};
};

TEST_F(SheetDraftTest, OkCommitsTheDraftAndWithoutOkTheSettingsStay) {
  draft.settings().sort_key = kSortPacketCharge;
  draft.settings().output_items[0] = 0;
  draft.SetExtensionText(".txt .csv");
  EXPECT_EQ(settings, ListingSettings{});
  ASSERT_TRUE(draft.Apply());
  EXPECT_EQ(settings.sort_key, kSortPacketCharge);
  EXPECT_EQ(settings.output_items[0], 0);
  EXPECT_EQ(settings.extensions, (Names{".txt", ".csv"}));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(folder.Read("replace_list.csv"), "<missing>");  // no list page was shown
}

// 0x87 0x90 reads as U+2252, which converts back to 0x81 0xE0.
TEST_F(SheetDraftTest, ExtensionTextLeftAloneKeepsItsBytes) {
  settings.extensions = {".\x87\x90"};
  SheetDraft kept(context);
  kept.SetExtensionText(kept.ExtensionText());
  ASSERT_TRUE(kept.Apply());
  EXPECT_EQ(settings.extensions, Names{".\x87\x90"});
  SheetDraft retyped(context);
  retyped.SetExtensionText(retyped.ExtensionText() + " .a");
  ASSERT_TRUE(retyped.Apply());
  EXPECT_EQ(settings.extensions, (Names{".\x81\xE0", ".a"}));
}

TEST_F(SheetDraftTest, ExtensionTextNeedsADot) {
  const std::pair<const char*, bool> rows[] = {
      {".jpg", false}, {"jpg.gif", false}, {"jpg gif", true}, {"", true}};
  for (const auto& [text, warned] : rows) {
    draft.SetExtensionText(text);
    EXPECT_EQ(draft.ExtensionWarning().has_value(), warned) << text;
  }
  EXPECT_EQ(draft.ExtensionWarning(),
            U8Message("警告", "拡張子の設定が正しく設定されていません。\r\n確認してください。",
                      Icon::Exclamation));
}

// Asked in carrier order, Cancel the default; the first Cancel keeps the sheet open and
// the settings as they were.
TEST_F(SheetDraftTest, OkAsksForEachCarrierWithoutTemplates) {
  draft.OpenOutput();
  draft.Choose(Carrier::Docomo, {});
  draft.Choose(Carrier::Au, {});
  messages.Script({Answer::Ok, Answer::Cancel});
  EXPECT_FALSE(draft.Apply());
  EXPECT_EQ(settings.templates[Carrier::Docomo], Names{"index.html"});
  messages.Script({Answer::Ok, Answer::Ok});
  EXPECT_TRUE(draft.Apply());
  EXPECT_EQ(settings.templates, (PerCarrier<Names>{{Names{}, {"index.html"}, {}}}));
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].text,
            "docomo用のテンプレートが設定されていません。\r\n"
            "このままではhtml出力が利用できませんが、よろしいですか？");
  EXPECT_TRUE(messages.shown[1].text.starts_with("au用") &&
              messages.shown[1].second_button_default);
}

TEST_F(SheetDraftTest, TemplatesNotAskedWhenTheOutputPageWasNotShown) {
  settings.templates = {};
  SheetDraft unshown(context);
  EXPECT_TRUE(unshown.Apply());
  EXPECT_TRUE(messages.shown.empty());
}

class ListEditorTest : public SheetDraftTest {
 protected:
  ListEditor& Opened(const char* bytes) {
    folder.Write("replace_list.csv", bytes);
    ListEditor& editor = draft.list(ListKind::FileNames);
    editor.Open();
    return editor;
  }
};

// A row's box left alone keeps bytes that would not survive a trip through Unicode.
TEST_F(ListEditorTest, EditKeepsTheBytesOfAnUnchangedBox) {
  ListEditor& editor = Opened("\x87\x90,A\r\n");
  RowInput input = editor.InputOf(0);
  EXPECT_EQ(input.name, "≒");
  input.text = "海";
  editor.Edit(0, input);
  EXPECT_EQ(editor.rows()[0], ReplaceRow("\x87\x90", "\x8A\x43"));
  editor.Edit(0, {"≒.", "海"});
  EXPECT_EQ(editor.rows()[0].first, "\x81\xE0.");
  EXPECT_TRUE(editor.edited());
}

// Opening reads the rows unedited: no question until a row changes.
TEST_F(ListEditorTest, ReloadAsksOnlyWhenEdited) {
  ListEditor& editor = Opened("a.jpg,A\r\nb.jpg,B\r\n");
  EXPECT_TRUE(editor.Reload());
  editor.Add({"c.jpg", "C"});
  messages.Script({Answer::Cancel, Answer::Ok});
  EXPECT_FALSE(editor.Reload());
  EXPECT_EQ(editor.rows().size(), 3u);
  EXPECT_TRUE(editor.Reload());
  EXPECT_EQ(editor.rows(), (std::vector<ReplaceRow>{{"a.jpg", "A"}, {"b.jpg", "B"}}));
  EXPECT_EQ(messages.shown,
            std::vector(2, U8Message("確認", "保存された状態を読み込みます。\r\nよろしいですか？",
                                     Icon::Question, Buttons::OkCancel)));
}

TEST_F(ListEditorTest, ExternalEditorOffersToSaveAndOpensTheFileAnyway) {
  ListEditor& editor = Opened("a.jpg,A\r\n");
  editor.Delete(0);
  messages.Script({Answer::No, Answer::Yes});
  editor.OpenExternally();
  EXPECT_EQ(folder.Read("replace_list.csv"), "a.jpg,A\r\n");
  editor.OpenExternally();
  EXPECT_EQ(folder.Read("replace_list.csv"), "");
  editor.OpenExternally();  // saved: no question
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text,
            "リストは編集されています。\r\n同期を取るために内容を保存しますか？");
  EXPECT_EQ(shell.opened, std::vector(3, folder / "replace_list.csv"));
}

// OK writes the lists of the shown pages only, and never over a file that could not be
// read; such a page still writes when the user saves.
TEST_F(ListEditorTest, OkWritesOnlyShownListsThatWereRead) {
  folder.Write("replace_list2.csv", "x,1\r\n");
  std::filesystem::create_directory(folder / "replace_list.csv");
  ListEditor& files = draft.list(ListKind::FileNames);
  files.Open();
  files.Add({"b.jpg", "B"});
  EXPECT_TRUE(files.edited());
  draft.list(ListKind::FolderNames).Open();
  draft.list(ListKind::FolderNames).Add({"y", "2"});
  ASSERT_TRUE(draft.Apply());
  EXPECT_EQ(messages.shown.at(0).caption, "読み取りエラーです");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "replace_list.csv"));
  EXPECT_EQ(folder.Read("replace_list2.csv"), "x,1\r\ny,2\r\n");
  EXPECT_FALSE(files.Save());
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST(InputCheckTest, NamesEachCharacterShiftJisLacks) {
  EXPECT_EQ(CheckInputText("café😀é?"),
            U8Message("入力",
                      "Shift_JIS で表せない文字が含まれています。\r\n"
                      "é (U+00E9) 😀 (U+1F600)\r\nを別の文字に置き換えてください。",
                      Icon::Exclamation));
  EXPECT_EQ(CheckInputText("カフェ ≒"), std::nullopt);
}

}  // namespace
}  // namespace veldor
