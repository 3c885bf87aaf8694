// Outlined rectangles, ovals and polygons on the GL 2D driver, checked in the
// frame buffer: which pixels they light, and that none is lit twice.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using OutlineGL = GL2DTest;

// The pixels `draw` lights on a cleared screen, as a mask.
std::vector<bool> Lit(const std::function<void()>& draw) {
  Cls();
  draw();
  const Ref<TPixmap> screen = Screen();
  std::vector<bool> lit;
  for (int32_t y = 0; y < kScreenH; ++y) {
    for (int32_t x = 0; x < kScreenW; ++x) lit.push_back(Rgb(screen, x, y) != 0);
  }
  return lit;
}

TEST_F(OutlineGL, OneWideOutlinesOfARectangleLightExactlyItsBorderPixels) {
  // The filled rectangle covers columns 10..29 and rows 8..19.
  std::vector<bool> border;
  for (int32_t y = 0; y < kScreenH; ++y) {
    for (int32_t x = 0; x < kScreenW; ++x) {
      const bool inside = x >= 10 && x < 30 && y >= 8 && y < 20;
      border.push_back(inside && (x == 10 || x == 29 || y == 8 || y == 19));
    }
  }
  EXPECT_EQ(Lit([] { DrawRectOutline(10, 8, 20, 12); }), border);
  // The same rectangle as a polygon, both ways round: triangles whose shared
  // edges give every pixel to exactly one of them.
  EXPECT_EQ(Lit([] { DrawPolyOutline({10, 8, 30, 8, 30, 20, 10, 20}); }), border);
  EXPECT_EQ(Lit([] { DrawPolyOutline({10, 20, 30, 20, 30, 8, 10, 8}); }), border);
}

TEST_F(OutlineGL, UnderAlphaRotationAndScaleNoPixelIsDrawnTwiceAndTheInsideStaysClear) {
  SetBlend(BLEND_ALPHA);
  SetAlpha(0.5f);
  SetLineWidth(3);
  SetRotation(30);
  SetScale(1.25f, 0.8f);
  SetHandle(15, 10);
  const std::vector<std::pair<const char*, std::function<void()>>> shapes = {
      {"rect", [] { DrawRectOutline(32, 24, 30, 20); }},
      {"oval", [] { DrawOvalOutline(32, 24, 30, 20); }},
      {"polygon", [] { DrawPolyOutline({20, 14, 36, 10, 46, 22, 40, 36, 24, 32}); }},
  };
  for (const auto& [name, draw] : shapes) {
    Cls();
    draw();
    const Ref<TPixmap> screen = Screen();
    std::set<int32_t> colours;
    for (int32_t y = 0; y < kScreenH; ++y) {
      for (int32_t x = 0; x < kScreenW; ++x) {
        if (Rgb(screen, x, y) != 0) colours.insert(Rgb(screen, x, y));
      }
    }
    // Half of white once: a pixel blended twice would be three quarters.
    EXPECT_EQ(colours.size(), 1u) << name;
    EXPECT_GT(InkIn(screen, 0, 0, kScreenW, kScreenH), 40) << name;
    EXPECT_EQ(InkIn(screen, 29, 23, 32, 26), 0) << name << ": the inside is lit";
  }
}

TEST_F(OutlineGL, OutlinesStayWithinTheFilledShapeAndScaleWithIt) {
  SetRotation(20);
  SetHandle(12, 8);
  SetLineWidth(2);
  const std::vector<bool> filled = Lit([] { DrawOval(32, 24, 40, 30); });
  const std::vector<bool> outline = Lit([] { DrawOvalOutline(32, 24, 40, 30); });
  int32_t lit = 0;
  for (size_t i = 0; i < filled.size(); ++i) {
    EXPECT_TRUE(filled[i] || !outline[i]) << "pixel " << i % kScreenW << "," << i / kScreenW;
    lit += outline[i];
  }
  EXPECT_GT(lit, 200);
  EXPECT_FALSE(outline[24 * kScreenW + 32]);
  // Wide enough to reach the centre: the filled oval itself.
  SetLineWidth(15);
  EXPECT_EQ(Lit([] { DrawOvalOutline(32, 24, 40, 30); }), filled);

  // The width is measured like the shape: doubling the scale doubles it.
  SetRotation(0);
  SetHandle(0, 0);
  SetLineWidth(1);
  SetScale(2, 2);
  const std::vector<bool> scaled = Lit([] { DrawRectOutline(5, 6, 10, 8); });
  SetScale(1, 1);
  SetLineWidth(2);
  EXPECT_EQ(scaled, Lit([] { DrawRectOutline(5, 6, 20, 16); }));
}

}  // namespace
}  // namespace tazmix
