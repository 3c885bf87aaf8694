#include "draw2d/internal/drawing_surface.h"

#include "draw2d/draw_state.h"
#include "draw2d/internal/current_drawing.h"
#include "draw2d/internal/virtual_layout.h"
#include "system/event.h"
#include "system/hook.h"

namespace tazmix {

namespace {

Ref<Object> WindowSizeHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  const TEvent* event = dynamic_cast<const TEvent*>(data.get());
  if (!event || event->id != EVENT_WINDOWSIZE) return data;
  // The event may concern another window; the size is read from the current
  // graphics' own context, so only a real change does anything.
  TVex2DGraphics* g = TVex2DGraphics::Current();
  if (g && CurrentVex2DDriver() && AdoptSurfaceSize(*g)) SendSurfaceLayout(*g);
  return data;
}

}  // namespace

void SendSurfaceLayout(TVex2DGraphics& g) {
  ApplyVirtualResolution(g.vres_width, g.vres_height);
  SetViewport(g.viewport_x, g.viewport_y, g.viewport_w, g.viewport_h);
}

void ApplyVirtualResolution(float width, float height) {
  TVex2DGraphics& g = DrawingGraphics("ApplyVirtualResolution");
  g.vres_width = width;
  g.vres_height = height;
  const VirtualLayout layout = LayOutVirtualResolution(g.surface_width, g.surface_height, width, height, g.vres_fit);
  // The mouse is the window's, whatever drawing goes into.
  if (!g.render_image) {
    g.vres_mousexscale = layout.mouse_x_scale;
    g.vres_mouseyscale = layout.mouse_y_scale;
    g.vres_mousexorigin = static_cast<float>(layout.x);
    g.vres_mouseyorigin = static_cast<float>(layout.y);
  }
  TVex2DDriver& driver = DrawingDriver("ApplyVirtualResolution");
  driver.SetSurface(g.surface_width, g.surface_height, layout.x, layout.y, layout.width, layout.height);
  driver.SetResolution(width, height);
}

bool AdoptSurfaceSize(TVex2DGraphics& g) {
  int32_t width = 0, height = 0, depth = 0, hertz = 0, flags = 0;
  if (g.render_image) {
    width = g.render_image->width;
    height = g.render_image->height;
  } else {
    g.GetSettings(width, height, depth, hertz, flags);
  }
  if (width == g.surface_width && height == g.surface_height) return false;
  // A window without area (minimised to 0 x 0) shows nothing whatever is
  // drawn; the state stays laid out for the size it will come back with.
  if (width <= 0 || height <= 0) return false;
  if (g.viewport_x == 0 && g.viewport_y == 0 && g.viewport_w == g.surface_width && g.viewport_h == g.surface_height) {
    g.viewport_w = width;
    g.viewport_h = height;
  }
  if (!g.vres_own) {
    g.vres_width = static_cast<float>(width);
    g.vres_height = static_cast<float>(height);
  }
  g.surface_width = width;
  g.surface_height = height;
  return true;
}

void FollowWindowSizes() {
  static bool listening = false;
  if (listening) return;
  listening = true;
  AddHook(EmitEventHook, WindowSizeHook, nullptr, 0);
}

}  // namespace tazmix
