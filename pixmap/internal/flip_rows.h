// Turning a pixmap's rows over where they lie, for pixels GL reads or takes
// bottom row first: a pixmap made for the transfer needs no second copy.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "pixmap/pixel_format.h"
#include "pixmap/pixmap.h"

namespace tazmix {

inline void FlipRowsInPlace(TPixmap& pixmap) {
  const auto row_bytes = static_cast<size_t>(pixmap.width) * static_cast<size_t>(BytesPerPixel[pixmap.format]);
  for (int32_t top = 0, bottom = pixmap.height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(pixmap.PixelPtr(0, top), pixmap.PixelPtr(0, top) + row_bytes, pixmap.PixelPtr(0, bottom));
  }
}

}  // namespace tazmix
