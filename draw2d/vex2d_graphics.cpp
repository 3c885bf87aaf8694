#include "draw2d/vex2d_graphics.h"

#include "draw2d/draw_primitives.h"
#include "draw2d/draw_state.h"
#include "draw2d/internal/current_drawing.h"
#include "draw2d/internal/drawing_surface.h"
#include "draw2d/internal/render_target.h"
#include "graphics/graphics.h"
#include "runtime/exception.h"

namespace tazmix {

void ThrowNoGraphics(const char* call) {
  ThrowNullObject(String(call) + ": no graphics are open; call OpenGraphics first\n");
}

TVex2DDriver* TVex2DGraphics::Driver() { return _driver.get(); }

void TVex2DGraphics::GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                                 int32_t& flags) {
  if (!_graphics) {
    width = height = depth = hertz = flags = 0;
    return;
  }
  _graphics->GetSettings(width, height, depth, hertz, flags);
}

void TVex2DGraphics::Close() {
  if (!_graphics) return;
  _graphics->Close();
  _graphics = nullptr;
  _driver = nullptr;
  render_image = nullptr;
}

int32_t TVex2DGraphics::SetFullScreen(int32_t on) {
  if (!_graphics) return TGraphics::SetFullScreen(on);
  return _graphics->SetFullScreen(on);
}

int32_t TVex2DGraphics::FullScreen() { return _graphics ? _graphics->FullScreen() : 0; }

void TVex2DGraphics::Validate() {
  ResendRenderTarget(*this);
  AdoptSurfaceSize(*this);
  ApplyVirtualResolution(vres_width, vres_height);
  SetBlend(blend_mode);
  SetColor(color_red, color_green, color_blue);
  SetAlpha(color_alpha);
  SetClsColor(clscolor_red, clscolor_green, clscolor_blue);
  SetLineWidth(line_width);
  SetRotation(tform_rot);
  SetScale(tform_scale_x, tform_scale_y);
  SetViewport(viewport_x, viewport_y, viewport_w, viewport_h);
  SetOrigin(origin_x, origin_y);
  SetHandle(-handle_x, -handle_y);
  SetImageFont(image_font);
}

void TVex2DGraphics::MakeCurrent() {
  Vex2D().current = Ref<TVex2DGraphics>(this);
  SetCurrentVex2DDriver(_driver);
  Validate();
  if (_setup == 0) {
    // Both buffers of a double-buffered display start clear.
    Cls();
    Flip(0);
    Cls();
    Flip(0);
    _setup = 1;
  }
}

void TVex2DGraphics::ClearCurrent() {
  Vex2D().current = nullptr;
  SetCurrentVex2DDriver(nullptr);
}

TVex2DGraphics* TVex2DGraphics::Current() { return Vex2D().current.get(); }

Ref<TVex2DGraphics> TVex2DGraphics::Create(const Ref<TGraphics>& graphics, const Ref<TVex2DDriver>& driver) {
  int32_t width = 0, height = 0, depth = 0, hertz = 0, flags = 0;
  graphics->GetSettings(width, height, depth, hertz, flags);
  if (!Vex2D().default_font) Vex2D().default_font = TImageFont::CreateDefault();
  auto g = New<TVex2DGraphics>();
  g->viewport_w = width;
  g->viewport_h = height;
  g->image_font = Vex2D().default_font;
  g->vres_width = static_cast<float>(width);
  g->vres_height = static_cast<float>(height);
  g->surface_width = width;
  g->surface_height = height;
  g->_graphics = graphics;
  g->_driver = driver;
  return g;
}

TImageFont* DefaultImageFont() { return Vex2D().default_font.get(); }

TVex2DGraphics& CurrentGraphics(const char* call) { return DrawingGraphics(call); }

TVex2DDriver& CurrentDriver(const char* call) { return DrawingDriver(call); }

}  // namespace tazmix
