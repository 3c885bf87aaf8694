// window: a resizable window with a letterboxed virtual resolution, full
// screen on a key, and movement measured in seconds rather than frames.
//
//   window [--frames N]
//
// The scene is 320 x 180 virtual units, whatever the window's size: drag the
// window's border and it stays whole, centred between bars (L switches to
// stretching it over the whole window and back). F11 switches to full screen
// at the desktop's size and back. The square crosses the scene at 80 units
// per second at any frame rate, because its step is multiplied by
// FrameTime(). The pointer is drawn where VirtualMouseX/Y say it is.
// Escape or closing the window ends it; --frames N ends after N frames.
#include <cstdlib>
#include <cstring>

#include <tazmix/draw2d/draw2d.h>
#include <tazmix/glback/gl_vex2d_driver.h>
#include <tazmix/graphics/graphics.h>
#include <tazmix/runtime/application.h>
#include <tazmix/system/keys.h>
#include <tazmix/system/polled_input.h>

using namespace tazmix;

namespace {

constexpr float kSceneWidth = 320;
constexpr float kSceneHeight = 180;
constexpr float kSpeed = 80;  // virtual units per second

int WindowMain() {
  int32_t frames = -1;  // run until Escape
  for (size_t i = 1; i + 1 < ApplicationArgs.size(); ++i) {
    if (ApplicationArgs[i] == String("--frames")) frames = ApplicationArgs[i + 1].ToInt();
  }

  InitGLVex2DDriver();
  // GRAPHICS_RESIZABLE gives the window a sizing border.
  if (!OpenGraphics(640, 360, 0, 60, GRAPHICS_RESIZABLE)) return 1;
  SetVirtualResolution(kSceneWidth, kSceneHeight);
  SetVirtualResolutionFit(VIRTUAL_LETTERBOX);
  SetClsColor(0, 0, 0);  // the bars

  float x = 0;
  float direction = 1;
  for (int32_t frame = 0; frame != frames && !KeyHit(KEY_ESCAPE) && !AppTerminate(); ++frame) {
    if (KeyHit(KEY_F11)) ToggleFullScreen();
    if (KeyHit(KEY_L)) {
      SetVirtualResolutionFit(VirtualResolutionFit() == VIRTUAL_LETTERBOX ? VIRTUAL_STRETCH : VIRTUAL_LETTERBOX);
    }

    // The same distance per second at 30 or 144 frames per second.
    x += direction * kSpeed * static_cast<float>(FrameTime());
    if (x < 0 || x > kSceneWidth - 20) {
      direction = -direction;
      x = x < 0 ? 0 : kSceneWidth - 20;
    }

    Cls();
    SetColor(40, 60, 110);
    DrawRect(0, 0, kSceneWidth, kSceneHeight);  // the scene's own background
    SetColor(250, 200, 60);
    DrawRect(x, 80, 20, 20);
    SetColor(255, 255, 255);
    DrawOval(VirtualMouseX() - 3, VirtualMouseY() - 3, 6, 6);
    DrawText(String("window ") + String::FromInt(GraphicsWindowWidth()) + " x " +
                 String::FromInt(GraphicsWindowHeight()),
             4, 4);
    DrawText(String("frame ") + String::FromInt(static_cast<int32_t>(FrameTime() * 1000)) + " ms", 4, 22);
    DrawText(VirtualResolutionFit() == VIRTUAL_LETTERBOX ? "L: stretch  F11: full screen" : "L: letterbox  F11: full screen",
             4, 160);
    Flip(-1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, WindowMain); }
