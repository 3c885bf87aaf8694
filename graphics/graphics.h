/// \file
/// The graphics module: which driver is in use, which context is current and
/// what its size is, the main graphics opened by OpenGraphics (closed by
/// EndGraphics and at exit), and Flip with its frame pacing. Everything runs
/// on the main thread.
///
/// Opening answers Null with a line when it fails, e.g.
///
///     OpenGraphics(800 x 600): no display to open a window on (DISPLAY is not set, ...)
///
/// \code{.cpp}
/// tazmix::InitTazmix();
/// if (!tazmix::OpenGraphics(800, 600, 0, 60, tazmix::GRAPHICS_RESIZABLE)) return 1;
/// while (!tazmix::AppTerminate()) {
///   tazmix::Cls();
///   Update(tazmix::FrameTime());  // seconds since the last frame
///   tazmix::Flip(-1);             // paced at 60 frames a second
/// }
/// \endcode
/// \ingroup graphics
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "graphics_driver.h"
#include "graphics_flags.h"
#include "graphics_mode.h"

namespace tazmix {

/// Hook id run at the start of every Flip, before anything is shown (hook
/// data Null); add a function with AddHook (hook.h). \since 1.0
extern int32_t FlipHook;

/// Starts the module once: the system and input modules, then FlipHook. \since 1.0
void InitGraphics();

/// Chooses the driver all module functions use. Always forgets the current
/// graphics (without closing it); a change of driver also forgets the cached
/// display modes. Back ends call it as they start.
/// \param driver the driver; nullptr for none.
/// \param default_flags GRAPHICS_ flags OR-ed into every create and attach request.
/// \return 0.
/// \since 1.0
int32_t SetGraphicsDriver(const Ref<TGraphicsDriver>& driver, int32_t default_flags = 0);
/// \return the driver in force; Null before one was chosen. \since 1.0
Ref<TGraphicsDriver> GetGraphicsDriver();
/// \return the flags OR-ed into every request. \since 1.0
int32_t DefaultGraphicsFlags();

/// The driver's display modes, asked for once and cached.
/// \return the caller's own copy; empty without a display.
/// \throws Thrown (TNullObjectException) when no driver was chosen.
/// \since 1.0
std::vector<Ref<TGraphicsMode>> GraphicsModes();
/// \return the number of display modes.
/// \throws Thrown (TNullObjectException) when no driver was chosen.
/// \since 1.0
int32_t CountGraphicsModes();
/// Copies one display mode.
/// \param index 0 to CountGraphicsModes() - 1.
/// \param[out] width, height, depth, hertz the mode; all 0 for any other index.
/// \return 0.
/// \throws Thrown (TNullObjectException) when no driver was chosen.
/// \since 1.0
int32_t GetGraphicsMode(int32_t index, int32_t& width, int32_t& height, int32_t& depth,
                        int32_t& hertz);
/// Whether the display has a mode.
/// \param width, height, depth, hertz the mode; 0 matches anything.
/// \return 1 when a mode matches, else 0.
/// \throws Thrown (TNullObjectException) when no driver was chosen.
/// \since 1.0
int32_t GraphicsModeExists(int32_t width, int32_t height, int32_t depth, int32_t hertz);

/// A new context with a window of its own (not the main graphics, not made
/// current).
/// \param width, height the drawable size in pixels.
/// \param depth 0 for a window, else full screen at that many bits per pixel.
/// \param hertz the refresh rate wanted.
/// \param flags GRAPHICS_ flags; the default flags are added.
/// \return the context; Null with a line `CreateGraphics(W x H): <reason>`
///   (", depth D" after the size when full screen), e.g. "no graphics
///   driver: call InitTazmix() or InitGLVex2DDriver() first"; whatever the
///   driver raises becomes the reason.
/// \since 1.0
Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                              int32_t flags);
/// A context drawing into an existing native window.
/// \param widget the window's handle.
/// \param flags GRAPHICS_ flags; the default flags are added.
/// \return the context; Null with a line `AttachGraphics(widget N): <reason>`.
/// \since 1.0
Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags);
/// Closes a context; the main graphics and the current one are forgotten
/// first.
/// \param g the context; Null does nothing.
/// \return 0.
/// \since 1.0
int32_t CloseGraphics(Ref<TGraphics> g);
/// Makes `g` current and captures its settings; a context of another driver
/// switches the driver.
/// \param g the context; Null for none.
/// \return 0.
/// \throws Thrown (TNullObjectException) for a closed context, which has no
///   driver any more; nothing changes then.
/// \since 1.0
int32_t SetGraphics(const Ref<TGraphics>& g);

/// \return the current graphics' width captured by SetGraphics; 0 when none. \since 1.0
int32_t GraphicsWidth();
/// \return the captured height; 0 when none. \since 1.0
int32_t GraphicsHeight();
/// \return the captured depth (0 for a window); 0 when none. \since 1.0
int32_t GraphicsDepth();
/// \return the captured refresh rate; 0 when none. \since 1.0
int32_t GraphicsHertz();
/// \return the captured GRAPHICS_ flags; 0 when none. \since 1.0
int32_t GraphicsFlags();

/// The current graphics' drawable width as it is now: it follows a resizable
/// window (GRAPHICS_RESIZABLE) and the full-screen switch, where
/// GraphicsWidth keeps the size captured by SetGraphics.
/// \return the width in pixels; 0 when no graphics is current.
/// \since 1.1
int32_t GraphicsWindowWidth();
/// The drawable height as it is now (see GraphicsWindowWidth).
/// \return the height in pixels; 0 when no graphics is current.
/// \since 1.1
int32_t GraphicsWindowHeight();

/// Switches the current graphics' window to full screen at the desktop's
/// size, or back to the window it was. The rendering context stays, and with
/// it every image, font and texture; the new size arrives as an
/// EVENT_WINDOWSIZE event, which this call already delivers.
/// \param on nonzero for full screen, 0 for the window.
/// \return 1 when the window is then as asked; 0 with a line such as
///   `SetFullScreen(1): no graphics are open`, or with the back end's reason
///   (e.g. "the window is not the library's own" for an attached window).
/// \since 1.1
int32_t SetFullScreen(int32_t on);
/// \return 1 while the current graphics fills the screen, else 0. \since 1.1
int32_t GraphicsFullScreen();
/// SetFullScreen with the opposite of GraphicsFullScreen(); a failure records
/// its line as SetFullScreen's.
/// \return GraphicsFullScreen() afterwards.
/// \since 1.1
int32_t ToggleFullScreen();

/// Runs FlipHook, then shows the frame.
/// \param sync 0 at once; -1 paced as OpenGraphics chose for the main
///   graphics (a window with hertz: Flip sleeps to keep the rate; full
///   screen: in step with the display); any other value in step with the
///   display.
/// \return 0.
/// \throws Thrown (TNullObjectException) when no driver was chosen.
/// \since 1.0
int32_t Flip(int32_t sync);

/// The longest frame FrameTime reports, in seconds. \since 1.1
constexpr double FRAME_TIME_LIMIT = 0.25;

/// The seconds the last frame took: the time from one Flip to the next, at
/// most FRAME_TIME_LIMIT, so that a pause (a dragged window, a debugger) does
/// not become one huge step.
/// \return the seconds; 0 until two Flips have been made since the main
///   graphics opened.
/// \since 1.1
double FrameTime();

/// Closes the main graphics, opens a new one and makes it current; polled
/// input starts listening to it, and EndGraphics runs at exit.
/// \param width, height the drawable size in pixels.
/// \param depth 0 for a window, paced softly at `hertz` frames per second by
///   Flip(-1); another depth is full screen in that display mode, synced to
///   the display, with the pointer moved to its middle.
/// \param hertz frames per second (0: no pacing).
/// \param flags GRAPHICS_ flags; the default flags are added.
/// \return the main graphics; Null with a line
///   `OpenGraphics(W x H): <reason>` when nothing could be opened (the
///   previous main graphics is closed all the same). See the \ref failures
///   page for the reasons.
/// \since 1.0
Ref<TGraphics> OpenGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                            int32_t flags);
/// Closes the main graphics, if there is one, and stops polled input
/// listening to it.
/// \return 0.
/// \since 1.0
int32_t EndGraphics();

/// Changes whenever a driver is chosen or a main graphics is opened or
/// ended: driver frames made at another value belong to a context that is
/// gone.
/// \return the sequence number; never 0.
/// \since 1.0
int32_t GraphicsSeq();

/// The sequence number after another.
/// \param seq a sequence number.
/// \return `seq` + 1 with Int wrapping, skipping 0.
/// \since 1.0
constexpr int32_t NextGraphicsSeq(int32_t seq) noexcept {
  const auto next = static_cast<int32_t>(static_cast<uint32_t>(seq) + 1u);
  return next == 0 ? 1 : next;
}

}  // namespace tazmix
