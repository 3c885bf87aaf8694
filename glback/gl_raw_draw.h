// A filled rectangle and a pixmap blit with raw GL on any current context,
// in EnterRaw2D's pixel coordinates (top-left of the viewport is (0, 0)).
// Neither is textured, whatever texturing the caller left on.
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

// Fills the pixels from (x, y) to (x + width, y + height), corners
// exclusive at the far side, in the current colour through the caller's
// blending.
void GLRawRect(int32_t x, int32_t y, int32_t width, int32_t height);

// Copies the pixmap (any format) to the frame buffer unscaled, its first
// row at the top and its top-left pixel at (x, y), through the caller's
// blending. Parts outside the window are clipped. Nothing for a null or
// empty pixmap.
void GLRawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);

}  // namespace tazmix
