// rotate_scale: an image drawn turned and scaled: SetRotation and SetScale
// change everything drawn after them, until they are set back.
//
// Controls: the mouse's height scales the middle picture, Left and Right
// turn it, Space mirrors it, Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int RotateScaleMain() {
  InitTazmix();
  ApplicationTitle = "rotate_scale";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(40, 40, 60);
  SetBlend(BLEND_ALPHA);

  // Turning happens about the image's handle: here its centre.
  AutoMidHandle(1);
  Ref<TImage> tile = LoadImage("tile.png");  // beside the program
  if (!tile) return 1;

  float angle = 30;
  bool mirrored = false;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyDown(KEY_LEFT)) angle -= 90 * static_cast<float>(FrameTime());  // degrees per second
    if (KeyDown(KEY_RIGHT)) angle += 90 * static_cast<float>(FrameTime());
    if (KeyHit(KEY_SPACE)) mirrored = !mirrored;
    // Scale 0.5 at the bottom of the window, 2 at the top.
    const float scale = 0.5f + 1.5f * (1 - static_cast<float>(MouseY()) / 360);

    Cls();
    SetColor(255, 255, 255);
    // Left: as it is.
    DrawImage(tile, 100, 180);
    // Middle: turned (degrees, clockwise) and scaled; a negative scale mirrors.
    SetRotation(angle);
    SetScale(mirrored ? -scale : scale, scale);
    DrawImage(tile, 320, 180);
    // Right: spinning by itself, half size.
    SetTransform(static_cast<float>(MilliSecs() % 3600) / 10, 0.5f, 0.5f);
    DrawImage(tile, 540, 180);
    // Back to normal for the text.
    SetTransform(0, 1, 1);
    DrawText("angle " + String::FromInt(static_cast<int32_t>(angle)) + "  scale " +
                 String::FromInt(static_cast<int32_t>(scale * 100)) + "%",
             10, 10);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, RotateScaleMain); }
