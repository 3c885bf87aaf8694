// The video subsystem under the native GL layer: brought up when the first
// window, context or mode list is asked for.
#pragma once

#include <SDL.h>

#include <vector>

#include "glback/internal/gl_display_modes.h"
#include "runtime/string.h"

namespace tazmix {

// True once the video subsystem runs; a failed attempt is tried again on the
// next call (a display may have appeared).
bool EnsureGLVideo();

// Why the latest EnsureGLVideo failed (no display, no OpenGL library, with
// SDL's words), for failure lines.
String GLVideoFailure();

// Bits per pixel of a display-mode format as the graphics core counts them:
// the storage size, so 24-bit colour in 32-bit pixels is 32 and 15-bit colour
// in 16-bit pixels is 16.
int32_t DisplayModeDepth(Uint32 format);

// Every mode the primary display lists, in its order; a mode the platform
// cannot describe is listed with depth 0.
std::vector<DisplayModeRecord> ListDisplayModes();

}  // namespace tazmix
