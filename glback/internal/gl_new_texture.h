// A new GL texture for image frames, with the filtering and clamping their
// flags ask for. Frames with a texture of their own and the shared atlas
// pages both start here, so a page samples exactly as a frame's own would.
#pragma once

#include <cstdint>

namespace tazmix {

// Generates a texture, binds it for uploading (gl_queue.h), sets clamping
// and the filters of IMAGE_FILTERED / IMAGE_MIPMAPPED, and reserves storage
// for every level (level 0 only without IMAGE_MIPMAPPED). With `max_level`
// of 0 or more GL samples no level below it where it can be told so. It
// stays bound.
uint32_t CreateTexture(int32_t width, int32_t height, int32_t flags, int32_t max_level = -1);

}  // namespace tazmix
