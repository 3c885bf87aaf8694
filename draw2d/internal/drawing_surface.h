// The drawing state against the size its context has now. A window can
// change size under the drawing layer (GRAPHICS_RESIZABLE, the full-screen
// switch); the current graphics then catches up with it when the size event
// arrives, and any other graphics when it is next made current.
#pragma once

#include "draw2d/vex2d_graphics.h"

namespace tazmix {

// Stores the virtual resolution in the current graphics without making it
// the program's own (so it may still follow the window), lays it out for the
// context's size, and sends the layout and the resolution to the driver.
void ApplyVirtualResolution(float width, float height);

// Reads the context's size as it is now (a render image's, while drawing
// goes into one). If it changed since the state was
// last laid out: a viewport that covered the whole context covers the whole
// of it again, and a virtual resolution the program never set becomes the
// new size. A size of 0 or less (a minimised window) is not taken. Returns
// true when the state changed; sends nothing.
bool AdoptSurfaceSize(TVex2DGraphics& g);
// Sends the current graphics g's virtual resolution and viewport to the
// driver, laid out for the size g holds.
void SendSurfaceLayout(TVex2DGraphics& g);

// Listens for EVENT_WINDOWSIZE: the current graphics adopts its context's
// size and re-sends its virtual resolution and viewport. Once.
void FollowWindowSizes();

}  // namespace tazmix
