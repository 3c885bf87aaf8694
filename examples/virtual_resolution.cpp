// virtual_resolution: drawing in coordinates of the program's own choosing
// (320 x 180 here) whatever size the window has: the window can be resized
// (GRAPHICS_RESIZABLE), and the scene follows it, letterboxed between bars
// to keep its shape or stretched over the whole window. The mouse is read
// in the same coordinates (VirtualMouseX/Y).
//
// Controls: drag the window's border to resize it, L switches letterbox and
// stretch, the mouse moves the white dot, Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int VirtualResolutionMain() {
  InitTazmix();
  ApplicationTitle = "virtual_resolution";
  // Opened at 640 x 400; GRAPHICS_RESIZABLE gives the window a sizing border.
  if (!OpenGraphics(640, 400, 0, 60, GRAPHICS_RESIZABLE)) return 1;
  SetVirtualResolution(320, 180);
  SetVirtualResolutionFit(VIRTUAL_LETTERBOX);
  SetClsColor(0, 0, 0);  // the colour of the bars

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_L)) {
      SetVirtualResolutionFit(VirtualResolutionFit() == VIRTUAL_LETTERBOX ? VIRTUAL_STRETCH : VIRTUAL_LETTERBOX);
    }

    Cls();
    // Everything below is in the 320 x 180 scene, at any window size.
    SetColor(40, 60, 110);
    DrawRect(0, 0, 320, 180);  // the scene's own background
    SetColor(250, 200, 60);
    DrawOval(140, 70, 40, 40);  // stays round when letterboxed
    SetColor(255, 255, 255);
    DrawRectOutline(0, 0, 320, 180);
    DrawOval(VirtualMouseX() - 3, VirtualMouseY() - 3, 6, 6);
    DrawText("window " + String::FromInt(GraphicsWindowWidth()) + " x " + String::FromInt(GraphicsWindowHeight()),
             6, 6);
    DrawText(VirtualResolutionFit() == VIRTUAL_LETTERBOX ? "L: stretch" : "L: letterbox", 6, 158);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, VirtualResolutionMain); }
