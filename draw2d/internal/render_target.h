// The render image of a graphics context made current again (render_image.h).
#pragma once

#include "draw2d/vex2d_graphics.h"

namespace tazmix {

// Gives the driver the current graphics' render image again (its frame may
// have been made anew meanwhile); when it can no longer be drawn into,
// drawing returns to the window. Sends no surface: Validate does that next.
void ResendRenderTarget(TVex2DGraphics& g);

}  // namespace tazmix
