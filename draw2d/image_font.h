/// \file
/// Image fonts: a loaded font whose glyphs become one-frame images the first
/// time they are needed, or the built-in 8x16 font made from the embedded
/// file "tazmofont.bin". Programs load them with LoadImageFont and draw with
/// DrawText (draw_text.h).
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImageFont> font = tazmix::LoadImageFont("LiberationSerif-Bold.ttf", 32, tazmix::FONT_SMOOTH);
/// int32_t line = font ? font->Height() : 16;
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "image_glyph.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TFont;

/// A font whose glyphs are images.
/// \since 1.0
class TImageFont : public Object {
 public:
  /// The loaded font; Null for the built-in font. \since 1.0
  Ref<TFont> _src_font;
  /// One slot per glyph index, Null until loaded. \since 1.0
  std::vector<Ref<TImageGlyph>> _glyphs;
  /// The flags of glyph images: IMAGE_FILTERED + IMAGE_MIPMAPPED for smooth fonts. \since 1.0
  int32_t _imageFlags = 0;

  /// An empty font; use Load or CreateDefault. \since 1.0
  TImageFont();
  /// Releases the glyphs. \since 1.0
  ~TImageFont() override;

  // The same operations, in the same order, as loaded fonts, then Draw.
  /// \return the style flags of the loaded font; 0 for the built-in one. \since 1.0
  virtual int32_t Style();
  /// \return the line height in pixels; 16 for the built-in font. \since 1.0
  virtual int32_t Height();
  /// \return the number of glyph indices. \since 1.0
  virtual int32_t CountGlyphs();
  /// \param code a character code.
  /// \return its glyph index, or -1 when the font has none. \since 1.0
  virtual int32_t CharToGlyph(int32_t code);
  /// The cached glyph, made on first use.
  /// \param index the glyph index.
  /// \return the glyph; Null for an index outside the font.
  /// \since 1.0
  virtual Ref<TImageGlyph> LoadGlyph(int32_t index);
  /// Draws a text; colour, alpha, blend mode and the matrix the glyphs are
  /// drawn with are the current driver's. DrawText is the usual way in.
  /// \param text the text.
  /// \param x, y the first pen position.
  /// \param ix, iy, jx, jy the matrix that places the glyphs.
  /// \since 1.0
  virtual void Draw(const String& text, float x, float y, float ix, float iy, float jx, float jy);

  /// Wraps LoadFont(url, size, style).
  /// \param url the font source.
  /// \param size the pixel size.
  /// \param style 0 or FONT_SMOOTH.
  /// \return the font; Null when no font loader accepts it (the reason is
  ///   noted for the calling scope, see LoadImageFont).
  /// \since 1.0
  static Ref<TImageFont> Load(const Ref<Object>& url, int32_t size, int32_t style);
  /// \return the built-in font: 96 glyphs of 8x16 pixels for the codes 32 to 127. \since 1.0
  static Ref<TImageFont> CreateDefault();
};

/// The name under which the built-in font's bitmap is registered
/// (RegisterEmbeddedFile). \since 1.0
inline constexpr const char* DEFAULT_FONT_FILE = "tazmofont.bin";

/// Runs once: registers the embedded default font file, initialises fonts and
/// images, registers the classes.
/// \since 1.0
void InitImageFonts();

}  // namespace tazmix
