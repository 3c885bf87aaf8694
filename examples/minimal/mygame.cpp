// mygame.cpp: a ball that turns where the mouse is, and two lines of text.
#include <tazmix/tazmix.h>

using namespace tazmix;

int GameMain() {
  InitTazmix();  // the GL 2D driver, PNG pictures, TrueType fonts, timers, ...

  // The window's title must be set before the window opens.
  ApplicationTitle = "My game";
  // 800 x 600 in a window (depth 0), paced at 60 frames per second by Flip(-1).
  if (!OpenGraphics(800, 600, 0, 60, 0)) return 1;  // the reason is on standard error
  SetClsColor(24, 48, 80);
  SetBlend(BLEND_ALPHA);  // blend by the pictures' alpha

  // A ball drawn into a pixmap; LoadImage("ball.png") would read one from the
  // program's folder instead.
  Ref<TPixmap> pixels = CreatePixmap(32, 32, FORMAT_RGBA32);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      const bool inside = (x - 15.5f) * (x - 15.5f) + (y - 15.5f) * (y - 15.5f) < 16 * 16;
      const bool stripe = (x / 8) % 2 == 0;
      pixels->WritePixel(x, y, !inside ? 0 : stripe ? 0xFFFFC020 : 0xFFE04010);  // ARGB
    }
  }
  AutoMidHandle(1);  // images turn about their centre
  Ref<TImage> ball = LoadImage(pixels);
  Ref<TImageFont> font =
      LoadImageFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 24, FONT_SMOOTH);
  if (!font) return 1;

  float angle = 0;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {  // Escape, or the window closed
    Cls();
    SetRotation(angle += 2);  // degrees, clockwise on screen
    DrawImage(ball, static_cast<float>(MouseX()), static_cast<float>(MouseY()));
    SetRotation(0);
    SetImageFont(nullptr);  // the built-in 8x16 font
    DrawText("Escape ends", 10, 10);
    SetImageFont(font);
    DrawText("Grüße aus Tazmix", 10, 40);  // narrow texts are UTF-8
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, GameMain); }
