/// \file
/// The OpenGL graphics driver: contexts with an OpenGL 1.x (fixed-function)
/// rendering context and a window, made by the native layer of the back end.
/// Most programs never call it directly: InitTazmix installs the GL 2D driver
/// (gl_vex2d_driver.h), which draws through these contexts. A program that
/// draws with GL calls of its own opens graphics with GLGraphics.
///
/// A TGLGraphics made current (SetGraphics, or GLGraphicsDriver()->
/// SetGraphics) has its GL context current on the main thread, so GL calls
/// draw into it; Flip shows what was drawn.
///
/// \code{.cpp}
/// tazmix::InitGLGraphics();
/// if (!tazmix::GLGraphics(640, 480, 0, 60, 0)) return 1;  // LastErrorText() says why
/// while (!tazmix::AppTerminate()) {
///   glClearColor(0, 0, 0.3f, 1);
///   glClear(GL_COLOR_BUFFER_BIT);
///   tazmix::Flip(-1);
/// }
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../graphics/graphics.h"

namespace tazmix {

/// A window with its GL context. Made by TGLGraphicsDriver; closing is always
/// explicit (CloseGraphics, EndGraphics or the exit), never by dropping the
/// last reference.
/// \since 1.0
class TGLGraphics : public TGraphics {
 public:
  /// \return GLGraphicsDriver(), also once closed. \since 1.0
  TGraphicsDriver* Driver() override;
  /// Reads the settings as they are now (a resized window gives its new size).
  /// \param[out] width, height the drawable size in pixels.
  /// \param[out] depth bits per pixel when opened full screen in a display
  ///   mode, else 0.
  /// \param[out] hertz the refresh rate asked for.
  /// \param[out] flags the GRAPHICS_ flags it was made with.
  /// All 0 once closed.
  /// \since 1.0
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                   int32_t& flags) override;
  /// Closes the window and GL context and drops what was queued for it; a
  /// second Close does nothing. \since 1.0
  void Close() override;
  /// Switches a window of its own opened with depth 0 to full screen at the
  /// desktop's size, or back; the GL context, and with it every texture, stays.
  /// \param on nonzero for full screen, 0 for the window.
  /// \return 1 when the window is then as asked (a context opened full screen
  ///   asked for full screen: 1 at once); 0 with the reason noted: "the
  ///   graphics are closed", "opened full screen in a display mode; open it
  ///   with depth 0 to have a window", "the window is not the library's own"
  ///   (an attached window), or the window system's own reason.
  /// \since 1.1
  int32_t SetFullScreen(int32_t on) override;
  /// \return 1 while the context fills the screen, else 0 (also once closed). \since 1.1
  int32_t FullScreen() override;

  /// The native context's handle; 0 once closed. \since 1.0
  int32_t _context = 0;
};

/// Makes and shows TGLGraphics contexts.
/// \since 1.0
class TGLGraphicsDriver : public TGraphicsDriver {
 public:
  /// \return the display's modes of 16 bits per pixel or more, at most 1024;
  ///   empty without a display. \since 1.0
  std::vector<Ref<TGraphicsMode>> GraphicsModes() override;
  /// A GL context for an existing window.
  /// \param widget the window's id in the window system layer, or a native
  ///   window handle.
  /// \param flags GRAPHICS_ flags for the pixel format.
  /// \return the context; Null with the reason noted: "widget 0 is no window",
  ///   "no window has this handle: ...", "the window can't take OpenGL",
  ///   "can't create the GL context: ..." or the no-display line
  ///   "no display to open a window on (...)".
  /// \since 1.0
  Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) override;
  /// A window of its own with a GL context, titled ApplicationTitle.
  /// \param width, height the drawable size, 1 to 16384 each.
  /// \param depth 0 for a window centred on the desktop; else full screen in
  ///   the display mode of that size and depth.
  /// \param hertz the refresh rate wanted for full screen (0: any).
  /// \param flags GRAPHICS_ flags (GRAPHICS_RESIZABLE for a window the player
  ///   can resize).
  /// \return the context; Null with the reason noted: "the size must be at
  ///   least 1 x 1", "the size must be at most 16384 x 16384", "no display to
  ///   open a window on (DISPLAY ..., WAYLAND_DISPLAY ...; <why>)", "can't
  ///   create the window: ..." or "can't create the GL context: ...".
  /// \throws Thrown with "GLGraphicsDriver failed to set display mode" when a
  ///   full-screen request finds no display mode of that size and depth (the
  ///   noted reason says "the display has no mode of W x H at depth D
  ///   (GraphicsModes() lists those it has)") or the switch fails; the module's
  ///   CreateGraphics and OpenGraphics catch it and answer Null.
  /// \since 1.0
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                int32_t flags) override;
  /// Makes the context's GL context current, first sending what was queued
  /// to the one before.
  /// \param g a TGLGraphics; anything else, or Null, makes none current.
  /// \since 1.0
  void SetGraphics(const Ref<TGraphics>& g) override;
  /// Shows the current context's frame. A frame that repeats the one on
  /// screen is not shown again (SetRepeatedFrameSkip); with `sync` its time
  /// passes all the same.
  /// \param sync 0 at once, else in step with the display's refresh.
  /// \since 1.0
  void Flip(int32_t sync) override;
};

/// The one GL graphics driver, made on the first call.
/// \return the driver; never Null.
/// \since 1.0
Ref<TGLGraphicsDriver> GLGraphicsDriver();

/// Makes the GL driver the one in force (default flags GRAPHICS_BACK_BUFFER)
/// and opens the main graphics with it, as OpenGraphics (graphics.h).
/// \param width, height the drawable size in pixels.
/// \param depth 0 for a window, else full screen at that depth.
/// \param hertz frames per second Flip(-1) paces to (0: no pacing).
/// \param flags GRAPHICS_ flags.
/// \return the main graphics; Null with a line such as
///   `OpenGraphics(640 x 480): no display to open a window on (...)`.
/// \since 1.0
Ref<TGraphics> GLGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                          int32_t flags);

/// Whether a frame that drew exactly what the window shows already (the
/// same primitives in the same order, textures unchanged, the window neither
/// exposed nor resized since) is neither drawn nor shown again: on by
/// default, so a still menu or title screen costs almost nothing; the
/// program's loop, hooks and pacing run as ever. Raw GL drawn between
/// EnterRaw2D and LeaveRaw2D, pixels grabbed or DrawPixmap make a frame
/// count as changed; raw GL drawn outside that bracket is not seen, so a
/// program drawing that way turns the skip off.
/// \param on 1 to skip repeated frames, 0 to draw and show every frame.
/// \return 0.
/// \since 1.1
int32_t SetRepeatedFrameSkip(int32_t on);

/// Makes the hidden context whose textures and display lists every context
/// made afterwards shares; call it before opening graphics, later calls do
/// nothing. A failure ends the process with "GLGraphicsDriver failed to
/// create the shared GL context: ..." on standard error.
/// \return 0.
/// \since 1.0
int32_t GLShareContexts();

/// Starts the module once (graphics and pixmaps first) and installs the GL
/// driver with default flags GRAPHICS_BACK_BUFFER. \since 1.0
void InitGLGraphics();

}  // namespace tazmix
