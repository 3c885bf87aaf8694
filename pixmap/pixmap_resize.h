// Bilinear resampling of pixmaps.
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace tazmix {

// A new pixmap of the given size in the source's format, resampled
// bilinearly with sample centres aligned; edges are clamped, so resizing to
// the same size reproduces the source exactly.
Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int32_t width, int32_t height);

}  // namespace tazmix
