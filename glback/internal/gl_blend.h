// The GL state of each blend mode. Only the queue (gl_queue.cpp) calls it,
// when a run's mode differs from the one GL holds.
#pragma once

#include <cstdint>

namespace tazmix {

// Sets blending and the alpha test for `mode` (BLEND_*), both switches every
// time, so nothing of the previous mode survives. Unknown codes (and 0, no
// mode yet) turn both off.
void SetGLBlendState(int32_t mode);

}  // namespace tazmix
