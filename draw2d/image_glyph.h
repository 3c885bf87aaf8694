// One glyph of an image font: its pixels as a one-frame image, its advance
// and its rectangle relative to the pen position.
#pragma once

#include <cstdint>

#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

class TImageGlyph : public Object {
 public:
  Ref<TImage> _image;  // Null for a glyph without pixels (the space)
  float _advance = 0;
  int32_t _x = 0;  // top-left of the pixels relative to the pen, y down from the line top
  int32_t _y = 0;
  int32_t _w = 0;
  int32_t _h = 0;

  // The same operations, in the same order, as the glyphs of loaded fonts.
  virtual Ref<Object> Pixels() { return _image; }
  virtual float Advance() { return _advance; }
  virtual void GetRect(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
    x = _x;
    y = _y;
    width = _w;
    height = _h;
  }
};

}  // namespace tazmix
