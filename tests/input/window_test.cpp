// A real window on a virtual X display of the test's own: resized by xdotool
// as a player's window manager would, switched to full screen and back. The
// frame is read back with GrabPixmap, so what is checked is what was drawn.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "draw2d/draw2d.h"
#include "glback/gl_vex2d_driver.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "system/event.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "system/system_driver.h"
#include "tests/support/await_system.h"
#include "tests/e2e/x_session.h"

namespace tazmix {
namespace {

constexpr const char* kTitle = "tazmix window test";

// Every WindowSize event, as "width x height".
std::vector<std::string> sizes_heard;

Ref<Object> ListenForSizes(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  const TEvent* e = dynamic_cast<const TEvent*>(data.get());
  if (e && e->id == EVENT_WINDOWSIZE) sizes_heard.push_back(std::to_string(e->x) + "x" + std::to_string(e->y));
  return data;
}

int32_t Rgb(const Ref<TPixmap>& p, int32_t x, int32_t y) { return p->ReadPixel(x, y) & 0xFFFFFF; }

// The display and its window manager, for the rest of the process: SDL's
// video stays connected to the display until the process ends, and so does
// what SDL keeps of it.
struct XSession {
  vindra::e2e::VirtualDisplay display;
  vindra::e2e::WindowManager window_manager{display};
  bool video_was_up = false;
};

class XWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static XSession session;
    session_ = &session;
    session.video_was_up = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    if (!session.display.Running() || session.video_was_up) return;
    // The modules start before the display is named: the session bus that
    // SDL looks for at start-up would otherwise be sought through it.
    ApplicationTitle = kTitle;
    InitGLVex2DDriver();
    AddHook(EmitEventHook, ListenForSizes, nullptr, 0);
    // This process draws on the display itself, not offscreen; video starts
    // with the first window.
    setenv("DISPLAY", session.display.Name().c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
  }
  void SetUp() override {
    ASSERT_TRUE(session_->display.Running()) << "Xvfb did not start";
    ASSERT_TRUE(session_->window_manager.Running()) << "no window manager on the display";
    ASSERT_FALSE(session_->video_was_up) << "video started elsewhere in this process; run these tests on their own";
    sizes_heard.clear();
  }
  void TearDown() override { EndGraphics(); }

  // Opens the main graphics and finds its window on the display.
  Ref<TGraphics> Open(int32_t width, int32_t height, int32_t flags) {
    Ref<TGraphics> g = OpenGraphics(width, height, 0, 0, flags);
    if (g) window_ = vindra::e2e::FindWindow(session_->display, kTitle, 5000);
    return g;
  }
  ::testing::AssertionResult Resize(int32_t width, int32_t height) {
    vindra::e2e::XDoTool(session_->display, {"windowsize", window_, std::to_string(width), std::to_string(height)});
    return AwaitSize(width, height);
  }
  static ::testing::AssertionResult AwaitSize(int32_t width, int32_t height) {
    return testing::AwaitSystem([=] { return GraphicsWindowWidth() == width && GraphicsWindowHeight() == height; },
                 "the window to be " + std::to_string(width) + "x" + std::to_string(height));
  }

  static XSession* session_;
  std::string window_;
};

XSession* XWindow::session_ = nullptr;

TEST_F(XWindow, AResizedWindowReportsItsSizeAndTheNextFrameFillsIt) {
  Ref<TGraphics> g = Open(320, 240, GRAPHICS_RESIZABLE);
  ASSERT_TRUE(g);
  ASSERT_FALSE(window_.empty()) << "no window titled " << kTitle;
  ASSERT_TRUE(Resize(480, 300));
  EXPECT_EQ(sizes_heard.back(), "480x300");
  // The captured size stays until SetGraphics runs again.
  EXPECT_EQ(GraphicsWidth(), 320);

  SetClsColor(0, 200, 0);
  Cls();
  Ref<TPixmap> frame = GrabPixmap(0, 0, 480, 300);
  int32_t not_green = 0;
  for (int32_t y = 0; y < 300; ++y) {
    for (int32_t x = 0; x < 480; ++x) not_green += Rgb(frame, x, y) != 0x00C800;
  }
  EXPECT_EQ(not_green, 0);
  Flip(0);

  SetGraphics(g);
  EXPECT_EQ(GraphicsWidth(), 480);
  EXPECT_EQ(GraphicsHeight(), 300);
}

TEST_F(XWindow, AVirtualResolutionKeepsItsDrawingInPlace) {
  ASSERT_TRUE(Open(320, 240, GRAPHICS_RESIZABLE));
  SetVirtualResolution(320, 240);
  ASSERT_TRUE(Resize(640, 300));

  struct Box {
    int32_t x0, y0, x1, y1;
  };
  struct Case {
    int32_t fit;
    Box scene;  // where virtual 0..320 x 0..240 lands
    Box rect;   // where the virtual rectangle (80, 60, 160, 120) lands
  } cases[] = {
      {VIRTUAL_STRETCH, {0, 0, 640, 300}, {160, 75, 480, 225}},
      {VIRTUAL_LETTERBOX, {120, 0, 520, 300}, {220, 75, 420, 225}},  // 400 x 300, bars of 120
  };
  for (const Case& c : cases) {
    SetVirtualResolutionFit(c.fit);
    SetClsColor(0, 0, 0);
    Cls();
    SetColor(0, 0, 255);
    DrawRect(0, 0, 320, 240);
    SetColor(255, 0, 0);
    DrawRect(80, 60, 160, 120);
    Ref<TPixmap> frame = GrabPixmap(0, 0, 640, 300);
    Flip(0);
    // Every pixel by where it lies; a pixel on an edge may go either way.
    auto inside = [](const Box& b, int32_t x, int32_t y, int32_t margin) {
      return x >= b.x0 + margin && x < b.x1 - margin && y >= b.y0 + margin && y < b.y1 - margin;
    };
    int32_t wrong = 0;
    for (int32_t y = 0; y < 300; ++y) {
      for (int32_t x = 0; x < 640; ++x) {
        const int32_t rgb = Rgb(frame, x, y);
        if (inside(c.rect, x, y, 1)) {
          wrong += rgb != 0xFF0000;
        } else if (inside(c.scene, x, y, 1) && !inside(c.rect, x, y, -1)) {
          wrong += rgb != 0x0000FF;
        } else if (!inside(c.scene, x, y, -1)) {
          wrong += rgb != 0x000000;
        }
      }
    }
    EXPECT_EQ(wrong, 0) << "fit " << c.fit;

    // The virtual mouse follows: the window's middle is the scene's middle,
    // the scene's top-left corner is virtual (0, 0).
    InjectMouseMove(320, 150);
    EXPECT_FLOAT_EQ(VirtualMouseX(), 160) << "fit " << c.fit;
    EXPECT_FLOAT_EQ(VirtualMouseY(), 120) << "fit " << c.fit;
    InjectMouseMove(c.scene.x0, c.scene.y0);
    EXPECT_FLOAT_EQ(VirtualMouseX(), 0) << "fit " << c.fit;
    EXPECT_FLOAT_EQ(VirtualMouseY(), 0) << "fit " << c.fit;
  }
}

TEST_F(XWindow, FullScreenAndBackKeepAnImageAndItsPixels) {
  ASSERT_TRUE(Open(320, 240, 0));
  Ref<TPixmap> pattern = CreatePixmap(16, 16, FORMAT_RGBA32);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) pattern->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | (x * 16 << 16) | (y * 16 << 8) | 0x40));
  }
  Ref<TImage> image = LoadImage(pattern, 0);
  ASSERT_TRUE(image);
  auto draw_and_grab = [&] {
    Cls();
    DrawImage(image, 10, 10);
    Ref<TPixmap> grabbed = GrabPixmap(10, 10, 16, 16);
    Flip(0);
    return grabbed;
  };
  const Ref<TPixmap> before = draw_and_grab();
  auto same_pixels = [&](const Ref<TPixmap>& p) {
    int32_t differ = 0;
    for (int32_t y = 0; y < 16; ++y) {
      for (int32_t x = 0; x < 16; ++x) differ += Rgb(p, x, y) != Rgb(before, x, y);
    }
    return differ;
  };
  EXPECT_EQ(Rgb(before, 15, 15), 0xF0F040);
  const int32_t seq = GraphicsSeq();

  EXPECT_EQ(SetFullScreen(1), 1) << LastErrorText().ToUTF8String();
  EXPECT_EQ(GraphicsFullScreen(), 1);
  ASSERT_TRUE(AwaitSize(1024, 768));  // the display's size
  EXPECT_EQ(same_pixels(draw_and_grab()), 0);

  EXPECT_EQ(ToggleFullScreen(), 0);
  ASSERT_TRUE(AwaitSize(320, 240));
  EXPECT_EQ(same_pixels(draw_and_grab()), 0);
  EXPECT_EQ(GraphicsSeq(), seq);  // nothing had to be made again
}

TEST(FullScreenSwitch, WithoutGraphicsItDoesNothingAndSaysWhy) {
  EndGraphics();
  SetErrorEcho(false);
  for (const int32_t on : {1, 0}) {
    ClearLastError();
    EXPECT_EQ(SetFullScreen(on), 0);
    EXPECT_EQ(LastErrorText(), String("SetFullScreen(") + String::FromInt(on) + "): no graphics are open");
  }
  EXPECT_EQ(ToggleFullScreen(), 0);
  EXPECT_EQ(GraphicsFullScreen(), 0);
  EXPECT_EQ(GraphicsWindowWidth(), 0);
  SetErrorEcho(true);
}

}  // namespace
}  // namespace tazmix
