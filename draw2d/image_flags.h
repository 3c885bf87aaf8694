/// \file
/// Image flags: how an image's frames are made and sampled. They are added
/// together; -1 given to an image function means the automatic flags
/// (AutoImageFlags, IMAGE_MASKED + IMAGE_FILTERED at start).
///
/// \code{.cpp}
/// auto pixel_art = tazmix::LoadImage("hero.png", tazmix::IMAGE_MASKED);  // sharp when scaled
/// auto backdrop = tazmix::LoadImage("sky.png", tazmix::IMAGE_FILTERED | tazmix::IMAGE_MIPMAPPED);
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// Pixels of the mask colour become transparent when a pixmap without alpha
/// is attached. \since 1.0
inline constexpr int32_t IMAGE_MASKED = 1;
/// Frames are sampled with linear filtering (smooth when scaled or turned). \since 1.0
inline constexpr int32_t IMAGE_FILTERED = 2;
/// Frames carry mipmaps (smooth when drawn much smaller). \since 1.0
inline constexpr int32_t IMAGE_MIPMAPPED = 4;
/// Made to be drawn into or grabbed (CreateImage sets it). \since 1.0
inline constexpr int32_t IMAGE_DYNAMIC = 8;

}  // namespace tazmix
