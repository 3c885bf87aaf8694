// SDL's video subsystem, started once for whatever needs the window system
// first: a window, the list of display modes, the clipboard.
#pragma once

#include "runtime/string.h"

namespace tazmix {

// True once the video subsystem runs. A failed attempt is tried again on the
// next call (a display may have appeared); SDLVideoFailure then says why.
bool StartSDLVideo();
String SDLVideoFailure();

}  // namespace tazmix
