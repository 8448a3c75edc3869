#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tovrin_command.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::TempFolder;

constexpr const char* kGood =
    "<title>[@DNAME@]</title>\r\n[@START@]\r\n<li>[@FNAME@] [@PYEN@]\r\n[@STOP@]\r\n"
    "<p>[@COMPANY@]</p>\r\n";
constexpr const char* kBroken = "<title>[@FNAME@]</title>\n[@START@]\n<li>[@FNAME\n[@STOP@]\n";

std::string NoErrorsJson(const std::string& path) {
  return "{\"caption\": \"処理終了\", \"text\": \"" + path +
         "\\r\\nにエラーは見つかりませんでした。\", \"icon\": \"none\", \"buttons\": \"ok\", "
         "\"answer\": \"ok\"}\n";
}

std::string BrokenJson(const std::string& path) {
  return "{\"caption\": \"[@START@]以前でのエラー\", \"text\": \"[@FNAME@] "
         "は繰り返し部分の中でのみ使用できる拡張タグです。\\r\\n[@START@] と "
         "[@STOP@]の範囲内で使用してください。\", \"icon\": \"exclamation\", \"buttons\": \"ok\", "
         "\"answer\": \"ok\"}\n"
         "{\"caption\": \"繰り返し部分内でのエラー\", \"text\": \"@] "
         "が存在しません。\\r\\nもう一度確認してください。\", \"icon\": \"exclamation\", "
         "\"buttons\": \"ok\", \"answer\": \"ok\"}\n"
         "{\"caption\": \"処理終了\", \"text\": \"" +
         path +
         "\\r\\nにはエラーがみつかったので、再度確認してください。\", \"icon\": \"stop\", "
         "\"buttons\": \"ok\", \"answer\": \"ok\"}\n";
}

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in;
  const int status = RunTovrinCli(args, out, err, in, false);
  return {status, out.str(), err.str()};
}

class TovrinCliTest : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(TovrinCliTest, UsageErrorsExitTwoWithUsageOnStderr) {
  const std::string file = folder_.Write("t.html", kGood).string();
  for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                {"--messages", "json"},
                                                                {"--bogus", file},
                                                                {"--messages", "xml", file},
                                                                {file, "--messages"},
                                                                {"-x", file}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: tovrin-cli [--messages text|json] FILE..."), std::string::npos);
  }
}

TEST_F(TovrinCliTest, GoodTemplateExitsZero) {
  const std::string file = folder_.Write("t.html", kGood).string();
  const CliRun run = RunCli({"--messages=json", file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, NoErrorsJson(file));
  EXPECT_EQ(run.err, "");
}

TEST_F(TovrinCliTest, RelativePathsAreShownAbsoluteAndHandledInOrder) {
  folder_.Write("t.htm", kGood);
  folder_.Write("b.html", kBroken);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  const CliRun run = RunCli({"--messages", "json", "b.html", "./t.htm", "--", "--x.html"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(run.status, 1);
  const std::string dir = folder_.path().string();
  EXPECT_EQ(run.out,
            BrokenJson(dir + "/b.html") + NoErrorsJson(dir + "/./t.htm") +
                "{\"caption\": \"ファイルが開けません\", \"text\": \"" + dir +
                "/--x.html\\r\\nが開けません。削除、移動されていないか確認してください。"
                "\", \"icon\": \"exclamation\", \"buttons\": \"ok\", \"answer\": \"ok\"}\n");
}

TEST_F(TovrinCliTest, WrongExtensionExitsOne) {
  const CliRun run = RunCli({folder_.Write("t.HTML", kGood).string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "[ファイルが違います] 警告\n  テンプレートファイルの拡張子は\n  "
            "「.html」か「.htm」にしてください。\n\n");
}

// The built program, as a user runs it.
CliRun RunProgram(const std::string& args) {
  const std::string command = std::string(TOVRIN_CLI) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, "", ""};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ""};
}

TEST_F(TovrinCliTest, ProgramReportsGoodAndBrokenTemplates) {
  const std::string good = folder_.Write("good.html", kGood).string();
  const std::string broken = folder_.Write("broken.html", kBroken).string();
  CliRun run = RunProgram("--messages json '" + good + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, NoErrorsJson(good));
  run = RunProgram("--messages json '" + good + "' '" + broken + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, NoErrorsJson(good) + BrokenJson(broken));
  EXPECT_EQ(RunProgram("--nonsense").status, 2);
}

TEST_F(TovrinCliTest, ShippedTemplatesHaveNoErrors) {
  const std::filesystem::path templates = std::filesystem::path(TOVRIN_CLI).parent_path();
  int checked = 0;
  for (const char* carrier : {"docomo", "Vodafone", "au"}) {
    if (!std::filesystem::is_directory(templates / carrier)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(templates / carrier)) {
      const std::string path = entry.path().string();
      const CliRun run = RunProgram("--messages json '" + path + "'");
      EXPECT_EQ(run.status, 0) << path;
      EXPECT_EQ(run.out, NoErrorsJson(path));
      ++checked;
    }
  }
  if (checked == 0) GTEST_SKIP() << "no template shipped in " << templates;
}

}  // namespace
}  // namespace veldor
