// Every example program as a user starts it, each on a virtual display of its
// own: its window opens, shows more than its clear colour, and Escape ends the
// program with exit code 0 and no failure line. The window's picture is kept
// as build/examples-shots/<name>.png for the gallery (scripts/make-gallery.sh).
//
// The list is every examples/*.cpp (the build passes it in), so a new example
// is tested as soon as it exists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pixmap/png_loader.h"
#include "tests/e2e/x_session.h"

using namespace vindra::e2e;

namespace tazmix {
namespace {

const std::string kExamples = std::string(TAZMIX_BIN_DIR) + "/../examples/";
const std::string kShots = std::string(TAZMIX_BIN_DIR) + "/../examples-shots/";

// All waits of one example share this budget, inside CTest's 120 s.
constexpr int kBudgetMs = 90000;

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  std::istringstream list(TAZMIX_EXAMPLES);
  for (std::string name; std::getline(list, name, ',');) names.push_back(name);
  return names;
}

// The window's part of the screen.
Ref<TPixmap> WindowPicture(const Screenshot& shot, const Geometry& g) {
  Ref<TPixmap> picture = CreatePixmap(g.width, g.height, FORMAT_RGB24);
  for (int32_t y = 0; y < g.height; ++y) {
    for (int32_t x = 0; x < g.width; ++x) {
      picture->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | shot.Pixel(g.x + x, g.y + y)));
    }
  }
  return picture;
}

// Pixels of another colour than the most common one (the clear colour, as a
// rule): 0 for a blank window.
int32_t Ink(const TPixmap& picture) {
  std::map<int32_t, int32_t> counts;
  for (int32_t y = 0; y < picture.height; ++y) {
    for (int32_t x = 0; x < picture.width; ++x) ++counts[picture.ReadPixel(x, y)];
  }
  int32_t most = 0;
  for (const auto& [colour, count] : counts) most = std::max(most, count);
  return picture.width * picture.height - most;
}

// More than a stray pixel or two: a line of text has a few hundred.
constexpr int32_t kMinInk = 100;

class ExampleRunTest : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() {
    InitPNGLoader();
    // Heard nowhere, and no failure line for a missing device; a caller's
    // own choice (the disk driver, say) stays.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::filesystem::create_directories(kShots);
  }
  int Within(int ms) const { return std::min(ms, budget_.LeftMs()); }

  Deadline budget_{kBudgetMs};
};

TEST_P(ExampleRunTest, OpensDrawsAndEndsOnEscape) {
  const std::string name = GetParam();
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  Program program(kExamples + name, {}, display);
  const std::string window = SearchWindow(display, {"--pid", std::to_string(program.Pid())}, Within(30000), &program);
  ASSERT_FALSE(window.empty()) << "no window; the example " << program.Describe();
  const Geometry g = WindowGeometry(display, window);
  ASSERT_GT(g.width, 0);
  ASSERT_LE(g.x + g.width, 1024) << "the window does not fit the display";
  ASSERT_LE(g.y + g.height, 768) << "the window does not fit the display";

  // The pointer over the window, off its centre: keys go to the window under
  // it (there is no window manager), and examples that follow the mouse show it.
  XDoTool(display, {"mousemove", std::to_string(g.x + g.width * 2 / 3), std::to_string(g.y + g.height * 2 / 3)});

  // Ink once the first frames are up, then a moment more for animation.
  Ref<TPixmap> picture;
  for (const Deadline deadline(Within(20000));;) {
    picture = WindowPicture(Screenshot(display), g);
    if (Ink(*picture) >= kMinInk || deadline.Passed() || !program.Running()) break;
    Sleep(100);
  }
  ASSERT_GE(Ink(*picture), kMinInk) << "the window stayed blank; the example " << program.Describe();
  Sleep(1000);
  picture = WindowPicture(Screenshot(display), g);
  EXPECT_GE(Ink(*picture), kMinInk) << "the window went blank";
  EXPECT_TRUE(SavePixmapPNG(picture, String::FromUTF8String(kShots + name + ".png"), 9));

  XDoTool(display, {"key", "Escape"});
  const Exit exit = program.WaitForExit(Within(15000));
  ASSERT_FALSE(exit.running) << "Escape did not end it within 15 s";
  EXPECT_TRUE(exit.exited && exit.code == 0) << program.Describe();
  // The library's failure lines start so; an example meets none.
  EXPECT_EQ(program.Stderr().find("tazmix:"), std::string::npos) << program.Stderr();
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRunTest, ::testing::ValuesIn(ExampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace tazmix
