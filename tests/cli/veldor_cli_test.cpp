// veldor-cli as a user runs it: options, one drop of the given paths, message records on
// stdout and the exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/veldor_command.h"
#include "cli_test_support.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor {
namespace {

using testing::CliRun;
using testing::Json;
using testing::TempFolder;

class VeldorCliTest : public ::testing::Test {
 protected:
  VeldorCliTest() {
    // The child prints Tokyo times, whatever zone the machine is in.
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
  }

  // Runs the built program in `work_` with stdin not a terminal; stderr is kept apart.
  CliRun Run(const std::string& args) const {
    CliRun run =
        testing::RunShell("cd '" + work_.path().string() +
                          "' && '" VELDOR_CLI "' --program-folder '" + program_.path().string() +
                          "' " + args + " </dev/null 2>'" + (scratch_ / "stderr").string() + "'");
    run.err = scratch_.Read("stderr");
    return run;
  }

  // A file of `size` bytes last written at 2003/11/05 13:05:18 Tokyo time.
  void File(const std::string& rel, std::size_t size) const {
    const auto path = work_.Write(rel, std::string(size, 'x'));
    const timespec times[2] = {{1068005118, 0}, {1068005118, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }

  TempFolder program_;
  TempFolder work_;
  TempFolder scratch_;
};

TEST_F(VeldorCliTest, UsageErrorsExitTwoWithUsageOnStderr) {
  for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                {"--yes"},
                                                                {"--bogus", "a"},
                                                                {"--carrier", "kddi", "a"},
                                                                {"--format", "pdf", "a"},
                                                                {"--messages", "xml", "a"},
                                                                {"--yes", "--no", "a"},
                                                                {"a", "--program-folder"}}) {
    const CliRun run = testing::RunInProcess(RunVeldorCli, args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: veldor-cli [--program-folder DIR]"), std::string::npos);
  }
}

TEST_F(VeldorCliTest, ListsFoldersAndShowsFilesAsOneDrop) {
  File("photos/a.jpg", 640);
  File("photos/b.txt", 10);
  // The file system's own birth time; it cannot be set.
  const std::string created = FormatLocalTime(
      RealFileSystem().Status(work_ / "photos/a.jpg").value_or(FileStatus{}).created);
  // "missing" names no folder: it ends the drop, so no result message follows.
  const CliRun run =
      Run("--messages json --carrier au --format csv photos/ ./photos/../photos/a.jpg missing");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, Json("a.jpg", "640 byte\\r\\n5 パケット 1 円\\r\\n作成日時 " + created +
                                       "\\r\\n更新日時 2003/11/05 13:05:18"));
  EXPECT_EQ(
      Cp932ToUtf8(work_.Read("photos/photos.csv")),
      "ファイル名,ファイルサイズ（byte）,ファイル更新日付,パケット数,パケット料金（円）\r\n\r\n"
      "a.jpg,640,2003/11/05 13:05:18,5,1\r\n");
  // Settings are read, never written; missing lists are created empty.
  EXPECT_FALSE(std::filesystem::exists(program_ / "quorsel.ini"));
  EXPECT_EQ(program_.Read("replace_list.csv"), "");
}

TEST_F(VeldorCliTest, ResultMessageNamesTheListingsAndExitsZero) {
  File("photos/a.jpg", 640);
  std::filesystem::create_directory(work_ / "empty");
  const CliRun run = Run("--messages json photos empty/");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Json("処理結果", "photos.txt\\r\\nempty.txt\\r\\n\\r\\nを出力しました。"));
  EXPECT_EQ(work_.Read("empty/empty.txt"), "");
}

TEST_F(VeldorCliTest, OverwriteQuestionFollowsYesAndNo) {
  program_.Write("quorsel.ini", "[PAGE_1]\r\nover_write=1\r\n");
  File("photos/a.jpg", 640);
  work_.Write("photos/photos.txt", "old");
  const std::string question = Json("上書き確認",
                                    (work_ / "photos/photos.txt").string() +
                                        "は既に存在します。\\r\\n上書きしてもよろしいですか？",
                                    "question", "yesno", "no");

  CliRun run = Run("--messages json photos");  // no terminal, no --yes: No
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, question);
  EXPECT_EQ(work_.Read("photos/photos.txt"), "old");

  run = Run("--messages json --no photos");
  EXPECT_EQ(run.out, question);

  run = Run("--messages json --yes photos");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, question.substr(0, question.size() - 5) + "yes\"}\n" +
                         Json("処理結果", "photos.txt\\r\\n\\r\\nを出力しました。"));
  EXPECT_NE(work_.Read("photos/photos.txt"), "old");
  EXPECT_EQ(program_.Read("quorsel.ini"), "[PAGE_1]\r\nover_write=1\r\n");
}

TEST_F(VeldorCliTest, ListingThatCannotBeWrittenExitsOne) {
  std::filesystem::create_directories(work_ / "photos/photos.txt");
  const CliRun run = Run("--messages json photos");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Json("書き込みエラーです",
                          (work_ / "photos/photos.txt").string() +
                              "\\r\\nに書き込めませんでした。\\r\\nフォルダへの書き込み権限と"
                              "空き容量を確認してください。",
                          "exclamation"));
}

}  // namespace
}  // namespace veldor
