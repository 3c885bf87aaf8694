// The 2D graphics context: wraps a back end's graphics context and holds the
// whole drawing state. Exactly one is current at a time; the module drawing
// functions act on it and on its driver.
#pragma once

#include <cstdint>

#include "image_font.h"
#include "render_image.h"
#include "vex2d_driver.h"
#include "../graphics/graphics_driver.h"
#include "../runtime/object.h"

namespace tazmix {

class TVex2DGraphics : public TGraphics {
 public:
  int32_t color_red = 255;
  int32_t color_green = 255;
  int32_t color_blue = 255;
  float color_alpha = 1.0f;
  int32_t clscolor_red = 0;
  int32_t clscolor_green = 0;
  int32_t clscolor_blue = 0;
  float line_width = 1.0f;
  float tform_rot = 0;  // degrees
  float tform_scale_x = 1.0f;
  float tform_scale_y = 1.0f;
  // Derived from rotation and scale; recomputed when the context is made current.
  float tform_ix = 1.0f;
  float tform_iy = 0;
  float tform_jx = 0;
  float tform_jy = 1.0f;
  int32_t viewport_x = 0;
  int32_t viewport_y = 0;
  int32_t viewport_w = 0;
  int32_t viewport_h = 0;
  float origin_x = 0;
  float origin_y = 0;
  // Stored negated: SetHandle(x, y) stores -x, -y.
  float handle_x = 0;
  float handle_y = 0;
  Ref<TImageFont> image_font;
  int32_t blend_mode = BLEND_MASK;
  float vres_width = 0;
  float vres_height = 0;
  // Window pixels to virtual units.
  float vres_mousexscale = 1.0f;
  float vres_mouseyscale = 1.0f;
  // The window pixel where virtual (0, 0) lies: not 0 only when letterboxed.
  float vres_mousexorigin = 0;
  float vres_mouseyorigin = 0;
  // VIRTUAL_STRETCH or VIRTUAL_LETTERBOX (draw2d/virtual_resolution.h).
  int32_t vres_fit = 0;
  // 1 once the program has set a virtual resolution; until then it follows
  // the context's size.
  int32_t vres_own = 0;
  Ref<TGraphics> _graphics;
  Ref<TVex2DDriver> _driver;
  int32_t _setup = 0;  // 0 until made current once
  // The context's size that the state was last laid out for (the render
  // image's while one is the target).
  int32_t _surface_width = 0;
  int32_t _surface_height = 0;
  // Where drawing goes (render_image.h): Null for the context itself.
  Ref<TRenderImage> render_image;
  // The context's own viewport, origin and virtual resolution while a
  // render image is the target.
  SurfaceState window_surface;

  TVex2DDriver* Driver() override;
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                   int32_t& flags) override;
  // Closes the wrapped context and drops it, the driver and the render
  // image; a second call does nothing.
  void Close() override;
  // Forwarded to the wrapped context; the drawing state follows the new size
  // when its size event arrives.
  int32_t SetFullScreen(int32_t on) override;
  int32_t FullScreen() override;
  // Sends the whole stored state to the driver through the module setters,
  // after giving it the render image again and catching up with a change of
  // the context's size.
  // Acts on the current graphics, so only MakeCurrent calls it.
  virtual void Validate();
  // Makes this the current graphics and its driver the current 2D driver,
  // re-sends the state, and the first time clears and flips both buffers.
  virtual void MakeCurrent();

  // No graphics and no 2D driver are current afterwards.
  static void ClearCurrent();
  static TVex2DGraphics* Current();
  // Wraps a back end's context; the state starts at its defaults with the
  // viewport and virtual resolution of the context's size. The first call
  // makes the built-in image font.
  static Ref<TVex2DGraphics> Create(const Ref<TGraphics>& graphics, const Ref<TVex2DDriver>& driver);
};

// The built-in image font the drawing layer uses wherever no font is set;
// Null until the first TVex2DGraphics has been created.
TImageFont* DefaultImageFont();

// The current graphics and its driver for the module functions. Without a
// current 2D context both raise TNullObjectException whose text names `call`
// (the public function asking) and what to do:
//   SetColor: no graphics are open; call OpenGraphics first
TVex2DGraphics& CurrentGraphics(const char* call);
TVex2DDriver& CurrentDriver(const char* call);

}  // namespace tazmix
