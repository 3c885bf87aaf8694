/// \file
/// One glyph of an image font: its pixels as a one-frame image, its advance
/// and its rectangle relative to the pen position.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImageGlyph> g = font->LoadGlyph(font->CharToGlyph('W'));
/// float advance = g ? g->Advance() : 0;
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

/// One glyph of an image font.
/// \since 1.0
class TImageGlyph : public Object {
 public:
  /// The glyph's image; Null for a glyph without pixels (the space). \since 1.0
  Ref<TImage> _image;
  /// The advance in pixels. \since 1.0
  float _advance = 0;
  /// Left edge of the pixels relative to the pen. \since 1.0
  int32_t _x = 0;
  /// Top edge of the pixels, down from the line top. \since 1.0
  int32_t _y = 0;
  /// Width of the pixels. \since 1.0
  int32_t _w = 0;
  /// Height of the pixels. \since 1.0
  int32_t _h = 0;

  // The same operations, in the same order, as the glyphs of loaded fonts.
  /// \return the glyph's image (a TImage), or Null for the space. \since 1.0
  virtual Ref<Object> Pixels() { return _image; }
  /// \return the distance to the next pen position, in pixels. \since 1.0
  virtual float Advance() { return _advance; }
  /// The pixel rectangle relative to the pen position.
  /// \param[out] x, y its top left corner.
  /// \param[out] width, height its size.
  /// \since 1.0
  virtual void GetRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
    x = _x;
    y = _y;
    width = _w;
    height = _h;
  }
};

}  // namespace tazmix
