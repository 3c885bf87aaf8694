/// \file
/// Fonts and glyphs: the abstraction between font files and text drawing.
///
/// A font maps character codes to glyph indices and hands out glyphs; a glyph
/// carries its pixels, its advance and its rectangle relative to the pen
/// position. Format modules (FreeType fonts) derive from both; the image fonts
/// of the drawing layer wrap a font of this kind. Programs drawing text use
/// LoadImageFont and DrawText (draw2d) and rarely meet these classes.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TFont> font = tazmix::LoadFont("LiberationSans-Regular.ttf", 24, tazmix::FONT_SMOOTH);
/// int32_t index = font->CharToGlyph(U'Ä');
/// if (index >= 0) {
///   tazmix::Ref<tazmix::TGlyph> glyph = font->LoadGlyph(index);
///   float advance = glyph->Advance();
/// }
/// \endcode
/// \ingroup font
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

/// Style flag asking for smoothed rendering: loaded glyphs get a one-pixel
/// transparent border and image fonts draw them filtered and mipmapped. No
/// other bit changes rendering.
/// \since 1.0
inline constexpr int32_t FONT_SMOOTH = 4;

/// One glyph of a font. The operations are abstract; the base versions raise
/// the abstract-method exception (TNullMethodException).
/// \since 1.0
class TGlyph : public Object {
 public:
  /// \return the glyph's pixels: a TPixmap for loaded fonts, Null for a glyph
  ///   without pixels (the space). \since 1.0
  virtual Ref<Object> Pixels();
  /// \return the horizontal distance to the next pen position, in pixels. \since 1.0
  virtual float Advance();
  /// The pixel rectangle relative to the pen position: x to the right, y
  /// downwards from the top of the text line.
  /// \param[out] x, y the rectangle's top left corner.
  /// \param[out] width, height its size.
  /// \since 1.0
  virtual void GetRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height);
};

/// A font at one pixel size. The operations are abstract; the base versions
/// raise the abstract-method exception (TNullMethodException).
/// \since 1.0
class TFont : public Object {
 public:
  /// \return the style flags the font was loaded with (FONT_SMOOTH). \since 1.0
  virtual int32_t Style();
  /// \return the line height in pixels. \since 1.0
  virtual int32_t Height();
  /// \return the number of glyph indices: they run 0 .. count - 1. \since 1.0
  virtual int32_t CountGlyphs();
  /// \param code a character code (Unicode).
  /// \return its glyph index, or -1 when the font has no glyph for it. \since 1.0
  virtual int32_t CharToGlyph(int32_t code);
  /// The glyph for an index; fonts cache their glyphs.
  /// \param index 0 .. CountGlyphs() - 1.
  /// \return the glyph.
  /// \since 1.0
  virtual Ref<TGlyph> LoadGlyph(int32_t index);
};

}  // namespace tazmix
