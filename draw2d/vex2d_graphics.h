/// \file
/// Vex2D: the library's 2D drawing layer, which draws shapes, images and text
/// through whichever back end (2D driver, vex2d_driver.h) is in force and
/// keeps the drawing state (colour, blend mode, matrix, viewport, virtual
/// resolution, font, ...) per graphics context. This header holds its
/// graphics context, TVex2DGraphics: it wraps a back end's context and holds
/// the whole drawing state. Exactly one is current at a time; the drawing
/// functions (draw_state.h, draw_primitives.h, draw_image.h, draw_text.h)
/// act on it and on its driver.
///
/// Programs get these contexts from OpenGraphics and rarely touch them;
/// back ends make them, and the fields are public so that the drawing layer's
/// own modules can read them.
///
/// \code{.cpp}
/// // In a back end's CreateGraphics: wrap its own context.
/// tazmix::Ref<tazmix::TGraphics> g = MyOwnContext(width, height);
/// return g ? tazmix::TVex2DGraphics::Create(g, tazmix::Ref<tazmix::TVex2DDriver>(this)) : nullptr;
///
/// // Anywhere: are 2D graphics open?
/// if (tazmix::TVex2DGraphics::Current()) tazmix::DrawText("ready", 0, 0);
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image_font.h"
#include "render_image.h"
#include "vex2d_driver.h"
#include "../graphics/graphics_driver.h"
#include "../runtime/object.h"

namespace tazmix {

/// A Vex2D graphics context: a back end's context with the whole drawing
/// state. The state belongs to the context: it survives Flip and is sent to
/// the driver again whenever the context is made current. The fields are set
/// by the drawing functions named beside them; read them through those
/// functions' getters.
/// \since 1.0
class TVex2DGraphics : public TGraphics {
 public:
  /// Red of the drawing colour (SetColor), 255 at start. \since 1.0
  int32_t color_red = 255;
  /// Green of the drawing colour. \since 1.0
  int32_t color_green = 255;
  /// Blue of the drawing colour. \since 1.0
  int32_t color_blue = 255;
  /// The alpha (SetAlpha), 1 at start. \since 1.0
  float color_alpha = 1.0f;
  /// Red of the clear colour (SetClsColor), 0 at start. \since 1.0
  int32_t clscolor_red = 0;
  /// Green of the clear colour. \since 1.0
  int32_t clscolor_green = 0;
  /// Blue of the clear colour. \since 1.0
  int32_t clscolor_blue = 0;
  /// The line width (SetLineWidth), 1 at start. \since 1.0
  float line_width = 1.0f;
  /// The rotation in degrees (SetRotation). \since 1.0
  float tform_rot = 0;  // degrees
  /// The horizontal scale (SetScale), 1 at start. \since 1.0
  float tform_scale_x = 1.0f;
  /// The vertical scale, 1 at start. \since 1.0
  float tform_scale_y = 1.0f;
  /// The 2x2 matrix, row 1 column 1: derived from rotation and scale,
  /// recomputed when the context is made current (UpdateTransform). \since 1.0
  float tform_ix = 1.0f;
  /// The matrix, row 1 column 2. \since 1.0
  float tform_iy = 0;
  /// The matrix, row 2 column 1. \since 1.0
  float tform_jx = 0;
  /// The matrix, row 2 column 2. \since 1.0
  float tform_jy = 1.0f;
  /// The viewport's left edge (SetViewport). \since 1.0
  int32_t viewport_x = 0;
  /// The viewport's top edge. \since 1.0
  int32_t viewport_y = 0;
  /// The viewport's width; the context's width at start. \since 1.0
  int32_t viewport_w = 0;
  /// The viewport's height; the context's height at start. \since 1.0
  int32_t viewport_h = 0;
  /// The origin's x (SetOrigin), added to every drawing position. \since 1.0
  float origin_x = 0;
  /// The origin's y. \since 1.0
  float origin_y = 0;
  /// The handle's x, stored negated: SetHandle(x, y) stores -x. \since 1.0
  float handle_x = 0;
  /// The handle's y, stored negated: SetHandle(x, y) stores -y. \since 1.0
  float handle_y = 0;
  /// The font of DrawText (SetImageFont); the built-in one at start. \since 1.0
  Ref<TImageFont> image_font;
  /// The blend mode (SetBlend), BLEND_MASK at start. \since 1.0
  int32_t blend_mode = BLEND_MASK;
  /// The virtual resolution's width (SetVirtualResolution); the context's
  /// width at start. \since 1.0
  float vres_width = 0;
  /// The virtual resolution's height; the context's height at start. \since 1.0
  float vres_height = 0;
  /// Window pixels to virtual units, across (for the virtual mouse). \since 1.0
  float vres_mousexscale = 1.0f;
  /// Window pixels to virtual units, down. \since 1.0
  float vres_mouseyscale = 1.0f;
  /// The window pixel column where virtual x 0 lies: not 0 only when
  /// letterboxed. \since 1.0
  float vres_mousexorigin = 0;
  /// The window pixel row where virtual y 0 lies: not 0 only when
  /// letterboxed. \since 1.0
  float vres_mouseyorigin = 0;
  /// How the virtual resolution fits the context: VIRTUAL_STRETCH or
  /// VIRTUAL_LETTERBOX (virtual_resolution.h). \since 1.0
  int32_t vres_fit = 0;
  /// 1 once the program has set a virtual resolution; until then it follows
  /// the context's size. \since 1.0
  int32_t vres_own = 0;
  /// The wrapped back-end context; Null after Close. \since 1.0
  Ref<TGraphics> _graphics;
  /// The back end's 2D driver; Null after Close. \since 1.0
  Ref<TVex2DDriver> _driver;
  /// 0 until made current once (the first time clears both buffers). \since 1.0
  int32_t _setup = 0;  // 0 until made current once
  /// The width the state was last laid out for: the context's, or the
  /// render image's while one is the target. \since 1.0
  int32_t surface_width = 0;
  /// The height the state was last laid out for. \since 1.0
  int32_t surface_height = 0;
  /// Where drawing goes (SetRenderImage): Null for the context itself. \since 1.1
  Ref<TRenderImage> render_image;
  /// The context's own viewport, origin and virtual resolution, kept here
  /// while a render image is the target. \since 1.1
  SurfaceState window_surface;

  /// \return the back end's 2D driver; Null after Close. \since 1.0
  TVex2DDriver* Driver() override;
  /// Reads the wrapped context's settings; all five are 0 after Close.
  /// \param[out] width, height its size in pixels, as it is now.
  /// \param[out] depth, hertz, flags as the wrapped context reports them.
  /// \since 1.0
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                   int32_t& flags) override;
  /// Closes the wrapped context and drops it, the driver and the render
  /// image; the object stays, dead. A second call does nothing.
  /// \since 1.0
  void Close() override;
  /// Switches the wrapped context's window to full screen at the desktop's
  /// size or back; the drawing state follows the new size when the window's
  /// size event arrives.
  /// \param on non-zero for full screen, 0 for a window.
  /// \return 1 when the window is then as asked; 0, with the reason noted,
  ///   when the back end can't (after Close: "this graphics cannot switch
  ///   to full screen"), which SetFullScreen (graphics.h) puts in its line.
  /// \since 1.0
  int32_t SetFullScreen(int32_t on) override;
  /// \return 1 while the wrapped context fills the screen; 0 otherwise and
  ///   after Close. \since 1.0
  int32_t FullScreen() override;
  /// Sends the whole stored state to the driver through the drawing
  /// functions' setters, after giving it the render image again (drawing
  /// returns to the context when the image can't be drawn into there any
  /// more) and catching up with a change of the context's size. Acts on the
  /// current graphics, so only MakeCurrent calls it.
  /// \throws Thrown (TNullObjectException naming ApplyVirtualResolution)
  ///   when no graphics are current.
  /// \since 1.0
  virtual void Validate();
  /// Makes this the current graphics and its driver the current 2D driver,
  /// re-sends the state (Validate), and the first time clears and flips both
  /// buffers. A back end's SetGraphics calls it once its own context is
  /// current.
  /// \since 1.0
  virtual void MakeCurrent();

  /// Leaves no graphics and no 2D driver current; drawing calls then raise.
  /// A back end's SetGraphics calls it for Null. \since 1.0
  static void ClearCurrent();
  /// \return the current graphics; Null when none are current. \since 1.0
  static TVex2DGraphics* Current();
  /// Wraps a back end's context; the state starts at its defaults with the
  /// viewport and virtual resolution of the context's size. Does not make it
  /// current. The first call makes the built-in image font.
  /// \param graphics the back end's context; not Null.
  /// \param driver the back end's 2D driver.
  /// \return the new graphics; never Null.
  /// \since 1.0
  static Ref<TVex2DGraphics> Create(const Ref<TGraphics>& graphics, const Ref<TVex2DDriver>& driver);
};

/// The built-in image font the drawing layer uses wherever no font is set.
/// \return the font; Null until the first TVex2DGraphics has been created.
/// \since 1.0
TImageFont* DefaultImageFont();

/// The current graphics, for the drawing functions.
/// \param call the name of the public function asking, for the text of the
///   raise, e.g. "SetColor".
/// \return the current graphics.
/// \throws Thrown (TNullObjectException) when none are current, with the
///   text `SetColor: no graphics are open; call OpenGraphics first`.
/// \since 1.0
TVex2DGraphics& CurrentGraphics(const char* call);
/// The current 2D driver, for the drawing functions.
/// \param call the name of the public function asking, as for CurrentGraphics.
/// \return the current 2D driver.
/// \throws Thrown (TNullObjectException) when none is current, with the
///   same text as CurrentGraphics.
/// \since 1.0
TVex2DDriver& CurrentDriver(const char* call);

}  // namespace tazmix
