// The OpenGL graphics driver: contexts with an OpenGL 1.x (fixed-function)
// rendering context, made by the native layer in glback/platform/.
//
// A TGLGraphics made current (SetGraphics, or GLGraphicsDriver()->
// SetGraphics) has its GL context current on the main thread, so GL calls
// draw into it; Flip shows what was drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "../graphics/graphics.h"

namespace tazmix {

class TGLGraphics : public TGraphics {
 public:
  TGraphicsDriver* Driver() override;
  // All 0 once closed.
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                   int32_t& flags) override;
  // Closing is always explicit: dropping the last reference does not close.
  void Close() override;
  // For a window of its own opened with depth 0; the GL context stays.
  int32_t SetFullScreen(int32_t on) override;
  int32_t FullScreen() override;

  // The native context's handle; 0 once closed.
  int32_t _context = 0;
};

class TGLGraphicsDriver : public TGraphicsDriver {
 public:
  // The display modes of 16 bits per pixel or more, at most 1024.
  std::vector<Ref<TGraphicsMode>> GraphicsModes() override;
  // Null when no GL context can be had for the window.
  Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) override;
  // Null when no window or GL context can be made (no display, a size of 0
  // or less, no pixel format for the flags). A full-screen request without a
  // display mode of that size and depth raises "GLGraphicsDriver failed to
  // set display mode".
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                int32_t flags) override;
  // A TGLGraphics makes its GL context current; anything else makes none.
  void SetGraphics(const Ref<TGraphics>& g) override;
  void Flip(int32_t sync) override;
};

// The one GL graphics driver, made on the first call.
Ref<TGLGraphicsDriver> GLGraphicsDriver();

// Makes the GL driver the one in force (default flags GRAPHICS_BACK_BUFFER)
// and opens the main graphics with it.
Ref<TGraphics> GLGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                          int32_t flags);

// Whether a frame that drew exactly what the window shows already (the same
// primitives in the same order, textures unchanged, the window neither
// exposed nor resized since) is neither drawn nor shown again: on (1) by
// default, so a still menu or title screen costs almost nothing; the
// program's loop, hooks and pacing run as ever. Raw GL drawn between
// EnterRaw2D and LeaveRaw2D, pixels grabbed or DrawPixmap make a frame
// count as changed; raw GL drawn outside that bracket is not seen, so a
// program drawing that way turns the skip off with 0.
int32_t SetRepeatedFrameSkip(int32_t on);

// Makes the hidden context whose textures and display lists every context
// made afterwards shares. Once only; a failure ends the process.
int32_t GLShareContexts();

// Starts the module once and installs the GL driver.
void InitGLGraphics();

}  // namespace tazmix
