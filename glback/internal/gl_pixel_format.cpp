#include "glback/internal/gl_pixel_format.h"

#include "graphics/graphics_flags.h"

namespace tazmix {

GLPixelFormatRequest PixelFormatRequestFromFlags(int32_t flags) {
  GLPixelFormatRequest r;
  r.double_buffer = (flags & GRAPHICS_BACK_BUFFER) != 0;
  r.color_bits = 1;
  r.alpha_bits = (flags & GRAPHICS_ALPHA_BUFFER) ? 1 : 0;
  r.depth_bits = (flags & GRAPHICS_DEPTH_BUFFER) ? 1 : 0;
  r.stencil_bits = (flags & GRAPHICS_STENCIL_BUFFER) ? 1 : 0;
  r.accum_bits = (flags & GRAPHICS_ACCUM_BUFFER) ? 1 : 0;
  return r;
}

}  // namespace tazmix
