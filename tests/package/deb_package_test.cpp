// The Debian package as a player gets it: packed from this build into a
// folder of the test's own, unpacked into a temporary root, the game started
// through its /usr/games link on a virtual display, and the menu entry,
// metainfo and package judged by Debian's own checkers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/game_window.h"
#include "tests/support/child_process.h"

using namespace vindra::e2e;
namespace fs = std::filesystem;

namespace {

const char* const kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

bool Installed(const std::string& program) { return access(program.c_str(), X_OK) == 0; }

// Runs a command, ended after `seconds`; exit code 124 then.
tazmix::test::ChildResult RunBounded(const std::vector<std::string>& command, int seconds) {
  std::vector<std::string> argv = {"timeout", "-k", "5", std::to_string(seconds)};
  argv.insert(argv.end(), command.begin(), command.end());
  return tazmix::test::RunChild("/usr/bin/timeout", argv);
}

std::string Said(const tazmix::test::ChildResult& r) {
  return "exit " + std::to_string(r.exit_code) + (r.exit_code == 124 ? " (timed out)" : "") + "\n" + r.out + r.err;
}

class DebPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Installed("/usr/bin/dpkg-deb") || !Installed("/usr/bin/dpkg-shlibdeps")) {
      GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps is missing: scripts/install-deps.sh installs dpkg-dev";
    }
    const auto packed = RunBounded({VINDRA_CPACK, "--config", VINDRA_CPACK_CONFIG, "-B", out_.Path()}, 40);
    ASSERT_EQ(packed.exit_code, 0) << "cpack: " << Said(packed);
    for (const auto& entry : fs::directory_iterator(out_.Path())) {
      const std::string name = entry.path().filename().string();
      if (name.rfind(VINDRA_DEB_NAME "_", 0) == 0 && entry.path().extension() == ".deb") deb_ = entry.path();
    }
    ASSERT_FALSE(deb_.empty()) << "no " VINDRA_DEB_NAME "_<arch>.deb; cpack said: " << Said(packed);
    root_ = out_.Path() + "/root";
    const auto unpacked = RunBounded({"dpkg-deb", "-x", deb_, root_}, 10);
    ASSERT_EQ(unpacked.exit_code, 0) << "dpkg-deb -x: " << Said(unpacked);
  }

  std::string Field(const std::string& name) { return RunBounded({"dpkg-deb", "-f", deb_, name}, 10).out; }

  tazmix::test::TempFolder out_;
  std::string deb_;
  std::string root_;
};

TEST_F(DebPackage, UnpackedGamePlaysThroughItsLink) {
  // What fonts-liberation2 puts in place: the font the package links to.
  const fs::path font = root_ + kFont;
  fs::create_directories(font.parent_path());
  fs::create_symlink(kFont, font);
  const std::string folder = root_ + "/usr/lib/games/vindra";
  EXPECT_TRUE(fs::is_symlink(folder + "/arial.ttf")) << "arial.ttf is a link, not a copy";
  EXPECT_TRUE(fs::is_regular_file(folder + "/arial.ttf")) << "the link leads to the font";
  ASSERT_TRUE(fs::is_symlink(root_ + "/usr/games/vindra"));

  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  GameWindow game(display);
  // Started from another folder: the game finds its files from its own.
  ASSERT_TRUE(game.Start(root_ + "/usr/games/vindra", {}, out_.Path(), 20000));
  ASSERT_TRUE(game.WaitForTitle(15000));
  game.Click(400, 237);
  ASSERT_TRUE(game.WaitForRound(15000));
  game.Key("Escape");
  ASSERT_TRUE(game.WaitForTitle(15000));
  game.Key("Escape");
  const Exit exit = game.Game().WaitForExit(10000);
  EXPECT_FALSE(exit.running) << "still running 10 s after Escape on the title";
  EXPECT_TRUE(exit.exited) << "signal " << exit.signal_number;
  EXPECT_EQ(exit.code, 0) << game.Game().Stderr();
}

TEST_F(DebPackage, DebianCheckersAcceptIt) {
  // Dependencies found from the program's libraries, plus the font's package.
  const std::string depends = Field("Depends");
  for (const char* package : {"fonts-liberation2", "libsdl2-2.0-0", "libpng16-16", "libfreetype6", "libc6"}) {
    EXPECT_NE(depends.find(package), std::string::npos) << package << " not in: " << depends;
  }

  struct Checker {
    const char* program;
    std::vector<std::string> args;
    int seconds;
  };
  const Checker checkers[] = {
      {"desktop-file-validate", {root_ + "/usr/share/applications/org.tazmix.Vindra.desktop"}, 10},
      {"appstreamcli", {"validate", "--no-net", root_ + "/usr/share/metainfo/org.tazmix.Vindra.metainfo.xml"}, 10},
      // Errors fail it; warnings and notes are the packager's to judge.
      {"lintian", {"--fail-on", "error", deb_}, 40},
  };
  for (const Checker& c : checkers) {
    SCOPED_TRACE(c.program);
    if (!Installed(std::string("/usr/bin/") + c.program)) {
      ADD_FAILURE() << c.program << " is missing: scripts/install-deps.sh installs it";
      continue;
    }
    std::vector<std::string> command = {c.program};
    command.insert(command.end(), c.args.begin(), c.args.end());
    const auto r = RunBounded(command, c.seconds);
    EXPECT_EQ(r.exit_code, 0) << Said(r);
    EXPECT_EQ(r.out.find("E: "), std::string::npos) << r.out;
  }
}

}  // namespace
