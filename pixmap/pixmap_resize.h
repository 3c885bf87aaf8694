/// \file
/// Bilinear resampling of pixmaps.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TPixmap> icon = tazmix::ResizePixmap(tazmix::LoadPixmap("logo.png"), 32, 32);
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace tazmix {

/// Resamples bilinearly with sample centres aligned; edges are clamped, so
/// resizing to the same size reproduces the source exactly.
/// \param pixmap the picture, or Null.
/// \param width, height the new size; 0 gives an empty pixmap.
/// \return a new pixmap in the source's format (a source without pixels
///   gives transparent black); Null for Null, a negative size or no memory.
/// \since 1.0
Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int32_t width, int32_t height);

}  // namespace tazmix
