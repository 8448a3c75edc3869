#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tovrin_command.h"
#include "cli_test_support.h"
#include "support/temp_folder.h"

namespace veldor {
namespace {

using testing::CliRun;
using testing::Json;

constexpr const char* kGood =
    "<title>[@DNAME@]</title>\r\n[@START@]\r\n<li>[@FNAME@] [@PYEN@]\r\n[@STOP@]\r\n"
    "<p>[@COMPANY@]</p>\r\n";
constexpr const char* kBroken = "<title>[@FNAME@]</title>\n[@START@]\n<li>[@FNAME\n[@STOP@]\n";

std::string NoErrorsJson(const std::string& path) {
  return Json("処理終了", path + "\\r\\nにエラーは見つかりませんでした。");
}

std::string BrokenJson(const std::string& path) {
  return Json("[@START@]以前でのエラー",
              "[@FNAME@] は繰り返し部分の中でのみ使用できる拡張タグです。\\r\\n[@START@] と "
              "[@STOP@]の範囲内で使用してください。",
              "exclamation") +
         Json("繰り返し部分内でのエラー", "@] が存在しません。\\r\\nもう一度確認してください。",
              "exclamation") +
         Json("処理終了", path + "\\r\\nにはエラーがみつかったので、再度確認してください。",
              "stop");
}

CliRun RunCli(const std::vector<std::string>& args) {
  return testing::RunInProcess(RunTovrinCli, args);
}

// The built program, as a user runs it.
CliRun RunProgram(const std::string& args) {
  return testing::RunShell(std::string(TOVRIN_CLI) + " " + args + " 2>/dev/null");
}

class TovrinCliTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
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

TEST_F(TovrinCliTest, RelativePathsAreShownAbsoluteAndHandledInOrder) {
  folder_.Write("t.htm", kGood);
  folder_.Write("b.html", kBroken);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  const CliRun run = RunCli({"--messages=json", "b.html", "./t.htm", "--", "--x.html"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const std::string dir = folder_.path().string();
  EXPECT_EQ(run.out, BrokenJson(dir + "/b.html") + NoErrorsJson(dir + "/./t.htm") +
                         Json("ファイルが開けません",
                              dir + "/--x.html\\r\\nが開けません。削除、移動されていないか確認"
                                    "してください。",
                              "exclamation"));
}

TEST_F(TovrinCliTest, WrongExtensionExitsOne) {
  const CliRun run = RunCli({folder_.Write("t.HTML", kGood).string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "[ファイルが違います] 警告\n  テンプレートファイルの拡張子は\n  "
            "「.html」か「.htm」にしてください。\n\n");
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
  for (const char* carrier : {"docomo", "Vodafone", "au"}) {
    const std::string path = (templates / carrier / "index.html").string();
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const CliRun run = RunProgram("--messages json '" + path + "'");
    EXPECT_EQ(run.status, 0) << path;
    EXPECT_EQ(run.out, NoErrorsJson(path));
  }
}

}  // namespace
}  // namespace veldor
