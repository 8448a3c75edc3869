// VELDOR.exe's dialogs from their resources, driven with messages as the user's clicks and
// drops send them: the main dialog, the settings sheet and the input dialog.
#include <algorithm>
#include <sstream>

#include "cli/veldor_command.h"
#include "lister_win/lister_dlg.h"
#include "lister_win/resource.h"
#include "lister_win/settings/property_sheet.h"
#include "support/recording_messages.h"
#include "support/recording_shell.h"
#include "support/temp_folder.h"
#include "support/win_dialog_support.h"

namespace veldor::testing {
namespace {

namespace fs = std::filesystem;

void Click(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
void Pump() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}
bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The about box shows the version the build was made as.
TEST(AboutBoxTest, ShowsTheProjectVersion) {
  const HWND about = ::CreateDialogParamW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
  ASSERT_NE(about, nullptr);
  std::vector<std::wstring> texts;
  for (HWND child = ::GetWindow(about, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    texts.push_back(win::WindowText(child));
  const std::wstring version = L"パケット料金表示支援プログラム　 VELDOR  Version " PROJECT_VERSION;
  EXPECT_NE(std::find(texts.begin(), texts.end(), version), texts.end());
  ::DestroyWindow(about);
}

// The stored carrier au is marked and survives the click that comes before the first
// paint; later clicks count. A dropped folder is listed as veldor-cli lists it; the
// settings reach the file when the dialog goes.
TEST(ListerDlgTest, RadiosDropAndSavedSettings) {
  TempFolder program, work;
  program.Write("quorsel.ini", "[MAIN_OPTION]\r\ncompany=3\r\noutput_mode=1\r\n");
  work.Write("写真/a.jpg", std::string(640, 'x'));
  RecordingMessages messages;
  RecordingShell shell;
  CListerDlg dialog(program.path(), &messages, &shell);
  const HWND hwnd = dialog.CreateModeless();
  ASSERT_NE(hwnd, nullptr);
  ExpectDialogUnits(hwnd, 157, 91);
  UINT command = 0;
  bool separated = false;
  EXPECT_EQ(LastSystemMenuEntry(hwnd, command, separated), L"Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)...");
  EXPECT_TRUE(command == 16 && separated);
  EXPECT_TRUE(IsChecked(hwnd, IDC_AU) && IsChecked(hwnd, IDC_TXT));
  Click(hwnd, IDC_DOCOMO);
  EXPECT_EQ(dialog.context().settings.company, 3);
  Pump();  // the first paint
  Click(hwnd, IDC_VODAFONE);
  Click(hwnd, IDC_CSV);
  EXPECT_EQ(dialog.context().settings.company, 2);

  ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({work / "写真"})), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            U8Message("処理結果", "写真.csv\r\n\r\nを出力しました。", Icon::None));
  const std::string listed = work.Read("写真/写真.csv");
  std::ostringstream out, err;
  std::istringstream in;
  RunVeldorCli({"--program-folder", program.path().string(), "--format", "csv", "--carrier",
                "Vodafone", "--yes", (work / "写真").string()},
               out, err, in, false);
  EXPECT_EQ(work.Read("写真/写真.csv"), listed);
  ::DestroyWindow(hwnd);
  const std::string saved = program.Read("quorsel.ini");
  EXPECT_NE(saved.find("company=2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("output_mode=2\r\n"), std::string::npos);
}

// A drop is read within its block alone: one that is not a well-formed drop of this
// process is ignored whole, with no message, and left to its owner. A list in the ANSI code
// page is read, and a folder whose path is longer than 260 characters is listed.
TEST(ListerDlgTest, OnlyWellFormedDropsAreRead) {
  TempFolder program, work;
  const std::string deep = std::string(130, 'd') + "/" + std::string(130, 'e') + "/写真";
  work.Write(deep + "/a.jpg", "x");
  work.Write("写真/a.jpg", "x");
  const std::wstring folder = (work / "写真").native() + L'\0';  // the list's end missing
  const std::string wide(reinterpret_cast<const char*>(folder.data()), folder.size() * 2);
  const auto block = [](DWORD offset, BOOL is_wide, const std::string& list) {
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    *drop = DROPFILES{offset, {}, FALSE, is_wide};
    std::memcpy(drop + 1, list.data(), list.size());
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
  };
  const HANDLE heap = ::HeapCreate(0, 0, 0);  // a block of it is no global block
  const std::string whole = std::string(sizeof(DROPFILES), '\0') + wide + std::string(2, '\0');
  auto* other = static_cast<DROPFILES*>(::HeapAlloc(heap, 0, whole.size()));
  std::memcpy(other, whole.data(), whole.size());
  *other = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
  const auto foreign = reinterpret_cast<HDROP>(other);
  const HDROP freed = MakeDrop({work / "写真"});
  ::GlobalFree(freed);
  const struct {
    const char* name;
    HDROP drop;
    bool read;
  } rows[] = {
      {"list without its empty string", block(sizeof(DROPFILES), TRUE, wide), false},
      {"list past the block", block(sizeof(DROPFILES) + 4096, TRUE, wide + '\0' + '\0'), false},
      {"block of another heap", foreign, false},
      {"freed handle", freed, false},
      {"ANSI list", block(sizeof(DROPFILES), FALSE, PathToCp932(work / "写真") + '\0' + '\0'),
       true},
      {"deep folder", MakeDrop({work / Rel(deep)}), true},
  };
  RecordingShell shell;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingMessages messages;
    CListerDlg dialog(program.path(), &messages, &shell);
    const HWND hwnd = dialog.CreateModeless();
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(row.drop), 0);
    const Message listed = U8Message("処理結果", "写真.txt\r\n\r\nを出力しました。", Icon::None);
    EXPECT_EQ(messages.shown, row.read ? std::vector{listed} : std::vector<Message>{});
    if (!row.read && row.drop != freed && row.drop != foreign) {
      EXPECT_EQ(::GlobalFree(row.drop), nullptr);  // left alone, so still to be freed
    }
    ::DestroyWindow(hwnd);
  }
  ::HeapDestroy(heap);
}

class SheetTest : public ::testing::Test {
 protected:
  SheetTest() {
    program_.Write("template/docomo/index.html", "x");
    program_.Write("replace_list.csv", Utf8ToCp932("a.jpg,写\r\n"));
  }
  // The sheet's page on view.
  int CurrentPage(HWND sheet) {
    return static_cast<int>(::SendMessageW(
        sheet, PSM_HWNDTOINDEX,
        static_cast<WPARAM>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), 0));
  }
  TempFolder program_;
  RecordingMessages messages_;
  RecordingShell shell_;
  Lister lister_{program_.path(), messages_, shell_};
};

// Leaving 基本設定 is refused while the draft warns about the extensions; OK brings the
// controls of the shown pages to the settings and the list file, Cancel brings nothing.
TEST_F(SheetTest, ValidatesAppliesAndCancels) {
  for (const bool ok : {false, true}) {
    CPSeet sheet(lister_.context());
    sheet.page3().SetInputRunner([](CInputDlg& input, HWND) {
      input.name = L"b.jpg";
      input.text = L"海";
      return true;
    });
    const HWND hwnd = sheet.CreateModeless(nullptr);
    ASSERT_NE(hwnd, nullptr);
    const HWND basic = sheet.page1().hwnd();
    ExpectDialogUnits(basic, 210, 154);
    ::SetDlgItemTextW(basic, IDC_EXTENSIONS, L"jpg");
    ::SendMessageW(hwnd, PSM_SETCURSEL, 2, 0);
    EXPECT_EQ(CurrentPage(hwnd), 0);
    EXPECT_EQ(messages_.shown.back().caption, "警告");
    ::SetDlgItemTextW(basic, IDC_EXTENSIONS, L".png.gif");
    ::SendMessageW(hwnd, PSM_SETCURSEL, 2, 0);
    const HWND texts = sheet.page3().hwnd();
    ASSERT_EQ(CurrentPage(hwnd), 2);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(texts, IDC_SAVE)));
    Click(texts, IDC_ADD);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(texts, IDC_LIST), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(texts, IDC_SAVE)));
    ::SendMessageW(hwnd, PSM_PRESSBUTTON, ok ? PSBTN_OK : PSBTN_CANCEL, 0);
    EXPECT_EQ(sheet.accepted(), ok);
    EXPECT_EQ(program_.Read("replace_list.csv"),
              Utf8ToCp932(ok ? "a.jpg,写\r\nb.jpg,海\r\n" : "a.jpg,写\r\n"));
    using Extensions = std::vector<std::string>;
    const Extensions expected = ok ? Extensions{".pn", ".gif"} : Extensions{".jpg", ".gif", ".png"};
    EXPECT_EQ(lister_.settings().extensions, expected);
    ::DestroyWindow(hwnd);
  }
}

// The list box's selection reaches the draft, whose question reaches a message box; Cancel
// keeps the sheet open and the settings as they were.
TEST_F(SheetTest, TemplatesAskBeforeNone) {
  CPSeet sheet(lister_.context());
  const HWND hwnd = sheet.CreateModeless(nullptr);
  ::SendMessageW(hwnd, PSM_SETCURSEL, 1, 0);
  const HWND output = sheet.page2().hwnd();
  const HWND list = ::GetDlgItem(output, IDC_TEMPLATES);
  ASSERT_EQ(::SendMessageW(list, LB_GETSELCOUNT, 0, 0), 1);  // docomo's index.html
  ::SendMessageW(list, LB_SETSEL, FALSE, 0);
  ::SendMessageW(output, WM_COMMAND, MAKEWPARAM(IDC_TEMPLATES, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  messages_.Script({Answer::Cancel});
  ::SendMessageW(hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_FALSE(sheet.accepted());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_TRUE(messages_.shown[0].text.starts_with("docomo用"));
  EXPECT_EQ(lister_.settings().templates[Carrier::Docomo], std::vector<std::string>{"index.html"});
  ::DestroyWindow(hwnd);
}

// OK needs text in both boxes, and the input check's consent.
TEST(InputDlgTest, OkNeedsBothBoxesInShiftJis) {
  RecordingMessages messages;
  CInputDlg input(CInputDlg::Mode::AddFolderName, messages);
  const HWND hwnd = input.CreateModeless(nullptr);
  ExpectDialogUnits(hwnd, 195, 75);
  wchar_t label[32] = {};
  ::GetDlgItemTextW(hwnd, IDC_NAME_LABEL, label, 32);
  EXPECT_EQ(std::wstring(label), L"フォルダ名(&F)");
  ::SetDlgItemTextW(hwnd, IDC_NAME, L"旅行");
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, IDOK)));
  ::SetDlgItemTextW(hwnd, IDC_TEXT, L"café");
  Click(hwnd, IDOK);
  EXPECT_EQ(input.text, L"");
  EXPECT_EQ(messages.shown.size(), 1u);
  ::SetDlgItemTextW(hwnd, IDC_TEXT, L"カフェ");
  Click(hwnd, IDOK);
  EXPECT_EQ(input.name + L"/" + input.text, L"旅行/カフェ");
  ::DestroyWindow(hwnd);
}

}  // namespace
}  // namespace veldor::testing
