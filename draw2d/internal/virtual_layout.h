// Where a virtual resolution lands in a context of a given size, and how the
// mouse maps back: the arithmetic behind SetVirtualResolution, kept apart so
// that it can be checked on its own.
#pragma once

#include <cstdint>

namespace tazmix {

struct VirtualLayout {
  // The area the virtual coordinates span, in context pixels from the
  // top-left corner.
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  // Virtual units per context pixel, for the mouse (measured from x, y).
  float mouse_x_scale = 1.0f;
  float mouse_y_scale = 1.0f;
};

// Stretched, the area is the whole context. Letterboxed (fit
// VIRTUAL_LETTERBOX), it is the largest centred rectangle of the virtual
// resolution's shape. A context without area (minimised to 0 x 0) gets an
// empty area, where nothing is drawn, and mouse scales of 1; a virtual size
// of 0 or less cannot be letterboxed and is stretched.
VirtualLayout LayOutVirtualResolution(int32_t context_width, int32_t context_height, float virtual_width,
                                      float virtual_height, int32_t fit);

}  // namespace tazmix
