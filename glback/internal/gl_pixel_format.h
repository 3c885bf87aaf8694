// The pixel-format request a GL context is made with, built from the graphics
// flags. Every size is a minimum: 1 asks for "at least one bit" and lets the
// platform pick its usual size, 0 asks for none.
#pragma once

#include <cstdint>

namespace tazmix {

struct GLPixelFormatRequest {
  bool double_buffer = false;
  int32_t color_bits = 1;  // per colour channel
  int32_t alpha_bits = 0;
  int32_t depth_bits = 0;
  int32_t stencil_bits = 0;
  int32_t accum_bits = 0;  // per colour channel of the accumulation buffer

  friend bool operator==(const GLPixelFormatRequest&, const GLPixelFormatRequest&) = default;
};

GLPixelFormatRequest PixelFormatRequestFromFlags(int32_t flags);

}  // namespace tazmix
