// Text for the pictures, set glyph by glyph from a FreeType font into masks.
#pragma once

#include <cstdint>

#include "font/freetype_font.h"
#include "runtime/string.h"
#include "tools/make_assets/canvas.h"

namespace vindra::assets {

// Where a text's ink lies, relative to the start of its baseline, and how far
// the pen moves over it.
struct TextExtent {
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // top is negative: above the baseline
  int32_t advance = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
};

// `tracking` adds that many pixels after every character but the last.
TextExtent MeasureText(tazmix::TFreeTypeFont& font, const tazmix::String& text, int32_t tracking = 0);

// Adds the text's coverage to `mask`, the baseline starting at (x, baseline).
void AddText(Mask& mask, tazmix::TFreeTypeFont& font, const tazmix::String& text, int32_t x, int32_t baseline,
             int32_t tracking = 0);

// The text with its ink centred horizontally on `cx`, on the given baseline.
Mask CentredText(int32_t width, int32_t height, tazmix::TFreeTypeFont& font, const tazmix::String& text, float cx,
                 int32_t baseline, int32_t tracking = 0);

// The height of the font's capitals above the baseline, in pixels.
int32_t CapHeight(tazmix::TFreeTypeFont& font);

}  // namespace vindra::assets
