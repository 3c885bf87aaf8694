// The native GL layer: windows with OpenGL rendering contexts, one of them
// current, buffer swaps, display modes and full-screen mode changes. This is
// the only part of the GL back end that talks to the window system.
//
// Contexts are named by Int handles; 0 means "no context", and a handle of a
// closed context is never valid again, so every operation on it is a no-op.
#pragma once

#include <cstdint>
#include <vector>

#include "glback/internal/gl_display_modes.h"
#include "runtime/string.h"

namespace tazmix {

// Kinds of native context.
constexpr int32_t GL_CONTEXT_SHARED = 0;
constexpr int32_t GL_CONTEXT_ATTACHED = 1;
constexpr int32_t GL_CONTEXT_WINDOWED = 2;
constexpr int32_t GL_CONTEXT_FULLSCREEN = 3;

struct GLNativeSettings {
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  int32_t hertz = 0;
  int32_t flags = 0;
};

// A window of its own with a GL context: centred on the desktop with a title
// bar when `depth` is 0 (resizable by the player with GRAPHICS_RESIZABLE in
// `flags`), else full screen in a display mode of that depth
// (the mode is taken while the window has the focus). Returns 0 when no
// window or context can be made (no display, no OpenGL library, a side of
// 0 or less or above 16384, no pixel format for the flags), with the reason
// noted (runtime/error_report.h). Raises "GLGraphicsDriver failed to set display mode"
// when no display mode of that size and depth exists.
int32_t GLNativeCreate(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                       int32_t flags, const String& title);

// A GL context drawing into an existing window, given by its widget handle
// (GLNativeWidget of a window made here, or the window system's own handle).
// The window stays the caller's. Returns 0 when no context can be made.
int32_t GLNativeAttach(int32_t widget, int32_t flags);

// Makes the hidden 1x1 context whose textures every later context shares.
// A failure ends the process with a message on standard error.
void GLNativeShareContexts();

// Width, height, depth, hertz and flags; an attached window's size is read
// afresh, an own window's follows its resizes. All 0 for handle 0 or a
// closed context.
GLNativeSettings GLNativeQuerySettings(int32_t handle);

// Makes the context current (0: none).
void GLNativeMakeCurrent(int32_t handle);
int32_t GLNativeCurrent();

// Releases the context; its window too when the window is its own.
void GLNativeClose(int32_t handle);

// Shows the current context's frame: in step with the display's refresh
// when `sync` is not 0. Nothing happens when no context is current.
void GLNativeFlip(int32_t sync);

// Instead of GLNativeFlip when the frame need not be shown again: with
// `sync` not 0, waits as long as a refresh of the display lasts, so loops
// paced by the swap keep their pace.
void GLNativeSkipFlip(int32_t sync);

// A number that changes whenever the context's window may have lost what it
// showed (exposed, shown again, restored, resized); 0 for handle 0.
int32_t GLNativeWindowEpoch(int32_t handle);

// Switches the context's own desktop window (GL_CONTEXT_WINDOWED) to full
// screen at the desktop's size (on != 0) or back; the GL context stays. 1
// when the window is then as asked. A display-mode full-screen context is
// already full screen and cannot become a window; an attached window is its
// owner's: 0 for those, for handle 0 and for a closed context, with the
// reason noted (runtime/error_report.h).
int32_t GLNativeSetFullScreen(int32_t handle, int32_t on);
// 1 while the context's window fills the screen.
int32_t GLNativeFullScreen(int32_t handle);

// Every display mode the platform lists, in its order.
std::vector<DisplayModeRecord> GLNativeDisplayModes();

// The widget handle of the context's window, to attach further contexts to
// it; 0 for handle 0 or a closed context.
int32_t GLNativeWidget(int32_t handle);

}  // namespace tazmix
