// Image fonts: a loaded font whose glyphs become one-frame images the first
// time they are needed, or the built-in 8x16 font made from the embedded
// file "tazmofont.bin".
#pragma once

#include <cstdint>
#include <vector>

#include "image_glyph.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TFont;

class TImageFont : public Object {
 public:
  Ref<TFont> _src_font;                     // Null for the built-in font
  std::vector<Ref<TImageGlyph>> _glyphs;    // one slot per glyph index, Null until loaded
  int32_t _imageFlags = 0;                  // IMAGE_FILTERED + IMAGE_MIPMAPPED for smooth fonts

  TImageFont();
  ~TImageFont() override;

  // The same operations, in the same order, as loaded fonts, then Draw.
  virtual int32_t Style();
  virtual int32_t Height();
  virtual int32_t CountGlyphs();
  // The glyph index of a character code, or -1 when the font has none.
  virtual int32_t CharToGlyph(int32_t code);
  // The cached glyph, made on first use; Null for an index outside the font.
  virtual Ref<TImageGlyph> LoadGlyph(int32_t index);
  // Draws the text with its first pen position at (x, y), placing glyphs
  // with the matrix (ix, iy, jx, jy); colour, alpha, blend mode and the
  // matrix the glyphs are drawn with are the current driver's.
  virtual void Draw(const String& text, float x, float y, float ix, float iy, float jx, float jy);

  // Wraps LoadFont(url, size, style); Null when no font loader accepts it.
  static Ref<TImageFont> Load(const Ref<Object>& url, int32_t size, int32_t style);
  // The built-in font: 96 glyphs of 8x16 pixels for the codes 32 to 127.
  static Ref<TImageFont> CreateDefault();
};

// The name under which the built-in font's bitmap is registered.
inline constexpr const char* kDefaultFontFile = "tazmofont.bin";

// Runs once: registers the embedded default font file, initialises fonts and
// images, registers the classes.
void InitImageFonts();

}  // namespace tazmix
