// The bracket around raw GL drawing: pixel coordinates with (0, 0) at the
// top-left corner of the viewport, on any current GL context, without the 2D
// drawing layer.
//
// EnterRaw2D saves the caller's texturing, enables, transform state, clear
// colour, blend function and alpha test, and both matrices; LeaveRaw2D puts
// all of it back, so raw drawing can sit between calls of the GL 2D driver
// and its caches (blend mode, bound texture, texturing) stay true; the
// driver sends its current colour again after a bracket. Brackets nest.
#pragma once

namespace tazmix {

// Model-view identity, projection orthographic over the viewport (y grows
// downward); face culling, alpha test and depth test off. Blending, the
// scissor test and the current colour stay as the caller set them.
void EnterRaw2D();

// Undoes the matching EnterRaw2D; without one it does nothing.
void LeaveRaw2D();

}  // namespace tazmix
