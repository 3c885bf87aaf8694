// A real 2D graphics context on the GL 2D driver for the tests of this
// folder (headless: SDL's offscreen driver, Mesa's software renderer), and
// helpers that read the frame buffer back through GrabPixmap.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "draw2d/draw2d.h"
#include "glback/gl_raw_2d.h"
#include "glback/gl_vex2d_driver.h"
#include "glback/internal/gl_state.h"
#include "graphics/graphics.h"
#include "pixmap/pixmap.h"

namespace tazmix::testing {

inline constexpr int32_t kScreenW = 64;
inline constexpr int32_t kScreenH = 48;

// Colours as the tests write them: 0xRRGGBB.
inline int32_t Rgb(const Ref<TPixmap>& p, int32_t x, int32_t y) { return p->ReadPixel(x, y) & 0xFFFFFF; }

// A pixmap of one colour (packed ARGB) in `format`.
inline Ref<TPixmap> SolidPixmap(int32_t width, int32_t height, int32_t argb, int32_t format = FORMAT_RGBA32) {
  Ref<TPixmap> p = CreatePixmap(width, height, format, 4);
  p->ClearPixels(argb);
  return p;
}

// A pixmap whose every pixel has its own opaque colour, from its position.
inline int32_t PatternColor(int32_t x, int32_t y) {
  return ((x * 37 + 11) & 255) << 16 | ((y * 53 + 7) & 255) << 8 | (((x + y) * 29 + 3) & 255);
}
inline Ref<TPixmap> PatternPixmap(int32_t width, int32_t height) {
  Ref<TPixmap> p = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) p->WritePixel(x, y, PackARGB(255, 0, 0, 0) | PatternColor(x, y));
  }
  return p;
}

// Counts the pixels of the rectangle that are not `background`.
inline int32_t InkIn(const Ref<TPixmap>& p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t background = 0) {
  int32_t n = 0;
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) n += Rgb(p, x, y) != background;
  }
  return n;
}

// GL as raw GL drawn now finds it: what the driver queued is drawn and the
// driver's state is in GL. Tests that read GL's state call it first.
inline void SeeGL() {
  EnterRaw2D();
  LeaveRaw2D();
}

// The texture binding and texturing the driver believes GL holds.
inline uint32_t HeldTexture() { return CurrentGLContext().held.bound; }
inline bool HeldTexturing() { return CurrentGLContext().held.texturing; }

// The whole frame buffer, top row first.
inline Ref<TPixmap> Screen() { return GrabPixmap(0, 0, kScreenW, kScreenH); }

class GL2DTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGLVex2DDriver();
    graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
    ASSERT_TRUE(graphics_) << "no GL context";
    SetClsColor(0, 0, 0);
    Cls();
  }
  void TearDown() override { EndGraphics(); }

  Ref<TGraphics> graphics_;
};

}  // namespace tazmix::testing
