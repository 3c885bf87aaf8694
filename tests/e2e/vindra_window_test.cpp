// The real program in a virtual X display, driven with xdotool and watched
// with xwd: window size from the command line, a round from the first
// button, Escape back and out, a close request, and a missing word file.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <functional>

#include "tests/e2e/x_session.h"

using namespace vindra::e2e;

namespace {

const std::string kTitle = "Vindra! - QMC #37 - Dravik - v1.05";

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
    game_ = std::make_unique<Program>(folder + "/vindra", args, display_);
    window_ = FindWindow(display_, kTitle, Within(30000), game_.get());
    ASSERT_FALSE(window_.empty()) << "no window titled \"" << kTitle << "\"; the game " << game_->Describe();
    geometry_ = WindowGeometry(display_, window_);
  }

  // Waits up to `ms` until the screen satisfies `test`, looking every 100 ms;
  // gives up at once when the game has ended.
  ::testing::AssertionResult WaitForScreen(const char* what, const std::function<bool(const Screenshot&)>& test,
                                           int ms = 20000) {
    const Deadline deadline(Within(ms));
    for (;;) {
      Screenshot shot(display_);
      if (shot.Valid() && test(shot)) return ::testing::AssertionSuccess();
      if (deadline.Passed() || !game_->Running()) break;
      Sleep(100);
    }
    return ::testing::AssertionFailure() << "waited in vain for " << what << "; the game " << game_->Describe();
  }

  // Lit pixels of a rectangle given in window coordinates.
  int Lit(const Screenshot& shot, int x, int y, int w, int h) const {
    return shot.LitPixels(geometry_.x + x, geometry_.y + y, w, h);
  }
  bool TitleShown(const Screenshot& shot) const {
    const int w = geometry_.width;
    return Lit(shot, w / 2 - 98, 70, 196, 60) > 200 && Lit(shot, w / 2 - 112, 200, 225, 75) > 500 &&
           Lit(shot, 10, 10, 80, 80) == 0;
  }
  bool RoundShown(const Screenshot& shot) const {
    const int w = geometry_.width;
    return Lit(shot, 10, 10, 80, 80) > 1000 && Lit(shot, w - 220, 20, 200, 200) > 5000;
  }

  // One xdotool run: the server takes the move before the click. (No
  // --sync: it waits for a move that never comes when the pointer is there
  // already.)
  void Click(int x, int y) {
    XDoTool(display_,
            {"mousemove", std::to_string(geometry_.x + x), std::to_string(geometry_.y + y), "click", "1"});
  }
  // Keys go to the window under the pointer: there is no window manager.
  void Key(const std::string& name) {
    XDoTool(display_, {"mousemove", std::to_string(geometry_.x + geometry_.width - 5),
                       std::to_string(geometry_.y + geometry_.height - 5), "key", name});
  }

  Exit WaitForExit() { return game_->WaitForExit(Within(15000)); }

  Deadline budget_{kTestBudgetMs};
  VirtualDisplay display_;
  std::unique_ptr<Program> game_;
  std::string window_;
  Geometry geometry_;
};

TEST_F(WindowTest, DefaultWindowAndEscapeOnTitleEnds) {
  Start({});
  EXPECT_EQ(geometry_.width, 800);
  EXPECT_EQ(geometry_.height, 600);
  ASSERT_TRUE(WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }));
  Key("Escape");
  const Exit exit = WaitForExit();
  EXPECT_FALSE(exit.running) << "the game did not end within 15 s";
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.code, 0);
}

TEST_F(WindowTest, SizeAndRateFromCommandLineAndCloseRequestEnds) {
  Start({"1024", "768", "30"});
  EXPECT_EQ(geometry_.width, 1024);
  EXPECT_EQ(geometry_.height, 768);
  ASSERT_TRUE(WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }));
  kill(game_->Pid(), SIGTERM);
  const Exit exit = WaitForExit();
  EXPECT_FALSE(exit.running) << "the game did not end within 15 s";
  EXPECT_TRUE(exit.exited) << "signal " << exit.signal_number;
  EXPECT_EQ(exit.code, 0);
}

TEST_F(WindowTest, FirstButtonStartsRoundAndEscapeComesBack) {
  Start({});
  ASSERT_TRUE(WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }));
  Click(400, 237);
  ASSERT_TRUE(WaitForScreen("a round", [&](const Screenshot& s) { return RoundShown(s); }));
  Key("Escape");
  ASSERT_TRUE(WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }));
  Key("Escape");
  const Exit exit = WaitForExit();
  EXPECT_TRUE(exit.exited) << game_->Describe();
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
  ASSERT_TRUE(WaitForScreen("the title screen", [&](const Screenshot& s) { return TitleShown(s); }));
  Click(400, 337);
  const Exit exit = WaitForExit();
  EXPECT_TRUE(exit.exited) << game_->Describe();
  EXPECT_EQ(exit.code, 255);
  EXPECT_EQ(game_->Stderr(), "Can't load Language.txt! - EXIT");
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
