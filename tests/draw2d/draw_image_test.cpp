#include <gtest/gtest.h>

#include "tests/draw2d/recording_driver.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

using DrawImages = Draw2DTest;

Ref<TImage> SolidImage(int32_t width, int32_t height, int32_t frames = 1) {
  auto image = TImage::Create(width, height, frames, 0, 0, 0, 0);
  for (int32_t f = 0; f < frames; ++f) image->Lock(f, 0, 1)->ClearPixels(PackARGB(255, 255, 255, 255));
  return image;
}

// The translations of the frame draws, in order.
std::vector<std::pair<double, double>> Placements(const CallLog& log) {
  std::vector<std::pair<double, double>> out;
  for (const auto& c : log.Named("Frame.Draw")) out.emplace_back(c.args[4], c.args[5]);
  return out;
}

TEST_F(DrawImages, MidHandleCentresTheImageAndTheContextHandleIsIgnored) {
  auto image = SolidImage(32, 16);
  MidHandleImage(image);
  SetHandle(100, 100);
  SetOrigin(5, 6);
  DrawImage(image, 50, 60);
  EXPECT_EQ(Log().Named("Frame.Draw").at(0).Text(), "Frame.Draw -16 -8 16 8 55 66 0 0 32 16");
}

TEST_F(DrawImages, RectStretchesTheWholeImage) {
  auto image = SolidImage(32, 16);
  SetImageHandle(image, 2, 4);
  DrawImageRect(image, 10, 20, 64, 8);
  EXPECT_EQ(Log().Named("Frame.Draw").at(0).Text(), "Frame.Draw -2 -4 62 4 10 20 0 0 32 16");
}

TEST_F(DrawImages, SubImageScalesItsHandleToTheDrawnSize) {
  auto image = SolidImage(64, 64);
  SetImageHandle(image, 30, 30);  // not used
  DrawSubImageRect(image, 10, 20, 40, 20, 8, 8, 16, 16, 4, 8);
  EXPECT_EQ(Log().Named("Frame.Draw").at(0).Text(), "Frame.Draw -10 -10 30 10 10 20 8 8 16 16");
}

TEST_F(DrawImages, NothingIsDrawnWithoutAFrame) {
  DrawImage(nullptr, 0, 0);
  DrawImageRect(nullptr, 0, 0, 1, 1);
  DrawSubImageRect(nullptr, 0, 0, 1, 1, 0, 0, 1, 1);
  TileImage(nullptr);
  auto image = SolidImage(8, 8);
  DrawImage(image, 0, 0, 1);   // no such frame
  DrawImage(image, 0, 0, -1);
  EXPECT_TRUE(Log().Calls().empty());

  driver->refuse_frames = true;
  DrawImage(image, 0, 0);
  TileImage(image, 0, 0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 2u);  // a failed frame is asked for again
  EXPECT_TRUE(Log().Named("Frame.Draw").empty());
  EXPECT_TRUE(Log().Named("SetTransform").empty());
}

TEST_F(DrawImages, TileCoversTheFirstColumnWhereverTheImageIs) {
  auto image = SolidImage(64, 64);
  SetViewport(0, 0, 640, 480);
  Log().Clear();
  TileImage(image, -128, 0);
  auto at = Placements(Log());
  ASSERT_FALSE(at.empty());
  EXPECT_EQ(at.front(), std::make_pair(0.0, 0.0));
  EXPECT_EQ(at.size(), 10u * 8u);  // 640 / 64 columns, 480 / 64 rounded up rows

  Log().Clear();
  TileImage(image, -127, 0);
  at = Placements(Log());
  EXPECT_EQ(at.front(), std::make_pair(-63.0, 0.0));
  EXPECT_EQ(at.size(), 11u * 8u);
  EXPECT_EQ(at.back(), std::make_pair(577.0, 448.0));
}

TEST_F(DrawImages, TileDrawsUntransformedAndRestoresTheMatrix) {
  auto image = SolidImage(100, 100);
  SetRotation(30);
  SetViewport(10, 20, 100, 100);
  SetOrigin(0.25f, 0);
  SetImageHandle(image, 0, 0.5f);
  Log().Clear();
  TileImage(image, 10, 20);
  ASSERT_GE(Log().Calls().size(), 4u);
  EXPECT_EQ(Log().Calls()[0].name, "CreateFrame");
  EXPECT_EQ(Log().Calls()[1].Text(), "SetTransform 1 0 0 1");
  const DriverCall restored = Log().Calls().back();
  EXPECT_EQ(restored.name, "SetTransform");
  EXPECT_FLOAT_EQ(restored.args[2], 0.5f);  // sin 30
  // The fractions of the position carry over to every copy: x 10.25, y 19.5;
  // one column fills the width and the first row starts above the
  // viewport's top edge.
  auto at = Placements(Log());
  ASSERT_EQ(at.size(), 2u);
  EXPECT_EQ(at[0], std::make_pair(10.25, 19.5));
  EXPECT_EQ(at[1], std::make_pair(10.25, 119.5));
}

TEST_F(DrawImages, EachFrameOfAnImageIsItsOwn) {
  auto image = SolidImage(8, 8, 3);
  DrawImage(image, 0, 0, 2);
  DrawImage(image, 0, 0, 2);
  DrawImage(image, 0, 0, 0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 2u);
  EXPECT_EQ(Log().Named("Frame.Draw").size(), 3u);
}

}  // namespace
