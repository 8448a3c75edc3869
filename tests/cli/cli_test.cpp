// The terminal programs: the message printer, the command lines of both programs, and whole
// runs of the built programs on a sample folder.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <fstream>
#include <sstream>

#include "cli/terminal_messages.h"
#include "cli/tovrin_command.h"
#include "cli/veldor_command.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::U8Message;

// One record as --messages json prints it; `text` already escaped, `place` the fields of
// a message about a place in a file.
std::string Json(const std::string& caption, const std::string& text, const char* icon = "none",
                 const char* buttons = "ok", const char* answer = "ok",
                 const std::string& place = "") {
  return "{\"caption\": \"" + caption + "\", \"text\": \"" + text + "\", \"icon\": \"" + icon +
         "\", \"buttons\": \"" + buttons + "\", \"answer\": \"" + answer + "\"" + place + "}\n";
}

struct PrinterCase {
  const char* name;
  MessageFormat format;
  AnswerPolicy policy;
  const char* typed;  // what the user types at the terminal; nullptr: the input is no terminal
  Icon icon;
  Buttons buttons;
  Answer answer;
  std::string out;
  const char* prompt = "";  // what JSON mode asks on stderr
  const char* caption = "c";
  const char* text = "t";
};

using F = MessageFormat;
using P = AnswerPolicy;
using I = Icon;
using B = Buttons;
using A = Answer;

TEST(PrinterTest, ShowsAndAnswers) {
  const PrinterCase cases[] = {
      {"TextName", F::Text, P::Ask, nullptr, I::None, B::Ok, A::Ok,
       "[e?[31m a.jpg]\n  a b?]0;x?\tb?c??~\n  d\n  \n\n", "", "e\x1b[31m a.jpg",
       "a b\x1b]0;x\x07\tb\rc\x7f\x1f~\r\nd\n"},
      {"TextNoTerminal", F::Text, P::Ask, nullptr, I::Stop, B::OkCancel, A::Cancel,
       "[c] エラー\n  t\n  → キャンセル\n\n"},
      {"TextAskCancel", F::Text, P::Ask, "maybe\n\n cancel \r\n", I::Exclamation, B::OkCancel,
       A::Cancel,
       "[c] 警告\n  t\n  OK(y) / キャンセル(n)?   OK(y) / キャンセル(n)?   OK(y) / "
       "キャンセル(n)? \n"},
      {"TextAskEnded", F::Text, P::Ask, "", I::Question, B::YesNo, A::No,
       "[c] 質問\n  t\n  はい(y) / いいえ(n)? \n\n"},
      {"JsonEscaped", F::Json, P::No, nullptr, I::Question, B::YesNo, A::No,
       Json("c", "C:\\\\a \\\"b\\\"\\r\\nに\\tある\\u0001\\u001f~", "question", "yesno", "no"), "",
       "c", "C:\\a \"b\"\r\nに\tある\x01\x1f~"},
      {"JsonYes", F::Json, P::Yes, "n\n", I::Stop, B::YesNo, A::Yes,
       Json("c", "t", "stop", "yesno", "yes")},
      {"JsonAsks", F::Json, P::Ask, "y\n", I::Question, B::YesNo, A::Yes,
       Json("c", "t", "question", "yesno", "yes"), "[c] 質問\n  t\n  はい(y) / いいえ(n)? "}};
  for (const PrinterCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream out, prompt;
    std::istringstream in(c.typed == nullptr ? "" : c.typed);
    TerminalMessages messages(out, in, c.typed != nullptr, c.format, c.policy, &prompt);
    EXPECT_EQ(messages.Show(U8Message(c.caption, c.text, c.icon, c.buttons)), c.answer);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(prompt.str(), c.prompt);
    // Once a warning or an error was shown, the exit status says so whatever follows.
    messages.Show(U8Message("c", "t", Icon::None));
    EXPECT_EQ(messages.warned(), c.icon == Icon::Exclamation || c.icon == Icon::Stop);
  }
}

// Each row: a program and its arguments, and the usage problem it reports on stderr, or
// nullptr when it answers on stdout (the help, or the version).
TEST(CommandLineTest, UsageErrorsHelpAndVersion) {
  // clang-format off
  const std::pair<const char*, const char*> rows[] = {
      {"veldor-cli --yes", "no PATH given"}, {"veldor-cli --bogus a", "unknown option '--bogus'"},
      {"veldor-cli a --no=x", "unknown option '--no=x'"},
      {"veldor-cli --carrier kddi a", "invalid value for --carrier: 'kddi'"},
      {"veldor-cli --format=pdf a", "invalid value for --format: 'pdf'"},
      {"veldor-cli --program-folder= a", "invalid value for --program-folder: ''"},
      {"veldor-cli a --program-folder", "--program-folder needs a value"},
      {"veldor-cli --yes --no a", "--yes and --no exclude each other"},
      {"veldor-cli --stdout --format html a", "--stdout cannot carry html listings"},
      {"veldor-cli --messages gnu a", "invalid value for --messages: 'gnu'"},
      {"veldor-cli -h", nullptr}, {"tovrin-cli f -h", nullptr}, {"veldor-cli --version", nullptr},
      {"tovrin-cli --version", nullptr}, {"tovrin-cli --messages json", "no FILE given"},
      {"tovrin-cli -x f", "unknown option '-x'"},
      {"tovrin-cli --messages=xml f", "invalid value for --messages: 'xml'"}};
  // clang-format on
  for (const auto& [command, problem] : rows) {
    std::istringstream words(command);
    std::string program;
    words >> program;
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::ostringstream out, err;
    std::istringstream in;
    const bool veldor = program == "veldor-cli";
    const int status = (veldor ? RunVeldorCli : RunTovrinCli)(args, out, err, in, false);
    EXPECT_EQ(status, problem == nullptr ? 0 : 2) << command;
    // A usage error says exactly this; help and version start so.
    const std::string said = problem
                                 ? program + ": " + problem + "\nusage: " + program +
                                       " [OPTION]... " + (veldor ? "PATH" : "FILE") + "...\nTry '" +
                                       program + " --help' for more information.\n"
                             : args.back() == "--version" ? program + " " VELDOR_VERSION "\n"
                                                          : "usage: " + program + " [--";
    EXPECT_EQ(problem ? err.str() : out.str().substr(0, said.size()), said);
    EXPECT_EQ((problem ? out : err).str(), "") << command;
  }
}

#ifndef _WIN32  // under Wine the built programs are compared with these by windows_run.sh
std::string Checked(const std::string& file) {
  return Json("処理終了", "@/template/" + file + "\\r\\nにエラーは見つかりませんでした。", "none",
              "ok", "ok", ", \"rule\": \"no-errors\"");
}

// The built programs as a user runs them, in a work folder ("@/" in the output) with a photo,
// an empty folder and a listing that exists, with settings that ask before replacing a listing.
TEST(RunTest, PrintsRecordsAndExits) {
  const std::string kCsvHeader =
      "ファイル名,ファイルサイズ（byte）,ファイル更新日付,パケット数,パケット料金（円）\r\n\r\n";
  ::setenv("TZ", "JST-9", 1);  // the listing shows Tokyo times
  const std::tuple<const char*, std::string, int, std::string> rows[] = {
      {"Veldor",
       "veldor-cli --program-folder ../program --messages=json --carrier au --format csv --yes "
       "photos/ empty/. && iconv -f CP932 -t UTF-8 photos/photos.csv",
       0,
       Json("上書き確認", "@/photos/photos.csvは既に存在します。\\r\\n上書きしてもよろしいですか？",
            "none", "yesno", "yes") +
           Json("処理結果", "photos.csv\\r\\nempty.csv\\r\\n\\r\\nを出力しました。") + kCsvHeader +
           "a.jpg,640,2003/11/05 13:05:18,5,1\r\n"},
      // Every part of a date after the year has two digits, whatever its tens.
      {"VeldorDates",
       "touch -d @1066738850 photos/a.jpg && veldor-cli --program-folder ../program --carrier au "
       "--format csv --yes photos/ >/dev/null && iconv -f CP932 -t UTF-8 photos/photos.csv",
       0, kCsvHeader + "a.jpg,640,2003/10/21 21:20:50,5,1\r\n"},
      // Listings on stdout, one after another; the folder keeps its listing, nothing is asked
      // and no result message follows.
      {"VeldorStdout",
       "veldor-cli --program-folder ../program --carrier au --format csv --stdout photos/ empty/ "
       "2>&1 | iconv -f CP932 -t UTF-8 && cat photos/photos.csv",
       0, kCsvHeader + "a.jpg,640,2003/11/05 13:05:18,5,1\r\n" + kCsvHeader + "old\n"},
      {"VeldorWarns", "veldor-cli --program-folder ../program --messages json -- -x.jpg", 1,
       Json("-x.jpg", "@/-x.jpg\\r\\nの情報を読み取れませんでした。", "exclamation")},
      // A user without an absolute home folder, in a folder anyone may write, with an
      // installation they may not write: nothing is read from or created in that folder.
      // The program is copied where that user may run it: the build may sit in a folder only
      // root can read.
      {"VeldorWithoutHome",
       "chmod 777 . && mkdir -m 755 installed && cp \"$(command -v veldor-cli)\" installed/ && "
       "setpriv --reuid=54321 --regid=54321 --clear-groups env -u HOME -u XDG_DATA_HOME "
       "installed/veldor-cli --messages json photos; s=$?; test -e .local && exit 9; exit $s",
       1,
       Json("VELDOR",
            "設定を保存するフォルダが見つかりません。\\r\\nHOME を設定してから起動してください。",
            "exclamation")},
      // Output that cannot be written ends with status 1 and says why on stderr.
      {"VeldorOutputLost", "veldor-cli --program-folder ../program photos 2>&1 >/dev/full", 1,
       "veldor-cli: cannot write the output: No space left on device\n"},
      {"HelpLost", "veldor-cli --help 2>&1 >/dev/full", 1,
       "veldor-cli: cannot write the output: No space left on device\n"},
      {"TovrinOutputLost", "tovrin-cli template/au/index.html 2>&1 >/dev/full", 1,
       "tovrin-cli: cannot write the output: No space left on device\n"},
      // The shipped templates pass the checker.
      {"Tovrin",
       "tovrin-cli --messages=json template/docomo/index.html ./template/Vodafone/index.html "
       "template/au/index.html",
       0, Checked("docomo/index.html") + Checked("Vodafone/index.html") + Checked("au/index.html")},
      {"TovrinWarns", "tovrin-cli -- --x.html", 1,
       "[ファイルが開けません] 警告\n  @/--x.html\n  が開けません。削除、移動されていないか"
       "確認してください。\n\n"},
      // Editors read the place of each error, and of a tag meant, from these lines.
      {"TovrinGnu",
       "printf 'b\\n[@START@]\\n<i>[@FNAEM@]\\n[@STOP@]\\na\\n' >t.html && tovrin-cli --messages "
       "gnu t.html x.txt",
       1,
       "@/t.html:3:4: error: [@FNAEM@] というタグは存在しません。 もう一度確認してください。\n"
       "@/t.html:3:4: note: [@FNAME@] のことですか？\n"
       "@/t.html: error: @/t.html にはエラーがみつかったので、再度確認してください。\n"
       "@/x.txt: error: テンプレートファイルの拡張子は 「.html」か「.htm」にしてください。\n"},
      {"TovrinJsonPlace",
       "printf 'b\\n[@START@]\\n<i>[@FNAEM@]\\n[@STOP@]\\na\\n' >t.html && tovrin-cli --messages "
       "json t.html | head -n 1",
       0,
       Json("繰り返し部分内でのエラー",
            "[@FNAEM@] というタグは存在しません。\\r\\nもう一度確認してください。", "exclamation",
            "ok", "ok",
            ", \"line\": 3, \"column\": 4, \"rule\": \"no-such-tag\", \"suggestion\": "
            "\"[@FNAME@]\"")}};
  for (auto [name, command, expected_status, out] : rows) {
    // Only root may become a user the system does not know (CI runs the tests as root).
    if (std::string_view(name) == "VeldorWithoutHome" && ::geteuid() != 0) continue;
    const testing::TempFolder root;
    root.Write("program/quorsel.ini", "[PAGE_1]\r\nover_write=1\r\n");
    const int status = std::system(
        ("cd " + root.path().string() +
         " && mkdir -p work/photos work/empty && cd work && ln -s " TEMPLATE_DIR " template && "
         "echo old >photos/photos.csv && head -c 640 /dev/zero >photos/a.jpg && touch -d "
         "@1068005118 photos/a.jpg && PATH=" PROGRAM_DIR ":" TEMPLATE_DIR ":$PATH && (" +
         command + ") </dev/null 2>/dev/null >../out")
            .c_str());
    EXPECT_EQ(WEXITSTATUS(status), expected_status) << name;
    for (std::size_t at; (at = out.find("@/")) != std::string::npos;)
      out.replace(at, 1, root / "work");
    EXPECT_EQ(root.Read("out"), out) << name;
    EXPECT_EQ(root.Read("program/quorsel.ini"), "[PAGE_1]\r\nover_write=1\r\n") << name;
  }
}
// Memory runs out (a small address space, in a child) while a folder is listed with a huge
// template: that folder is given up with a message and holds nothing new, the next path is
// still handled, and the status is 1.
TEST(RunTest, OutOfMemoryGivesUpOnePath) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the address sanitizer needs more address space than any limit leaves";
#endif
  const testing::TempFolder root;
  root.Write("program/quorsel.ini", "[MAIN_OPTION]\r\noutput_mode=3\r\n");
  std::filesystem::resize_file(
      root.Write("program/template/docomo/index.html", "a\n[@START@]\n[@FNAME@]\n[@STOP@]\n"),
      std::size_t{48} << 20);  // and then 48 MiB of NUL bytes
  std::filesystem::create_directories(root / "big");
  root.Write("x.jpg", "x");
  const pid_t child = ::fork();
  if (child == 0) {
    std::ofstream file(root / "out", std::ios::binary);
    std::ostringstream out, err;
    std::istringstream in;
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE)) + (rlim_t{40} << 20);
    const rlimit limit{room, room};
    ::setrlimit(RLIMIT_AS, &limit);
    const int status = RunVeldorCli({"--program-folder", (root / "program").string(), "--messages",
                                     "json", (root / "big").string(), (root / "x.jpg").string()},
                                    out, err, in, false);
    file << out.str();
    file.close();
    ::_exit(status);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  const std::string shown = root.Read("out");
  const std::string given_up = Json(
      "メモリ不足", (root / "big").string() + "\\r\\nを処理するためのメモリが足りませんでした。",
      "exclamation");
  EXPECT_EQ(shown.substr(0, given_up.size()), given_up);
  EXPECT_EQ(shown.substr(given_up.size(), 21), "{\"caption\": \"x.jpg\", ");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root / "big"), {}), 0);
}
#endif

}  // namespace
}  // namespace veldor
