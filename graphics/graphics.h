// The graphics module: which driver is in use, which context is current and
// what its size is, the main graphics opened by OpenGraphics (closed by
// EndGraphics and at exit), and Flip with its frame pacing.
//
// Everything runs on the main thread.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics_driver.h"
#include "graphics_flags.h"
#include "graphics_mode.h"

namespace tazmix {

// Run at the start of every Flip, before anything is shown (hook data Null).
extern int32_t FlipHook;

// Starts the module once: the system and input modules, then FlipHook.
void InitGraphics();

// Chooses the driver all module functions use and the flags OR-ed into every
// create and attach request. Always forgets the current graphics (without
// closing it); a change of driver also forgets the cached display modes.
int32_t SetGraphicsDriver(const Ref<TGraphicsDriver>& driver, int32_t default_flags = 0);
Ref<TGraphicsDriver> GetGraphicsDriver();
int32_t DefaultGraphicsFlags();

// The driver's display modes, asked for once and cached; the array is the
// caller's own copy.
std::vector<Ref<TGraphicsMode>> GraphicsModes();
int32_t CountGraphicsModes();
// Copies mode `index` (0 to CountGraphicsModes() - 1); for any other index
// all four are 0.
int32_t GetGraphicsMode(int32_t index, int32_t& width, int32_t& height, int32_t& depth,
                        int32_t& hertz);
// 1 when a mode matches; an argument of 0 matches anything.
int32_t GraphicsModeExists(int32_t width, int32_t height, int32_t depth, int32_t hertz);

// The driver's CreateGraphics / AttachGraphics with the default flags added;
// Null when the driver fails or raises.
Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                              int32_t flags);
Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags);
// Closing Null does nothing.
int32_t CloseGraphics(Ref<TGraphics> g);
// Makes `g` current (Null: none) and captures its settings; a context of
// another driver switches the driver. A closed context, which has no driver
// any more, raises TNullObjectException and changes nothing.
int32_t SetGraphics(const Ref<TGraphics>& g);

// The settings captured when the current graphics was made current; 0 when
// there is none.
int32_t GraphicsWidth();
int32_t GraphicsHeight();
int32_t GraphicsDepth();
int32_t GraphicsHertz();
int32_t GraphicsFlags();

// The current graphics' drawable size as it is now: it follows a resizable
// window (GRAPHICS_RESIZABLE) and the full-screen switch, where
// GraphicsWidth and GraphicsHeight keep the size captured by SetGraphics
// until SetGraphics runs again. 0 when no graphics is current.
int32_t GraphicsWindowWidth();
int32_t GraphicsWindowHeight();

// Switches the current graphics' window to full screen at the desktop's size
// (on != 0) or back to the window it was. The rendering context stays, and
// with it every image, font and texture; the new size arrives as an
// EVENT_WINDOWSIZE event, which this call already delivers. Returns 1 when
// the window is then as asked; 0 when it cannot be (no graphics current, a
// window that is not the library's own), with the reason recorded
// (runtime/error_report.h).
int32_t SetFullScreen(int32_t on);
// 1 while the current graphics fills the screen.
int32_t GraphicsFullScreen();
// SetFullScreen with the opposite of GraphicsFullScreen(); returns
// GraphicsFullScreen() afterwards.
int32_t ToggleFullScreen();

// Runs FlipHook, then shows the frame: sync 0 at once, another value in step
// with the display, and -1 paced as OpenGraphics chose for the main graphics.
int32_t Flip(int32_t sync);

// The longest frame FrameTime reports, in seconds.
constexpr double FRAME_TIME_LIMIT = 0.25;

// The seconds the last frame took: the time from one Flip to the next, at
// most FRAME_TIME_LIMIT, so that a pause (a dragged window, a debugger) does
// not become one huge step. 0 until two Flips have been made since the main
// graphics opened.
double FrameTime();

// Closes the main graphics, opens a new one and makes it current. Depth 0 is
// a window paced softly at `hertz` frames per second by Flip(-1); another
// depth is full screen synced to the display. Null when nothing could be
// opened; the previous main graphics is closed all the same.
Ref<TGraphics> OpenGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                            int32_t flags);
// Closes the main graphics, if there is one.
int32_t EndGraphics();

// Changes whenever a driver is chosen or a main graphics is opened or ended,
// and is never 0: driver frames made at another value belong to a context
// that is gone.
int32_t GraphicsSeq();

// The sequence number after `seq`: one more, with Int wrapping, skipping 0.
constexpr int32_t NextGraphicsSeq(int32_t seq) noexcept {
  const auto next = static_cast<int32_t>(static_cast<uint32_t>(seq) + 1u);
  return next == 0 ? 1 : next;
}

}  // namespace tazmix
