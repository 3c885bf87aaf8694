// The automatic flags and mid-handle of image_api.h (AutoImageFlags,
// AutoMidHandle), for every function that makes images.
#pragma once

#include <cstdint>

#include "draw2d/image.h"

namespace tazmix {

// `flags`, or the automatic image flags for -1.
int32_t FlagsOrAuto(int32_t flags);
// The image, with its handle at its centre while AutoMidHandle is on.
Ref<TImage> WithAutoHandle(Ref<TImage> image);

}  // namespace tazmix
