#include "draw2d/draw_image.h"

#include <algorithm>
#include <cmath>

#include "draw2d/draw_state.h"
#include "draw2d/internal/current_drawing.h"
#include "draw2d/vex2d_graphics.h"

namespace tazmix {

namespace {

// The frame to draw, or Null when there is nothing to draw.
Ref<TImageFrame> FrameOf(const Ref<TImage>& image, int32_t frame) {
  return image ? image->Frame(frame) : nullptr;
}

// The start of the first tile along one axis: the one integer in
// [view - size + 1, view] congruent to floor(pos) modulo size. Doubles hold
// every Int exactly, so no integer can overflow here.
double FirstTile(double pos, double view, double size) {
  double m = std::fmod(view - std::floor(pos), size);
  if (m < 0) m += size;
  return view - m;
}

constexpr double kMaxTiles = 1 << 22;

}  // namespace

void DrawImage(const Ref<TImage>& image, float x, float y, int32_t frame) {
  Ref<TImageFrame> f = FrameOf(image, frame);
  if (!f) return;
  const TVex2DGraphics& g = DrawingGraphics("DrawImage");
  const auto w = static_cast<float>(image->width);
  const auto h = static_cast<float>(image->height);
  const float hx = image->handle_x;
  const float hy = image->handle_y;
  f->Draw(-hx, -hy, -hx + w, -hy + h, x + g.origin_x, y + g.origin_y, 0, 0, w, h);
}

void DrawImageRect(const Ref<TImage>& image, float x, float y, float width, float height, int32_t frame) {
  Ref<TImageFrame> f = FrameOf(image, frame);
  if (!f) return;
  const TVex2DGraphics& g = DrawingGraphics("DrawImageRect");
  const float hx = image->handle_x;
  const float hy = image->handle_y;
  f->Draw(-hx, -hy, -hx + width, -hy + height, x + g.origin_x, y + g.origin_y, 0, 0,
          static_cast<float>(image->width), static_cast<float>(image->height));
}

void DrawSubImageRect(const Ref<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx, float hy, int32_t frame) {
  Ref<TImageFrame> f = FrameOf(image, frame);
  if (!f) return;
  const TVex2DGraphics& g = DrawingGraphics("DrawSubImageRect");
  const float x0 = -hx * width / sw;
  const float y0 = -hy * height / sh;
  f->Draw(x0, y0, x0 + width, y0 + height, x + g.origin_x, y + g.origin_y, sx, sy, sw, sh);
}

void TileImage(const Ref<TImage>& image, float x, float y, int32_t frame) {
  Ref<TImageFrame> f = FrameOf(image, frame);
  if (!f) return;
  const TVex2DGraphics& g = DrawingGraphics("TileImage");
  const double w = image->width;
  const double h = image->height;
  const double fx = static_cast<double>(x) + g.origin_x - image->handle_x;
  const double fy = static_cast<double>(y) + g.origin_y - image->handle_y;
  // An empty image would never step across the viewport, and a position that
  // is not a number has no tile grid.
  if (w <= 0 || h <= 0 || !std::isfinite(fx) || !std::isfinite(fy)) return;
  // Tiles are only drawn where they can be seen: the viewport within the
  // drawing area (0..virtual resolution), so a huge viewport costs nothing
  // extra. A tiling that would still take more quads than kMaxTiles is not
  // drawn at all: no picture needs it and it would stall the program.
  const double left = std::max<double>(g.viewport_x, 0);
  const double top = std::max<double>(g.viewport_y, 0);
  const double right = std::min<double>(static_cast<double>(g.viewport_x) + g.viewport_w, g.vres_width);
  const double bottom = std::min<double>(static_cast<double>(g.viewport_y) + g.viewport_h, g.vres_height);
  if (!(right > left && bottom > top)) return;
  const double sx0 = FirstTile(fx, left, w);
  const double sy0 = FirstTile(fy, top, h);
  if (std::ceil((right - sx0) / w) * std::ceil((bottom - sy0) / h) > kMaxTiles) return;
  TVex2DDriver& driver = DrawingDriver("TileImage");
  driver.SetTransform(1, 0, 0, 1);
  const auto fracx = static_cast<float>(fx - std::floor(fx));
  const auto fracy = static_cast<float>(fy - std::floor(fy));
  const auto fw = static_cast<float>(w);
  const auto fh = static_cast<float>(h);
  for (double ty = sy0; ty < bottom; ty += h) {
    for (double tx = sx0; tx < right; tx += w) {
      f->Draw(0, 0, fw, fh, static_cast<float>(tx) + fracx, static_cast<float>(ty) + fracy, 0, 0, fw, fh);
    }
  }
  // The graphics' matrix is as it was: the driver only gets it back.
  driver.SetTransform(g.tform_ix, g.tform_iy, g.tform_jx, g.tform_jy);
}

}  // namespace tazmix
