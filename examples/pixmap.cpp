// pixmap: pictures made in code, pixel by pixel: a pixmap written once and
// turned into an image (LoadImage), and an image whose pixels change every
// frame (LockImage, write, UnlockImage).
//
// Controls: none but Escape, which ends.
#include <cmath>

#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr int32_t kSize = 128;

int PixmapMain() {
  InitTazmix();
  ApplicationTitle = "pixmap";
  if (!OpenGraphics(640, 300, 0, 60, 0)) return 1;
  SetClsColor(30, 30, 30);
  SetBlend(BLEND_ALPHA);

  // Written once: a colour wheel, transparent outside its circle.
  Ref<TPixmap> wheel = CreatePixmap(kSize, kSize, FORMAT_RGBA32);
  for (int32_t y = 0; y < kSize; ++y) {
    for (int32_t x = 0; x < kSize; ++x) {
      const float dx = x - kSize / 2.0f, dy = y - kSize / 2.0f, angle = std::atan2(dy, dx);
      const int32_t r = static_cast<int32_t>(127 + 127 * std::cos(angle));
      const int32_t g = static_cast<int32_t>(127 + 127 * std::cos(angle - 2.094f));
      const int32_t b = static_cast<int32_t>(127 + 127 * std::cos(angle + 2.094f));
      const int32_t a = dx * dx + dy * dy < kSize * kSize / 4 ? 255 : 0;
      wheel->WritePixel(x, y, (a << 24) | (r << 16) | (g << 8) | b);  // ARGB
    }
  }
  Ref<TImage> wheel_image = LoadImage(wheel);

  // Rewritten every frame: an image made to be changed (CreateImage).
  Ref<TImage> plasma = CreateImage(kSize, kSize);
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float t = static_cast<float>(MilliSecs()) / 1000;
    Ref<TPixmap> pixels = LockImage(plasma);
    for (int32_t y = 0; y < kSize; ++y) {
      for (int32_t x = 0; x < kSize; ++x) {
        const float v = std::sin(x * 0.06f + t) + std::sin(y * 0.05f - t) + std::sin((x + y) * 0.04f + t * 0.5f);
        const int32_t c = static_cast<int32_t>(127 + 40 * v);
        pixels->WritePixel(x, y, static_cast<int32_t>(0xFF000000u) | (c << 16) | ((255 - c) << 8) | 160);
      }
    }
    UnlockImage(plasma);  // the next draw uses the new pixels

    Cls();
    SetColor(255, 255, 255);
    DrawImage(wheel_image, 60, 60);
    DrawImageRect(plasma, 300, 22, 256, 256);  // drawn twice as big
    DrawText("written once", 76, 200);
    DrawText("rewritten every frame", 340, 282);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, PixmapMain); }
