#include "tools/make_assets/text.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "pixmap/pixmap.h"

namespace vindra::assets {

using tazmix::Cast;
using tazmix::Ref;
using tazmix::String;
using tazmix::TFreeTypeFont;
using tazmix::TGlyph;
using tazmix::TPixmap;

namespace {

// Calls `each(glyph, penX)` for every character the font has, pen from 0.
template <class F>
int32_t WalkText(TFreeTypeFont& font, const String& text, int32_t tracking, F&& each) {
  int32_t pen = 0;
  for (int32_t i = 0; i < text.Length(); ++i) {
    const int32_t index = font.CharToGlyph(text[i]);
    if (index < 0) continue;
    Ref<TGlyph> glyph = font.LoadGlyph(index);
    each(*glyph, pen);
    pen += static_cast<int32_t>(glyph->Advance()) + (i + 1 < text.Length() ? tracking : 0);
  }
  return pen;
}

}  // namespace

TextExtent MeasureText(TFreeTypeFont& font, const String& text, int32_t tracking) {
  TextExtent e{INT_MAX, INT_MAX, INT_MIN, INT_MIN, 0};
  e.advance = WalkText(font, text, tracking, [&](TGlyph& g, int32_t pen) {
    int32_t x, y, w, h;
    g.GetRect(x, y, w, h);
    if (w <= 0 || h <= 0) return;
    // Glyph rectangles count from the top of the line, which lies Ascend()
    // above the baseline.
    e.left = std::min(e.left, pen + x);
    e.right = std::max(e.right, pen + x + w);
    e.top = std::min(e.top, y - font.Ascend());
    e.bottom = std::max(e.bottom, y + h - font.Ascend());
  });
  if (e.left > e.right) e.left = e.right = e.top = e.bottom = 0;
  return e;
}

void AddText(Mask& mask, TFreeTypeFont& font, const String& text, int32_t x, int32_t baseline, int32_t tracking) {
  WalkText(font, text, tracking, [&](TGlyph& g, int32_t pen) {
    Ref<TPixmap> p = Cast<TPixmap>(g.Pixels());
    if (!p) return;
    int32_t gx, gy, w, h;
    g.GetRect(gx, gy, w, h);
    const int32_t ox = x + pen + gx, oy = baseline - font.Ascend() + gy;
    for (int32_t row = 0; row < p->height; ++row)
      for (int32_t col = 0; col < p->width; ++col) {
        const int32_t mx = ox + col, my = oy + row;
        if (mx < 0 || my < 0 || mx >= mask.Width() || my >= mask.Height()) continue;
        mask.At(mx, my) = std::min(1.0f, mask.At(mx, my) + *p->PixelPtr(col, row) / 255.0f);
      }
  });
}

Mask CentredText(int32_t width, int32_t height, TFreeTypeFont& font, const String& text, float cx, int32_t baseline,
                 int32_t tracking) {
  Mask mask(width, height);
  const TextExtent e = MeasureText(font, text, tracking);
  const int32_t x = static_cast<int32_t>(std::lround(cx - (e.left + e.right) / 2.0f));
  AddText(mask, font, text, x, baseline, tracking);
  return mask;
}

int32_t CapHeight(TFreeTypeFont& font) { return -MeasureText(font, String("H")).top; }

}  // namespace vindra::assets
