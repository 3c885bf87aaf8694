// image_handles: an image's handle is the point of it that lands on the
// drawing position and that it turns about: the top-left corner unless
// set otherwise, the centre with MidHandleImage, or any point with
// SetImageHandle. The red dots mark the drawing positions.
//
// Controls: none but Escape, which ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int ImageHandlesMain() {
  InitTazmix();
  ApplicationTitle = "image_handles";
  if (!OpenGraphics(640, 300, 0, 60, 0)) return 1;
  SetClsColor(30, 40, 50);
  SetBlend(BLEND_ALPHA);

  // Three images of the same picture, each with its own handle.
  Ref<TImage> corner = LoadImage("tile.png");  // handle (0, 0): the top-left corner
  Ref<TImage> centre = LoadImage("tile.png");
  Ref<TImage> foot = LoadImage("tile.png");
  if (!corner || !centre || !foot) return 1;
  MidHandleImage(centre);                                      // the centre
  SetImageHandle(foot, ImageWidth(foot) / 2.0f, ImageHeight(foot));  // the middle of the bottom edge
  // (AutoMidHandle(1) gives every image loaded afterwards a centred handle.)

  const Ref<TImage> images[] = {corner, centre, foot};
  const char* names[] = {"corner", "centre", "foot"};
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float angle = static_cast<float>(MilliSecs() % 7200) / 20;  // one turn in 7.2 s
    Cls();
    for (int32_t i = 0; i < 3; ++i) {
      const float x = 110 + 210.0f * static_cast<float>(i), y = 150;
      SetColor(255, 255, 255);
      SetRotation(angle);
      DrawImage(images[i], x, y);
      SetRotation(0);
      DrawText(names[i], x - 24, 260);
      SetColor(255, 60, 60);
      DrawOval(x - 4, y - 4, 8, 8);
    }
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, ImageHandlesMain); }
