// The per-user folder under a home and data folder of the test's own.
#include "system/user_data.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "runtime/error_report.h"
#include "tests/support/child_process.h"

namespace tazmix {
namespace {

class UserData : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* home = getenv("HOME")) saved_home_ = home;
    setenv("HOME", home_.Path().c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    SetErrorEcho(false);
    ClearLastError();
  }
  void TearDown() override {
    setenv("HOME", saved_home_.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    ApplicationName = String();
    SetErrorEcho(true);
  }

  static bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  test::TempFolder home_;
  std::string saved_home_;
};

TEST_F(UserData, TheFolderIsMadeUnderTheDataHomeAndNamedAfterTheProgram) {
  // Without a name of its own the program is known by its file's name.
  EXPECT_EQ(ApplicationNameInUse(), String("test_system"));
  const std::string local = home_.Path() + "/.local/share/test_system/";
  EXPECT_EQ(UserDataDir(), String(local));
  EXPECT_TRUE(IsFolder(local));

  ApplicationName = u"Spiel Größe";
  const std::string xdg = home_.Path() + "/data";
  setenv("XDG_DATA_HOME", (xdg + "/").c_str(), 1);
  EXPECT_EQ(UserDataDir(), String(xdg + "/Spiel Größe/"));
  EXPECT_TRUE(IsFolder(xdg + "/Spiel Größe"));
  // Asked again: the same folder, with what was saved in it.
  { std::ofstream(xdg + "/Spiel Größe/scores.txt") << "100"; }
  EXPECT_EQ(UserDataDir(), String(xdg + "/Spiel Größe/"));
  EXPECT_TRUE(std::ifstream(xdg + "/Spiel Größe/scores.txt").good());

  // A relative XDG_DATA_HOME would depend on the current folder: it does
  // not count.
  setenv("XDG_DATA_HOME", "data", 1);
  EXPECT_EQ(UserDataDir(), String(home_.Path() + "/.local/share/Spiel Größe/"));
  EXPECT_EQ(LastErrorText(), String());
}

TEST_F(UserData, AFolderThatCannotBeMadeOrNamedIsEmptyWithItsReason) {
  { std::ofstream(home_.Path() + "/file") << "x"; }
  setenv("XDG_DATA_HOME", (home_.Path() + "/file").c_str(), 1);
  ApplicationName = "game";
  EXPECT_EQ(UserDataDir(), String());
  EXPECT_EQ(LastErrorText(),
            String("UserDataDir(\"game\"): can't make the folder " + home_.Path() + "/file: a file is in the way"));

  for (const char* name : {"..", "a/b"}) {
    ApplicationName = name;
    EXPECT_EQ(UserDataDir(), String()) << name;
    EXPECT_EQ(LastErrorText(), String("UserDataDir(\"" + std::string(name) +
                                      "\"): the application name is no folder name (set ApplicationName)"));
  }
}

}  // namespace
}  // namespace tazmix
