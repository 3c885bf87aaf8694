// Turning a mask colour into transparency.
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace tazmix {

// A new FORMAT_RGBA32 pixmap: pixels of colour (r, g, b) become transparent,
// every other pixel opaque. A transparent pixel takes the average colour of
// its visible neighbours (3x3 block), so filtered or scaled drawing does not
// pull the mask colour into the edges of the visible area.
Ref<TPixmap> MaskPixmap(const Ref<TPixmap>& pixmap, int32_t r, int32_t g, int32_t b);

}  // namespace tazmix
