// Where a virtual resolution lands in a window of another size, and how the
// mouse maps back: stretched, letterboxed, and for sizes that leave nothing
// to divide by.
#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/internal/virtual_layout.h"
#include "draw2d/virtual_resolution.h"

namespace tazmix {
namespace {

TEST(VirtualLayout, AreaAndMouseScaleForEachFit) {
  const float nan = std::nanf("");
  struct Case {
    int32_t w, h;
    float vw, vh;
    int32_t fit;
    VirtualLayout expected;
  } cases[] = {
      {640, 480, 320, 240, VIRTUAL_STRETCH, {0, 0, 640, 480, 0.5f, 0.5f}},
      {800, 480, 320, 240, VIRTUAL_STRETCH, {0, 0, 800, 480, 0.4f, 0.5f}},
      {800, 480, 320, 240, VIRTUAL_LETTERBOX, {80, 0, 640, 480, 0.5f, 0.5f}},     // bars left and right
      {640, 600, 320, 240, VIRTUAL_LETTERBOX, {0, 60, 640, 480, 0.5f, 0.5f}},     // bars above and below
      {641, 481, 320, 240, VIRTUAL_LETTERBOX, {0, 0, 641, 481, 320.0f / 641, 240.0f / 481}},
      {0, 0, 320, 240, VIRTUAL_LETTERBOX, {0, 0, 0, 0, 1.0f, 1.0f}},             // minimised
      {0, 0, 320, 240, VIRTUAL_STRETCH, {0, 0, 0, 0, 1.0f, 1.0f}},
      {-5, 100, 320, 240, VIRTUAL_STRETCH, {0, 0, 0, 0, 1.0f, 1.0f}},
      {640, 480, 0, 0, VIRTUAL_LETTERBOX, {0, 0, 640, 480, 0.0f, 0.0f}},         // nothing to keep the shape of
      {1000, 1, 1, 1000, VIRTUAL_LETTERBOX, {500, 0, 0, 1, 1.0f, 1000.0f}},       // too thin to show
  };
  for (const Case& c : cases) {
    const VirtualLayout l = LayOutVirtualResolution(c.w, c.h, c.vw, c.vh, c.fit);
    const std::string at = std::to_string(c.w) + "x" + std::to_string(c.h) + " fit " + std::to_string(c.fit);
    EXPECT_EQ(l.x, c.expected.x) << at;
    EXPECT_EQ(l.y, c.expected.y) << at;
    EXPECT_EQ(l.width, c.expected.width) << at;
    EXPECT_EQ(l.height, c.expected.height) << at;
    EXPECT_FLOAT_EQ(l.mouse_x_scale, c.expected.mouse_x_scale) << at;
    EXPECT_FLOAT_EQ(l.mouse_y_scale, c.expected.mouse_y_scale) << at;
  }
  // Not-a-number cannot be letterboxed; the whole window is used.
  const VirtualLayout l = LayOutVirtualResolution(640, 480, nan, 240, VIRTUAL_LETTERBOX);
  EXPECT_EQ(l.width, 640);
  EXPECT_EQ(l.height, 480);
}

}  // namespace
}  // namespace tazmix
