// The real program in a virtual X display, driven with xdotool and watched
// with xwd: window size from the command line, a round from the first
// button, Escape back and out, a close request, and a missing word file.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

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

// The bottom line's right part, where the round shows "Punktestand: <score>"
// and nothing else is drawn.
std::vector<uint32_t> ScoreStrip(const GameWindow& window, const Screenshot& shot) {
  const Geometry& area = window.WindowArea();
  std::vector<uint32_t> strip;
  for (int y = area.height - 14; y < area.height; ++y) {
    for (int x = area.width - 260; x < area.width; ++x) strip.push_back(shot.Pixel(area.x + x, area.y + y));
  }
  return strip;
}

// The second press of a double click on a difficulty reaches the game after
// its round has opened; it was never aimed at a letter and must not cost
// (or earn) points. The round's score line must read as after a single click.
TEST_F(WindowTest, DoubleClickOnADifficultyStartsTheRoundAtZero) {
  Start({});
  ASSERT_TRUE(WaitForTitle());
  auto score_after = [&](int clicks, int delay_ms) {
    window_.MultiClick(400, 237, clicks, delay_ms);
    EXPECT_TRUE(WaitForRound()) << "after " << clicks << " clicks " << delay_ms << " ms apart";
    // Every press was delivered before the round showed; the flash of a
    // counted press fades within 700 ms.
    Sleep(1200);
    const std::vector<uint32_t> strip = ScoreStrip(window_, Screenshot(display_));
    window_.Key("Escape");
    EXPECT_TRUE(WaitForTitle());
    return strip;
  };
  const std::vector<uint32_t> zero = score_after(1, 0);
  ASSERT_GT(std::count_if(zero.begin(), zero.end(), [](uint32_t p) { return p != 0; }), 50)
      << "no score line found";
  for (const int delay_ms : {50, 150, 250, 400}) {
    EXPECT_TRUE(score_after(2, delay_ms) == zero) << "the score changed after a double click with " << delay_ms
                                                   << " ms between the clicks";
  }
}

// A dock ties a window to the program's menu entry by its class, which is
// the program file's name (the desktop file's StartupWMClass), and shows the
// window's own icon, made from the title picture.
TEST_F(WindowTest, WindowHasTheProgramsClassAndIcon) {
  Start({});
  const std::string props = XClient(display_, "xprop", {"-id", window_.Id(), "WM_CLASS", "_NET_WM_ICON"});
  EXPECT_NE(props.find("WM_CLASS(STRING) = \"vindra\", \"vindra\""), std::string::npos) << props.substr(0, 200);
  EXPECT_NE(props.find("Icon (64 x 64)"), std::string::npos) << props.substr(0, 200);
}

// A window that cannot open: the game's own line and exit code, with the
// library's reason on the line before it.
struct WindowFailure {
  const char* what;
  std::vector<std::string> args;
  bool on_display;  // an X display is there (else none can be reached)
  bool broken_gl;   // an empty libGL.so.1 comes first on the library path
  std::string size;
  std::string reason;
};

TEST(WindowFailures, SayWhyBeforeTheGamesLine) {
  tazmix::test::TempFolder broken;
  { std::ofstream(broken.Path() + "/libGL.so.1"); }
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  const WindowFailure cases[] = {
      {"no display", {}, false, false, "800 x 600", "no display to open a window on (DISPLAY=:65000"},
      {"no OpenGL library", {}, true, true, "800 x 600", "can't load the OpenGL library: "},
      {"no size", {"0", "600"}, true, false, "0 x 600", "the size must be at least 1 x 1"},
      {"too large", {"100000", "600"}, true, false, "100000 x 600", "the size must be at most 16384 x 16384"},
  };
  const std::string program = std::string(TAZMIX_BIN_DIR) + "/vindra";
  for (const WindowFailure& c : cases) {
    tazmix::test::ChildOptions options;
    options.environment = {"DISPLAY=" + (c.on_display ? display.Name() : std::string(":65000")),
                           "WAYLAND_DISPLAY=none", "SDL_VIDEODRIVER=", LeakCheckOptions()};
    if (c.broken_gl) options.environment.push_back("LD_LIBRARY_PATH=" + broken.Path());
    options.timeout_ms = 30000;
    std::vector<std::string> argv = c.args;
    argv.insert(argv.begin(), program);
    const auto result = tazmix::test::RunChild(program, argv, options);
    ASSERT_FALSE(result.timed_out) << c.what << ": still running after 30 s";
    EXPECT_TRUE(result.exited) << c.what;
    EXPECT_EQ(result.exit_code, 255) << c.what;
    const std::string reason_start = "tazmix: OpenGraphics(" + c.size + "): " + c.reason;
    const std::string game_line = "\nCan't open a window of " + c.size + "! - EXIT";
    EXPECT_EQ(result.err.rfind(reason_start, 0), 0u) << c.what << ": " << result.err;
    EXPECT_TRUE(result.err.size() > game_line.size() &&
                result.err.compare(result.err.size() - game_line.size(), game_line.size(), game_line) == 0)
        << c.what << ": " << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.what << ": " << result.err;
  }
}

}  // namespace
