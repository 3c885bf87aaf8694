// The video subsystem under the native GL layer: brought up when the first
// window, context or mode list is asked for.
#pragma once

#include <SDL.h>

#include <vector>

#include "glback/internal/gl_display_modes.h"
#include "runtime/string.h"

namespace tazmix {

// Whether the video subsystem runs, and why the latest attempt to bring it
// up failed (no display, no OpenGL library, with SDL's words), for failure
// lines. The native layer keeps it in its one state object.
struct GLVideoStart {
  bool up = false;
  String failure;
};

// True once the video subsystem runs; a failed attempt is tried again on the
// next call (a display may have appeared).
bool EnsureGLVideo(GLVideoStart& video);

int32_t DisplayModeDepth(Uint32 format);

// Every mode the primary display lists, in its order; a mode the platform
// cannot describe is listed with depth 0.
std::vector<DisplayModeRecord> ListDisplayModes(GLVideoStart& video);

}  // namespace tazmix
