// The real program in a virtual X display, driven with xdotool and watched
// with xwd: window size from the command line, a round from the first
// button, Escape back and out, a close request, and a missing word file.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <functional>

#include "tests/e2e/game_window.h"

using namespace vindra::e2e;

namespace {

// All waits of one test share this budget, well inside the test runner's
// 120 s, so a test that cannot pass fails by itself and says what it awaited.
constexpr int kTestBudgetMs = 80000;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(display_.Running()) << "Xvfb did not start"; }

  // `ms`, or what is left of the test's budget when that is less.
  int Within(int ms) const { return std::min(ms, budget_.LeftMs()); }

  // Starts the game and waits for its window.
  void Start(const std::vector<std::string>& args, const std::string& folder = TAZMIX_BIN_DIR) {
    ASSERT_TRUE(window_.Start(folder + "/vindra", args, "", Within(30000)));
  }
  ::testing::AssertionResult WaitForTitle() { return window_.WaitForTitle(Within(20000)); }
  ::testing::AssertionResult WaitForRound() { return window_.WaitForRound(Within(20000)); }
  Exit WaitForExit() { return window_.Game().WaitForExit(Within(15000)); }
  Program& Game() { return window_.Game(); }

  Deadline budget_{kTestBudgetMs};
  VirtualDisplay display_;
  GameWindow window_{display_};
};

TEST_F(WindowTest, DefaultWindowAndEscapeOnTitleEnds) {
  Start({});
  EXPECT_EQ(window_.WindowArea().width, 800);
  EXPECT_EQ(window_.WindowArea().height, 600);
  ASSERT_TRUE(WaitForTitle());
  window_.Key("Escape");
  const Exit exit = WaitForExit();
  EXPECT_FALSE(exit.running) << "the game did not end within 15 s";
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.code, 0);
}

TEST_F(WindowTest, SizeAndRateFromCommandLineAndCloseRequestEnds) {
  Start({"1024", "768", "30"});
  EXPECT_EQ(window_.WindowArea().width, 1024);
  EXPECT_EQ(window_.WindowArea().height, 768);
  ASSERT_TRUE(WaitForTitle());
  kill(Game().Pid(), SIGTERM);
  const Exit exit = WaitForExit();
  EXPECT_FALSE(exit.running) << "the game did not end within 15 s";
  EXPECT_TRUE(exit.exited) << "signal " << exit.signal_number;
  EXPECT_EQ(exit.code, 0);
}

TEST_F(WindowTest, FirstButtonStartsRoundAndEscapeComesBack) {
  Start({});
  ASSERT_TRUE(WaitForTitle());
  window_.Click(400, 237);
  ASSERT_TRUE(WaitForRound());
  window_.Key("Escape");
  ASSERT_TRUE(WaitForTitle());
  window_.Key("Escape");
  const Exit exit = WaitForExit();
  EXPECT_TRUE(exit.exited) << Game().Describe();
  EXPECT_EQ(exit.code, 0);
}

TEST_F(WindowTest, MissingWordFileEndsAtTheFirstRound) {
  tazmix::test::TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(TAZMIX_BIN_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name == "vindra" || name == "arial.ttf" || entry.path().extension() == ".png") {
      std::filesystem::copy_file(entry.path(), folder.Path() + "/" + name);
    }
  }
  Start({}, folder.Path());
  ASSERT_TRUE(WaitForTitle());
  window_.Click(400, 337);
  const Exit exit = WaitForExit();
  EXPECT_TRUE(exit.exited) << Game().Describe();
  EXPECT_EQ(exit.code, 255);
  EXPECT_EQ(Game().Stderr(), "Can't load Language.txt! - EXIT");
}

TEST_F(WindowTest, WindowOfNoSizeEndsWithMessage) {
  Program game(std::string(TAZMIX_BIN_DIR) + "/vindra", {"0", "600"}, display_);
  const Exit exit = game.WaitForExit(Within(15000));
  EXPECT_TRUE(exit.exited) << game.Describe();
  EXPECT_EQ(exit.code, 255);
  EXPECT_EQ(game.Stderr(), "Can't open a window of 0 x 600! - EXIT");
}

// No display to open a window on: SDL's fallback to drawing offscreen, where
// nobody sees the game, does not count as a window.
TEST(NoDisplay, EndsWithMessage) {
  tazmix::test::ChildOptions options;
  options.environment = {"DISPLAY=:65000", "WAYLAND_DISPLAY=none", "SDL_VIDEODRIVER=", LeakCheckOptions()};
  options.timeout_ms = 30000;
  const std::string program = std::string(TAZMIX_BIN_DIR) + "/vindra";
  const auto result = tazmix::test::RunChild(program, {program}, options);
  ASSERT_FALSE(result.timed_out) << "still running after 30 s";
  EXPECT_TRUE(result.exited);
  EXPECT_EQ(result.exit_code, 255);
  const std::string message = "Can't open a window of 800 x 600! - EXIT";
  EXPECT_EQ(result.err.substr(result.err.size() - std::min(result.err.size(), message.size())), message)
      << result.err;
}

}  // namespace
