/// \file
/// Turning a mask colour into transparency (what IMAGE_MASKED images do with
/// SetMaskColor's colour).
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TPixmap> sprite = tazmix::MaskPixmap(tazmix::LoadPixmap("ship.png"), 255, 0, 255);
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace tazmix {

/// Makes the pixels of one colour transparent and every other pixel opaque. A
/// transparent pixel takes the average colour of its visible neighbours (3x3
/// block), so filtered or scaled drawing does not pull the mask colour into
/// the edges of the visible area.
/// \param pixmap the picture, or Null.
/// \param r, g, b the mask colour, 0..255 each.
/// \return a new FORMAT_RGBA32 pixmap; Null for Null or no memory.
/// \since 1.0
Ref<TPixmap> MaskPixmap(const Ref<TPixmap>& pixmap, int32_t r, int32_t g, int32_t b);

}  // namespace tazmix
