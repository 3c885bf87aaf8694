// fullscreen: switching an open window to full screen at the desktop's size
// and back (ToggleFullScreen). Images, fonts and everything else stay; the
// drawing area follows the new size, read with GraphicsWindowWidth/Height.
//
// Controls: F11 or F switches full screen, Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int FullscreenMain() {
  InitTazmix();
  ApplicationTitle = "fullscreen";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(30, 50, 40);

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_F11) || KeyHit(KEY_F)) ToggleFullScreen();

    // Without a virtual resolution, drawing is in window pixels: lay out by
    // the size the window has now.
    const float w = static_cast<float>(GraphicsWindowWidth()), h = static_cast<float>(GraphicsWindowHeight());
    Cls();
    SetColor(90, 200, 120);
    DrawRectOutline(0, 0, w, h);
    SetColor(250, 200, 60);
    DrawOval(w / 2 - 50, h / 2 - 50, 100, 100);
    SetColor(255, 255, 255);
    const String size = String::FromInt(GraphicsWindowWidth()) + " x " + String::FromInt(GraphicsWindowHeight());
    DrawText(GraphicsFullScreen() ? "full screen, " + size : "window, " + size, 12, 12);
    DrawText("F11 or F: switch", 12, 32);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, FullscreenMain); }
