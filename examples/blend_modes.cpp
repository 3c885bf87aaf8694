// blend_modes: how what is drawn meets what is already there, in each of the
// five blend modes, for a soft-edged glow drawn over a striped background.
//
//   BLEND_MASK   opaque; pixels below half alpha are left out
//   BLEND_SOLID  opaque; every pixel replaces what was there, alpha or not
//   BLEND_ALPHA  mixed by alpha (the usual choice for pictures and text)
//   BLEND_LIGHT  added: brightens, for light, fire and glows
//   BLEND_SHADE  multiplied: darkens, for shadows and tints
//
// Controls: none but Escape, which ends.
#include <cmath>

#include <tazmix/tazmix.h>

using namespace tazmix;

// A round glow: white, its alpha falling from the middle outwards.
Ref<TImage> MakeGlow(int32_t size) {
  Ref<TPixmap> pixels = CreatePixmap(size, size, FORMAT_RGBA32);
  const float r = size / 2.0f;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const float d = std::hypot(x + 0.5f - r, y + 0.5f - r) / r;
      const int32_t alpha = d >= 1 ? 0 : static_cast<int32_t>(255 * (1 - d));
      pixels->WritePixel(x, y, (alpha << 24) | 0xFFE0A0);  // ARGB
    }
  }
  return LoadImage(pixels);
}

int BlendModesMain() {
  InitTazmix();
  ApplicationTitle = "blend_modes";
  if (!OpenGraphics(640, 240, 0, 60, 0)) return 1;
  SetClsColor(0, 0, 0);
  Ref<TImage> glow = MakeGlow(96);

  const int32_t modes[] = {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
  const char* names[] = {"MASK", "SOLID", "ALPHA", "LIGHT", "SHADE"};
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    Cls();
    // The background: stripes in two colours, drawn solid.
    SetBlend(BLEND_SOLID);
    for (int32_t y = 0; y < 240; y += 40) {
      SetColor(60, 90, 150);
      DrawRect(0, static_cast<float>(y), 640, 20);
      SetColor(120, 160, 90);
      DrawRect(0, static_cast<float>(y) + 20, 640, 20);
    }
    for (int32_t i = 0; i < 5; ++i) {
      const float x = 16 + 128.0f * static_cast<float>(i);
      SetBlend(modes[i]);
      SetColor(255, 255, 255);
      DrawImage(glow, x, 50);
      SetBlend(BLEND_SOLID);
      SetColor(0, 0, 0);
      DrawRect(x, 180, 96, 20);
      SetColor(255, 255, 255);
      DrawText(names[i], x + 48 - TextWidth(names[i]) / 2.0f, 182);
    }
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, BlendModesMain); }
