#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "runtime/application.h"
#include "stream/path.h"
#include "system/system_driver.h"
#include "tests/support/child_process.h"

namespace tazmix {
namespace {

class OpenURLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSystem();
    start_ = CurrentDir();
    ASSERT_EQ(chdir(folder_.Path().c_str()), 0);
    std::ofstream("readme.txt") << "hello";
    mkdir("docs", 0755);
  }
  void TearDown() override { ASSERT_EQ(chdir(start_.ToUTF8String().c_str()), 0); }

  String Here() const { return String::FromUTF8String(test::RealPath(folder_.Path())); }

  test::TempFolder folder_;
  String start_;
};

TEST_F(OpenURLTest, BareNamesBecomeFileOrHttpURLsAndSchemesStayAsTheyAre) {
  EXPECT_EQ(ResolveURLForShell("readme.txt"), String("file:") + Here() + "/readme.txt");
  EXPECT_EQ(ResolveURLForShell("readme.txt#part"), String("file:") + Here() + "/readme.txt#part");
  EXPECT_EQ(ResolveURLForShell("docs"), String("file:") + Here() + "/docs");
  EXPECT_EQ(ResolveURLForShell("example.com"), String("http:example.com"));
  EXPECT_EQ(ResolveURLForShell("example.com/a#top"), String("http:example.com/a#top"));
  EXPECT_EQ(ResolveURLForShell("HTTPS://Example.com/x"), String("HTTPS://Example.com/x"));
  EXPECT_EQ(ResolveURLForShell("Http:x"), String("Http:x"));
  EXPECT_EQ(ResolveURLForShell("FILE:/etc/hosts"), String("FILE:/etc/hosts"));
  EXPECT_EQ(ResolveURLForShell(""), String("file:") + Here());  // the current folder exists
}

TEST_F(OpenURLTest, TheShellIsAskedToOpenTheRewrittenURL) {
  // A stand-in for the desktop's opener records what it was given.
  const std::string opener = folder_.Path() + "/xdg-open";
  std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << folder_.Path() << "/opened.tmp'\n"
                        << "mv '" << folder_.Path() << "/opened.tmp' '" << folder_.Path() << "/opened'\n";
  chmod(opener.c_str(), 0755);
  const char* path = std::getenv("PATH");
  const std::string saved = path ? path : "";
  setenv("PATH", (folder_.Path() + ":" + saved).c_str(), 1);

  EXPECT_EQ(OpenURL("example.com"), 1);
  setenv("PATH", saved.c_str(), 1);

  std::string opened;
  for (int i = 0; i < 500 && opened.empty(); ++i) {
    std::ifstream in(folder_.Path() + "/opened");
    std::stringstream text;
    text << in.rdbuf();
    opened = text.str();
    if (opened.empty()) Delay(10);
  }
  EXPECT_EQ(opened, "http:example.com");
}

}  // namespace
}  // namespace tazmix
