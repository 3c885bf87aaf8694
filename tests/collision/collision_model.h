// What the collision tests and the collision fuzz target share, without
// GoogleTest: a 2D graphics that draws nothing and only records the matrix,
// images made from alpha values, and the brute-force model of which screen
// pixels a drawn image covers.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "draw2d/collision.h"
#include "draw2d/draw_state.h"
#include "draw2d/image.h"
#include "draw2d/vex2d_graphics.h"
#include "pixmap/pixmap.h"

namespace collision_test {

using namespace tazmix;

class FakeContext : public TGraphics {
 public:
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz, int32_t& flags) override {
    width = 800;
    height = 600;
    depth = hertz = flags = 0;
  }
  void Close() override {}
};

// Accepts the state the drawing layer sends; keeps the last matrix.
class MatrixDriver : public TVex2DDriver {
 public:
  float ix = 0, iy = 0, jx = 0, jy = 0;
  void SetBlend(int32_t) override {}
  void SetAlpha(float) override {}
  void SetColor(int32_t, int32_t, int32_t) override {}
  void SetClsColor(int32_t, int32_t, int32_t) override {}
  void SetViewport(int32_t, int32_t, int32_t, int32_t) override {}
  void SetLineWidth(float) override {}
  void SetResolution(float, float) override {}
  void SetTransform(float a, float b, float c, float d) override {
    ix = a;
    iy = b;
    jx = c;
    jy = d;
  }
};

// A current 2D graphics on the matrix driver, ready for collisions.
inline Ref<TVex2DGraphics> MakeCollisionGraphics(const Ref<MatrixDriver>& driver) {
  Ref<TVex2DGraphics> graphics = TVex2DGraphics::Create(New<FakeContext>(), driver);
  graphics->_setup = 1;  // nothing to clear on a context that draws nothing
  graphics->MakeCurrent();
  return graphics;
}

// A one-frame image in `format` whose pixel (x, y) has alpha alpha(x, y);
// formats without alpha get opaque black pixels. Flags 0, so the pixmap is
// kept as it is.
inline Ref<TImage> AlphaImage(int32_t w, int32_t h, int32_t format, const std::function<int32_t(int32_t, int32_t)>& alpha) {
  Ref<TPixmap> p = CreatePixmap(w, h, format, 4);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const int32_t a = alpha(x, y);
      if (format == FORMAT_ALPHA8 || format == FORMAT_BLACK_ALPHA8) {
        *p->PixelPtr(x, y) = static_cast<uint8_t>(a);
      } else {
        p->WritePixel(x, y, PackARGB(static_cast<uint32_t>(a), 20, 40, 60));
      }
    }
  }
  Ref<TImage> image = TImage::Create(w, h, 1, 0, 0, 0, 0);
  image->SetPixmap(0, p);
  return image;
}

inline Ref<TImage> UniformImage(int32_t w, int32_t h, int32_t format, int32_t alpha) {
  return AlphaImage(w, h, format, [alpha](int32_t, int32_t) { return alpha; });
}

inline int32_t Layer(int32_t j) { return static_cast<int32_t>(1u << j); }

// A drawn image as the model sees it: local point (a, b) of the image, with
// its handle subtracted, lands at (bx + a*ix + b*iy, by + a*jx + b*jy).
struct Placed {
  Ref<TImage> image;
  std::vector<uint8_t> solid;  // per image pixel
  float x = 0, y = 0;          // drawing position
  float rotation = 0, scale_x = 1, scale_y = 1;
  float ix = 1, iy = 0, jx = 0, jy = 1;

  int32_t W() const { return image->width; }
  int32_t H() const { return image->height; }

  void SetTransform(float degrees, float sx, float sy) {
    rotation = degrees;
    scale_x = sx;
    scale_y = sy;
    const double r = degrees * 0.017453292519943295;
    ix = static_cast<float>(std::cos(r) * sx);
    iy = static_cast<float>(-std::sin(r) * sy);
    jx = static_cast<float>(std::sin(r) * sx);
    jy = static_cast<float>(std::cos(r) * sy);
  }

  // Screen box of the whole image: minx, miny, maxx, maxy.
  std::array<double, 4> Box() const {
    std::array<double, 4> box = {1e30, 1e30, -1e30, -1e30};
    for (auto [a, b] : {std::pair{0, 0}, std::pair{W(), 0}, std::pair{W(), H()}, std::pair{0, H()}}) {
      const double la = a - image->handle_x, lb = b - image->handle_y;
      const double sx = x + la * ix + lb * iy, sy = y + la * jx + lb * jy;
      box = {std::min(box[0], sx), std::min(box[1], sy), std::max(box[2], sx), std::max(box[3], sy)};
    }
    return box;
  }

  bool SolidPixel(int32_t px, int32_t py) const { return solid[static_cast<size_t>(py * W() + px)] != 0; }

  // Is screen point (sx, sy) on a solid pixel of the image?
  bool SolidAt(double sx, double sy, double ox, double oy) const {
    const double dx = sx - (x + ox), dy = sy - (y + oy);
    const double det = static_cast<double>(ix) * jy - static_cast<double>(iy) * jx;
    const double a = (dx * jy - dy * iy) / det + image->handle_x;
    const double b = (dy * ix - dx * jx) / det + image->handle_y;
    if (!(a >= 0 && b >= 0 && a < W() && b < H())) return false;
    return SolidPixel(static_cast<int32_t>(a), static_cast<int32_t>(b));
  }
};

// An image of w x h pixels with the given alphas (row by row) in `format`;
// a pixel is solid from alpha 128 up, or always when the format has no alpha.
inline Placed PlacedImage(int32_t w, int32_t h, int32_t format, const std::vector<int32_t>& alpha) {
  Placed p;
  p.solid.resize(alpha.size());
  for (size_t i = 0; i < alpha.size(); ++i) p.solid[i] = alpha[i] >= 128 || AlphaBits[format] == 0;
  p.image = AlphaImage(w, h, format, [&](int32_t x, int32_t y) { return alpha[static_cast<size_t>(y * w + x)]; });
  return p;
}

// Exact answer for unturned, unscaled images at whole-pixel positions.
inline bool BruteOverlap(const Placed& a, const Placed& b, float ox, float oy) {
  const int32_t ax = static_cast<int32_t>(a.x + ox - a.image->handle_x);
  const int32_t ay = static_cast<int32_t>(a.y + oy - a.image->handle_y);
  const int32_t bx = static_cast<int32_t>(b.x + ox - b.image->handle_x);
  const int32_t by = static_cast<int32_t>(b.y + oy - b.image->handle_y);
  for (int32_t sy = std::max(ay, by); sy < std::min(ay + a.H(), by + b.H()); ++sy) {
    for (int32_t sx = std::max(ax, bx); sx < std::min(ax + a.W(), bx + b.W()); ++sx) {
      if (a.SolidPixel(sx - ax, sy - ay) && b.SolidPixel(sx - bx, sy - by)) return true;
    }
  }
  return false;
}

}  // namespace collision_test
