// Shared set-up of the collision tests: a current 2D graphics context on a
// driver that only records the matrix (collisions draw nothing), empty
// layers around every test, and images made from alpha values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

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

class CollisionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = New<MatrixDriver>();
    graphics_ = TVex2DGraphics::Create(New<FakeContext>(), driver_);
    graphics_->_setup = 1;  // nothing to clear on a context that draws nothing
    graphics_->MakeCurrent();
    ClearCollisionLayers(0);
  }
  void TearDown() override {
    ClearCollisionLayers(0);
    TVex2DGraphics::ClearCurrent();
  }

  Ref<MatrixDriver> driver_;
  Ref<TVex2DGraphics> graphics_;
};

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

}  // namespace collision_test
