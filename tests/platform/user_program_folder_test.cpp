#include "platform/user_program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class UserProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped_.Write("help.html", "<html>help</html>");
    shipped_.Write("template/docomo/index.html", "docomo template");
    shipped_.Write("template/au/index.html", "au template");
    fs::create_directories(shipped_ / "template/Vodafone");
    const fs::path checker = shipped_.Write("template/tovrin", "ELF");
    fs::permissions(checker, fs::perms::owner_exec, fs::perm_options::add);
  }

  fs::path User() const { return home_ / "veldor"; }

  TempFolder shipped_;
  TempFolder home_;
};

TEST_F(UserProgramFolderTest, FirstStartCopiesHelpAndTemplatesLaterStartsKeepTheUsersChanges) {
  SeedUserProgramFolder(shipped_.path(), User());
  EXPECT_EQ(home_.Read("veldor/help.html"), "<html>help</html>");
  EXPECT_EQ(home_.Read("veldor/template/au/index.html"), "au template");
  EXPECT_TRUE(fs::is_directory(User() / "template/Vodafone"));
  EXPECT_FALSE(fs::exists(User() / "template/tovrin"));

  home_.Write("veldor/template/docomo/index.html", "edited by the user");
  fs::remove(User() / "template/au/index.html");
  SeedUserProgramFolder(shipped_.path(), User());
  EXPECT_EQ(home_.Read("veldor/template/docomo/index.html"), "edited by the user");
  EXPECT_FALSE(fs::exists(User() / "template/au/index.html"));
}

TEST_F(UserProgramFolderTest, MissingHelpIsSeededWhileTemplatesStayAsTheyAre) {
  home_.Write("veldor/template/docomo/mine.html", "the user's own");

  SeedUserProgramFolder(shipped_.path(), User());

  EXPECT_EQ(home_.Read("veldor/help.html"), "<html>help</html>");
  EXPECT_EQ(home_.Read("veldor/template/docomo/mine.html"), "the user's own");
  EXPECT_FALSE(fs::exists(User() / "template/docomo/index.html"));
}

TEST_F(UserProgramFolderTest, ReadOnlyInstallUsesTheSeededUserFolder) {
  EXPECT_EQ(ChooseProgramFolder(shipped_.path(), true, User()), shipped_.path());
  EXPECT_FALSE(fs::exists(User()));
  EXPECT_EQ(ChooseProgramFolder(shipped_.path(), false, User()), User());
  EXPECT_EQ(home_.Read("veldor/template/docomo/index.html"), "docomo template");
}

TEST(UserProgramFolder, FollowsXdgDataHomeWhenItIsAbsolute) {
  {
    ScopedEnv data_home("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(UserProgramFolder(), fs::path("/srv/data/veldor"));
  }
  ScopedEnv home("HOME", "/home/someone");
  for (const char* ignored : {"", "relative/data"}) {
    ScopedEnv data_home("XDG_DATA_HOME", ignored);
    EXPECT_EQ(UserProgramFolder(), fs::path("/home/someone/.local/share/veldor")) << ignored;
  }
  ScopedEnv data_home("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(UserProgramFolder(), fs::path("/home/someone/.local/share/veldor"));
}

TEST(UserProgramFolder, ReadOnlyFolderIsNotWritable) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write any folder";
  TempFolder folder;
  fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_FALSE(IsWritableFolder(folder.path()));
  fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(IsWritableFolder(folder.path()));
}

}  // namespace
}  // namespace veldor
