/// \file
/// The driver-neutral graphics context and driver. A back end derives both;
/// the graphics module (graphics.h) talks to them only through these
/// operations, so a program rarely calls them itself. A new back end derives
/// TGraphics for its contexts and TGraphicsDriver for the maker of them, and
/// installs the driver with SetGraphicsDriver (graphics.h). A base operation
/// the back end leaves out raises TNullMethodException when called, except
/// SetFullScreen and FullScreen, which answer "cannot".
///
/// \code{.cpp}
/// class TMyDriver : public tazmix::TGraphicsDriver {
///  public:
///   std::vector<tazmix::Ref<tazmix::TGraphicsMode>> GraphicsModes() override { return {}; }
///   tazmix::Ref<tazmix::TGraphics> AttachGraphics(int32_t widget, int32_t flags) override;
///   tazmix::Ref<tazmix::TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth,
///                                                 int32_t hertz, int32_t flags) override;
///   void SetGraphics(const tazmix::Ref<tazmix::TGraphics>& g) override;
///   void Flip(int32_t sync) override;
/// };
/// tazmix::SetGraphicsDriver(tazmix::New<TMyDriver>(), tazmix::GRAPHICS_BACK_BUFFER);
/// \endcode
/// \ingroup graphics
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "graphics_mode.h"
#include "../runtime/object.h"

namespace tazmix {

class TGraphicsDriver;

/// A place to draw: a window with its rendering resources, or a context of a
/// higher layer wrapping one. Programs get one from OpenGraphics or
/// CreateGraphics and hand it back to the graphics functions; only a back end
/// derives it. Driver, GetSettings and Close are abstract and raise
/// TNullMethodException here.
/// \since 1.0
class TGraphics : public Object {
 public:
  /// Keeps an old slot free; does nothing.
  /// \return 0. A back end leaves it alone.
  /// \since 1.0
  virtual int32_t _pad() { return 0; }
  /// The driver that made this context. Drivers live as long as the process.
  /// A back end returns its driver; it may answer nullptr once the context is
  /// closed, and SetGraphics then refuses the context.
  /// \return the driver (nullptr: a closed context, where the back end says so).
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual TGraphicsDriver* Driver();
  /// Reads the context's settings as they are now. A back end fills in all
  /// five, with the drawable's current size (it may have been resized), and 0
  /// each once closed.
  /// \param[out] width, height the drawable size in pixels.
  /// \param[out] depth bits per pixel when full screen in a display mode, else 0.
  /// \param[out] hertz the refresh rate asked for.
  /// \param[out] flags the GRAPHICS_ flags the context was made with.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                           int32_t& flags);
  /// Releases the window and rendering resources; the object stays, dead. A
  /// back end makes a second Close harmless, and does not close on the last
  /// reference's release: closing is always explicit.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void Close();

  /// Switches the context's own window to full screen at the desktop's size,
  /// or back, keeping the rendering context (and so every texture). A back
  /// end that can overrides it; one that can't keeps this version.
  /// \param on nonzero for full screen, 0 for the window it was.
  /// \return 1 when the window is then as asked; otherwise 0, with the reason
  ///   noted by NoteFailure (runtime/error_report.h). Here always 0, noting
  ///   "this graphics cannot switch to full screen".
  /// \since 1.1
  virtual int32_t SetFullScreen(int32_t on);
  /// Whether the context fills the screen. A back end with SetFullScreen
  /// overrides it.
  /// \return 1 while the context fills the screen, else 0; here always 0.
  /// \since 1.1
  virtual int32_t FullScreen();
};

/// Makes and shows contexts of one kind. Every operation is abstract and
/// raises TNullMethodException here, so a back end implements all five. The
/// graphics module calls them on the main thread only, and catches whatever
/// AttachGraphics and CreateGraphics raise (the exception's text becomes the
/// failure line's reason).
/// \since 1.0
class TGraphicsDriver : public Object {
 public:
  /// The display modes the driver can switch to for full-screen contexts.
  /// The graphics module caches the answer; an empty one is asked for again.
  /// \return the modes; empty when there are none (or no display).
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual std::vector<Ref<TGraphicsMode>> GraphicsModes();
  /// A context drawing into an existing native window. A back end answers
  /// nullptr when it can't, noting why with NoteFailure.
  /// \param widget the native window's handle, as the caller got it.
  /// \param flags GRAPHICS_ flags, the default flags already OR-ed in.
  /// \return the new context; nullptr on failure.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags);
  /// A context with a window of its own. A back end answers nullptr when it
  /// can't, noting why with NoteFailure; it may raise instead, and the
  /// exception's text then becomes the reason.
  /// \param width, height the drawable size in pixels.
  /// \param depth 0 for a window on the desktop, else full screen in a
  ///   display mode of that many bits per pixel.
  /// \param hertz the refresh rate wanted (0: any).
  /// \param flags GRAPHICS_ flags, the default flags already OR-ed in.
  /// \return the new context; nullptr on failure.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth,
                                        int32_t hertz, int32_t flags);
  /// Makes `g` the context drawing goes to. A back end makes its rendering
  /// context current for `g` (which it made), or leaves none current for nullptr.
  /// \param g the context; nullptr for none.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void SetGraphics(const Ref<TGraphics>& g);
  /// Shows the current context's finished frame.
  /// \param sync 0 to show at once, any other value in step with the
  ///   display's vertical refresh (the module never passes -1 on).
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void Flip(int32_t sync);
};

}  // namespace tazmix
