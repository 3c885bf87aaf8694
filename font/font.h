// Fonts and glyphs: the abstraction between font files and text drawing.
//
// A font maps character codes to glyph indices and hands out glyphs; a glyph
// carries its pixels, its advance and its rectangle relative to the pen
// position. Format modules (FreeType fonts) derive from both; the image fonts
// of the drawing layer wrap a font of this kind.
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

// Style flag asking for smoothed rendering: loaded glyphs get a one-pixel
// transparent border and image fonts draw them filtered and mipmapped. No
// other bit changes rendering.
inline constexpr int32_t FONT_SMOOTH = 4;

class TGlyph : public Object {
 public:
  // The abstract operations, in this order; the base versions raise the
  // abstract-method exception.
  //
  // The glyph's pixels: a TPixmap for loaded fonts, Null for a glyph without
  // pixels (the space).
  virtual Ref<Object> Pixels();
  // Horizontal distance to the next pen position, in pixels.
  virtual float Advance();
  // The pixel rectangle relative to the pen position: x to the right, y
  // downwards from the top of the text line.
  virtual void GetRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height);
};

class TFont : public Object {
 public:
  // The abstract operations, in this order; the base versions raise the
  // abstract-method exception.
  //
  // The style flags the font was loaded with.
  virtual int32_t Style();
  // Line height in pixels.
  virtual int32_t Height();
  // Number of glyph indices, 0 .. count - 1.
  virtual int32_t CountGlyphs();
  // The glyph index of a character code, or -1 when the font has no glyph for it.
  virtual int32_t CharToGlyph(int32_t code);
  // The glyph for an index in 0 .. CountGlyphs() - 1; fonts cache their glyphs.
  virtual Ref<TGlyph> LoadGlyph(int32_t index);
};

}  // namespace tazmix
