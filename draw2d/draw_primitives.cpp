#include "draw2d/draw_primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "draw2d/internal/current_drawing.h"
#include "draw2d/internal/outline_band.h"
#include "draw2d/vex2d_graphics.h"
#include "graphics/graphics.h"

namespace tazmix {

void Cls() { DrawingDriver("Cls").Cls(); }

void Plot(float x, float y) {
  const TVex2DGraphics& g = DrawingGraphics("Plot");
  DrawingDriver("Plot").Plot(x + g.origin_x, y + g.origin_y);
}

void DrawLine(float x0, float y0, float x1, float y1, int32_t last_pixel) {
  const TVex2DGraphics& g = DrawingGraphics("DrawLine");
  TVex2DDriver& driver = DrawingDriver("DrawLine");
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
  const TVex2DGraphics& g = DrawingGraphics("DrawRect");
  DrawingDriver("DrawRect")
      .DrawRect(g.handle_x, g.handle_y, g.handle_x + width, g.handle_y + height, x + g.origin_x, y + g.origin_y);
}

void DrawOval(float x, float y, float width, float height) {
  const TVex2DGraphics& g = DrawingGraphics("DrawOval");
  DrawingDriver("DrawOval")
      .DrawOval(g.handle_x, g.handle_y, g.handle_x + width, g.handle_y + height, x + g.origin_x, y + g.origin_y);
}

void DrawPoly(const std::vector<float>& xy) {
  const TVex2DGraphics& g = DrawingGraphics("DrawPoly");
  DrawingDriver("DrawPoly").DrawPoly(xy, g.handle_x, g.handle_y, g.origin_x, g.origin_y);
}

void DrawRectOutline(float x, float y, float width, float height) {
  const TVex2DGraphics& g = DrawingGraphics("DrawRectOutline");
  TVex2DDriver& driver = DrawingDriver("DrawRectOutline");
  const float w = g.line_width;
  if (!(w > 0)) return;
  const float tx = x + g.origin_x;
  const float ty = y + g.origin_y;
  const auto [x0, x1] = std::minmax({g.handle_x, g.handle_x + width});
  const auto [y0, y1] = std::minmax({g.handle_y, g.handle_y + height});
  if (2 * w >= x1 - x0 || 2 * w >= y1 - y0) {
    driver.DrawRect(x0, y0, x1, y1, tx, ty);
    return;
  }
  // Top and bottom take the corners; the sides fit between them.
  driver.DrawRect(x0, y0, x1, y0 + w, tx, ty);
  driver.DrawRect(x0, y1 - w, x1, y1, tx, ty);
  driver.DrawRect(x0, y0 + w, x0 + w, y1 - w, tx, ty);
  driver.DrawRect(x1 - w, y0 + w, x1, y1 - w, tx, ty);
}

void DrawOvalOutline(float x, float y, float width, float height) {
  const TVex2DGraphics& g = DrawingGraphics("DrawOvalOutline");
  TVex2DDriver& driver = DrawingDriver("DrawOvalOutline");
  const double w = g.line_width;
  const double rx = width * 0.5;
  const double ry = height * 0.5;
  if (!(w > 0) || !std::isfinite(rx) || !std::isfinite(ry)) return;
  const float tx = x + g.origin_x;
  const float ty = y + g.origin_y;
  if (std::fabs(rx) <= w || std::fabs(ry) <= w) {
    driver.DrawOval(g.handle_x, g.handle_y, g.handle_x + width, g.handle_y + height, tx, ty);
    return;
  }
  // The inner edge is the oval with both radii a width shorter: exact for
  // circles, and never crossing the outer edge for any oval. One point per
  // unit of the radii, within limits, like the filled oval of the GL driver.
  const double sum = std::fabs(rx) + std::fabs(ry);
  const auto points = static_cast<size_t>(std::clamp(sum, 12.0, 65536.0)) & ~size_t{3};
  const double inner_x = (std::fabs(rx) - w) / std::fabs(rx);
  const double inner_y = (std::fabs(ry) - w) / std::fabs(ry);
  const double cx = g.handle_x + rx;
  const double cy = g.handle_y + ry;
  std::vector<BandPoint> outer(points), inner(points);
  for (size_t i = 0; i < points; ++i) {
    const double radians = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(points);
    const double ox = std::cos(radians) * rx;
    const double oy = -std::sin(radians) * ry;
    outer[i] = {cx + ox, cy + oy};
    inner[i] = {cx + ox * inner_x, cy + oy * inner_y};
  }
  ForEachBandTriangle(outer, inner, [&](const std::vector<float>& xy) { driver.DrawPoly(xy, 0, 0, tx, ty); });
}

void DrawPolyOutline(const std::vector<float>& xy) {
  const TVex2DGraphics& g = DrawingGraphics("DrawPolyOutline");
  TVex2DDriver& driver = DrawingDriver("DrawPolyOutline");
  const double w = g.line_width;
  if (!(w > 0)) return;
  const std::vector<BandPoint> outer = PolygonPoints(xy);
  std::vector<BandPoint> inner;
  switch (InsetPolygon(outer, w, inner)) {
    case BandShape::kNothing:
      return;
    case BandShape::kFilled:
      driver.DrawPoly(xy, g.handle_x, g.handle_y, g.origin_x, g.origin_y);
      return;
    case BandShape::kBand:
      ForEachBandTriangle(outer, inner, [&](const std::vector<float>& triangle) {
        driver.DrawPoly(triangle, g.handle_x, g.handle_y, g.origin_x, g.origin_y);
      });
      return;
  }
}

void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  if (!pixmap) return;
  DrawingDriver("DrawPixmap").DrawPixmap(pixmap, x, y);
}

Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  TVex2DDriver& driver = DrawingDriver("GrabPixmap");
  if (width < 0 || height < 0) return nullptr;
  // Only the back buffer's pixels can be read: the rectangle is clipped to
  // it (at the size the window has now), and one that has pixels but none of
  // them on it gives Null.
  const TVex2DGraphics& g = DrawingGraphics("GrabPixmap");
  const int64_t w = g.surface_width > 0 ? g.surface_width : GraphicsWidth();
  const int64_t h = g.surface_height > 0 ? g.surface_height : GraphicsHeight();
  const int64_t x0 = std::clamp<int64_t>(x, 0, w);
  const int64_t y0 = std::clamp<int64_t>(y, 0, h);
  const int64_t x1 = std::clamp<int64_t>(int64_t{x} + width, x0, w);
  const int64_t y1 = std::clamp<int64_t>(int64_t{y} + height, y0, h);
  if ((x1 == x0 && width > 0) || (y1 == y0 && height > 0)) return nullptr;
  return driver.GrabPixmap(static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1 - x0),
                           static_cast<int32_t>(y1 - y0));
}

}  // namespace tazmix
