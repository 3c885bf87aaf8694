// Image flags: how an image's frames are made and sampled.
#pragma once

#include <cstdint>

namespace tazmix {

// Pixels of the mask colour become transparent when a pixmap without alpha is attached.
inline constexpr int32_t IMAGE_MASKED = 1;
// Frames are sampled with linear filtering.
inline constexpr int32_t IMAGE_FILTERED = 2;
// Frames carry mipmaps.
inline constexpr int32_t IMAGE_MIPMAPPED = 4;
// Made to be drawn into or grabbed (CreateImage sets it).
inline constexpr int32_t IMAGE_DYNAMIC = 8;

}  // namespace tazmix
