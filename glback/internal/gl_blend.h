// The GL state of each blend mode. Only the queue (gl_queue.cpp) calls it,
// when a run's mode differs from the one GL holds.
#pragma once

#include <cstdint>

namespace tazmix {

// Sets blending and the alpha test for `mode` (BLEND_*), both switches every
// time, so nothing of the previous mode survives. Unknown codes (and 0, no
// mode yet) turn both off.
//
// `into_image`: drawing goes into a render image, whose alpha is kept and
// drawn later. There alpha gathers as coverage, so an opaque image stays
// opaque: BLEND_MASK, BLEND_ALPHA and BLEND_LIGHT leave alpha a + d * (1 - a)
// (a the source's alpha, d the pixel's), BLEND_SHADE leaves it as it was,
// BLEND_SOLID writes a. Colours blend as on the window. Where GL has no separate alpha blending (before
// GL 1.4 without EXT_blend_func_separate) alpha blends as colour does.
void SetGLBlendState(int32_t mode, bool into_image = false);

}  // namespace tazmix
