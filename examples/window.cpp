// window: the smallest program: a window with a title, cleared and drawn
// into every frame, paced at 60 frames per second, ended by Escape or by
// closing the window.
//
// Controls: Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int WindowMain() {
  InitTazmix();  // the GL 2D driver, PNG pictures, TrueType fonts, timers

  // The caption is taken when the window opens, so set it first.
  ApplicationTitle = "window";
  // 640 x 360 in a window (depth 0), paced at 60 Hz by Flip(-1).
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;  // the reason is on standard error
  SetClsColor(30, 60, 110);

  // AppTerminate is true once when the window's close button was pressed.
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    Cls();  // every frame starts from the clear colour
    SetColor(255, 255, 255);
    DrawText("Hello, window!", 20, 20);
    DrawText("Escape or the close button ends the program.", 20, 44);
    SetColor(250, 200, 60);
    DrawRect(20, 80, 600, 4);
    Flip(-1);  // shows the frame and waits for the next one's turn
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, WindowMain); }
