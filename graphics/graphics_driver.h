// The driver-neutral graphics context and driver. A back end derives both;
// the graphics module (graphics/graphics.h) talks to them only through these
// operations.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics_mode.h"
#include "../runtime/object.h"

namespace tazmix {

class TGraphicsDriver;

// A place to draw: a window with its rendering resources, or a context of a
// higher layer wrapping one. The operations other than _pad are abstract and
// raise TNullMethodException here.
class TGraphics : public Object {
 public:
  virtual int32_t _pad() { return 0; }
  // The driver that made this context. Drivers live as long as the process.
  virtual TGraphicsDriver* Driver();
  virtual void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                           int32_t& flags);
  // Releases the window and rendering resources; the object stays, dead.
  virtual void Close();

  // Beside the operations above, for back ends that can: switches the
  // context's own window to full screen at the desktop's size (on != 0) or
  // back, keeping the rendering context. Returns 1 when the window is then
  // as asked; otherwise 0, with the reason noted (runtime/error_report.h).
  // Here: 0, "this graphics cannot switch to full screen".
  virtual int32_t SetFullScreen(int32_t on);
  // 1 while the context fills the screen; here 0.
  virtual int32_t FullScreen();
};

// Makes and shows contexts of one kind. Every operation is abstract and
// raises TNullMethodException here.
class TGraphicsDriver : public Object {
 public:
  virtual std::vector<Ref<TGraphicsMode>> GraphicsModes();
  // A context drawing into an existing native window.
  virtual Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags);
  // A context with a window of its own: on the desktop when depth is 0, else
  // full screen in a display mode of that depth.
  virtual Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth,
                                        int32_t hertz, int32_t flags);
  // Makes `g` the context drawing goes to; Null: none.
  virtual void SetGraphics(const Ref<TGraphics>& g);
  // Shows the current context's frame: at once for 0, else in step with the
  // display's vertical refresh.
  virtual void Flip(int32_t sync);
};

}  // namespace tazmix
