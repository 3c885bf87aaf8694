#include "draw2d/draw_primitives.h"

#include <algorithm>

#include "draw2d/vex2d_graphics.h"
#include "graphics/graphics.h"

namespace tazmix {

void Cls() { CurrentDriver().Cls(); }

void Plot(float x, float y) {
  const TVex2DGraphics& g = CurrentGraphics();
  CurrentDriver().Plot(x + g.origin_x, y + g.origin_y);
}

void DrawLine(float x0, float y0, float x1, float y1, int32_t last_pixel) {
  const TVex2DGraphics& g = CurrentGraphics();
  TVex2DDriver& driver = CurrentDriver();
  const float dx = g.handle_x + x1 - x0;
  const float dy = g.handle_y + y1 - y0;
  const float tx = x0 + g.origin_x;
  const float ty = y0 + g.origin_y;
  driver.DrawLine(g.handle_x, g.handle_y, dx, dy, tx, ty);
  if (last_pixel) {
    driver.Plot(dx * g.tform_ix + dy * g.tform_iy + tx, dx * g.tform_jx + dy * g.tform_jy + ty);
  }
}

void DrawRect(float x, float y, float width, float height) {
  const TVex2DGraphics& g = CurrentGraphics();
  CurrentDriver().DrawRect(g.handle_x, g.handle_y, g.handle_x + width, g.handle_y + height, x + g.origin_x,
                           y + g.origin_y);
}

void DrawOval(float x, float y, float width, float height) {
  const TVex2DGraphics& g = CurrentGraphics();
  CurrentDriver().DrawOval(g.handle_x, g.handle_y, g.handle_x + width, g.handle_y + height, x + g.origin_x,
                           y + g.origin_y);
}

void DrawPoly(const std::vector<float>& xy) {
  const TVex2DGraphics& g = CurrentGraphics();
  CurrentDriver().DrawPoly(xy, g.handle_x, g.handle_y, g.origin_x, g.origin_y);
}

void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  if (!pixmap) return;
  CurrentDriver().DrawPixmap(pixmap, x, y);
}

Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  TVex2DDriver& driver = CurrentDriver();
  if (width < 0 || height < 0) return nullptr;
  // Only the back buffer's pixels can be read: the rectangle is clipped to
  // it (at the size the window has now), and one that has pixels but none of
  // them on it gives Null.
  const TVex2DGraphics& g = CurrentGraphics();
  const int64_t w = g._surface_width > 0 ? g._surface_width : GraphicsWidth();
  const int64_t h = g._surface_height > 0 ? g._surface_height : GraphicsHeight();
  const int64_t x0 = std::clamp<int64_t>(x, 0, w);
  const int64_t y0 = std::clamp<int64_t>(y, 0, h);
  const int64_t x1 = std::clamp<int64_t>(int64_t{x} + width, x0, w);
  const int64_t y1 = std::clamp<int64_t>(int64_t{y} + height, y0, h);
  if ((x1 == x0 && width > 0) || (y1 == y0 && height > 0)) return nullptr;
  return driver.GrabPixmap(static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1 - x0),
                           static_cast<int32_t>(y1 - y0));
}

}  // namespace tazmix
