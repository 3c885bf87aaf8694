// The platform-free rules under the native GL layer.
#include <gtest/gtest.h>

#include "glback/internal/gl_display_modes.h"
#include "glback/internal/gl_pixel_format.h"
#include "glback/internal/gl_swap_interval.h"
#include "glback/internal/window_placement.h"
#include "graphics/graphics_flags.h"

namespace tazmix {
namespace {

TEST(GLPixelFormat, EachFlagAsksForAtLeastOneBitOfItsBuffer) {
  const GLPixelFormatRequest none = PixelFormatRequestFromFlags(0);
  EXPECT_FALSE(none.double_buffer);
  EXPECT_EQ(none.color_bits, 1);
  EXPECT_EQ(none.alpha_bits + none.depth_bits + none.stencil_bits + none.accum_bits, 0);

  const GLPixelFormatRequest all = PixelFormatRequestFromFlags(
      GRAPHICS_BACK_BUFFER | GRAPHICS_ALPHA_BUFFER | GRAPHICS_DEPTH_BUFFER |
      GRAPHICS_STENCIL_BUFFER | GRAPHICS_ACCUM_BUFFER);
  EXPECT_TRUE(all.double_buffer);
  EXPECT_EQ(all.alpha_bits, 1);
  EXPECT_EQ(all.depth_bits, 1);
  EXPECT_EQ(all.stencil_bits, 1);
  EXPECT_EQ(all.accum_bits, 1);

  // Bit 1 means nothing; the others are independent of each other.
  EXPECT_EQ(PixelFormatRequestFromFlags(1), none);
  const GLPixelFormatRequest depth_only = PixelFormatRequestFromFlags(GRAPHICS_DEPTH_BUFFER);
  EXPECT_EQ(depth_only.depth_bits, 1);
  EXPECT_EQ(depth_only.stencil_bits, 0);
  EXPECT_FALSE(depth_only.double_buffer);
}

TEST(GLDisplayModes, OnlyModesOfSixteenBitsOrMoreAreOffered) {
  const std::vector<DisplayModeRecord> listed = {
      {640, 480, 8, 60}, {640, 480, 32, 60}, {800, 600, 15, 60},
      {800, 600, 16, 75}, {800, 600, 16, 75}, {0, 0, 0, 0}};
  const std::vector<DisplayModeRecord> expected = {
      {640, 480, 32, 60}, {800, 600, 16, 75}, {800, 600, 16, 75}};
  EXPECT_EQ(UsableDisplayModes(listed, kMaxDisplayModes), expected);
}

TEST(GLDisplayModes, NeverMoreThanTheLimit) {
  std::vector<DisplayModeRecord> listed;
  for (int32_t i = 0; i < 1500; ++i) listed.push_back({640 + i, 480, i % 2 ? 32 : 8, 60});
  const std::vector<DisplayModeRecord> modes = UsableDisplayModes(listed, kMaxDisplayModes);
  ASSERT_EQ(modes.size(), 750u);  // the 8-bit half never counts
  listed.resize(0);
  for (int32_t i = 0; i < 1500; ++i) listed.push_back({640, 480, 32, i});
  const std::vector<DisplayModeRecord> capped = UsableDisplayModes(listed, kMaxDisplayModes);
  ASSERT_EQ(capped.size(), 1024u);
  EXPECT_EQ(capped.back().hertz, 1023);
}

TEST(GLDisplayModes, FullScreenFallsBackToAnyRateOfTheSameMode) {
  const std::vector<DisplayModeRecord> listed = {
      {1024, 768, 16, 60}, {1024, 768, 32, 60}, {1024, 768, 32, 75}, {800, 600, 32, 85}};
  FullScreenModeChoice c = ChooseFullScreenMode(listed, 1024, 768, 32, 75);
  EXPECT_EQ(c.index, 2);
  EXPECT_TRUE(c.with_rate);

  c = ChooseFullScreenMode(listed, 1024, 768, 32, 85);
  EXPECT_EQ(c.index, 1);
  EXPECT_FALSE(c.with_rate);

  c = ChooseFullScreenMode(listed, 1024, 768, 32, 0);
  EXPECT_EQ(c.index, 1);
  EXPECT_FALSE(c.with_rate);

  EXPECT_EQ(ChooseFullScreenMode(listed, 1024, 768, 24, 60).index, -1);
  EXPECT_EQ(ChooseFullScreenMode({}, 640, 480, 32, 60).index, -1);
}

TEST(GLSwapInterval, SetOnFirstFlipAndOnEveryChangeOnly) {
  RememberedSwapInterval interval;
  EXPECT_EQ(interval.Change(0), 0);  // unknown at first, so even 0 is set
  EXPECT_EQ(interval.Change(0), -1);
  EXPECT_EQ(interval.Change(5), 1);  // any sync is interval 1
  EXPECT_EQ(interval.Change(1), -1);
  EXPECT_EQ(interval.Change(-1), -1);
  EXPECT_EQ(interval.Change(0), 0);
}

TEST(WindowPlacement, ClientAreaIsCentredOnTheDesktop) {
  const WindowPosition p = CentredWindowPosition(1920, 1080, 800, 600);
  EXPECT_EQ(p.left, 560);
  EXPECT_EQ(p.top, 240);
  // Both halves are divided separately.
  const WindowPosition odd = CentredWindowPosition(1025, 769, 101, 51);
  EXPECT_EQ(odd.left, 512 - 50);
  EXPECT_EQ(odd.top, 384 - 25);
}

}  // namespace
}  // namespace tazmix
