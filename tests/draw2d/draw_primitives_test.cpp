#include <gtest/gtest.h>

#include "tests/draw2d/recording_driver.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

using Primitives = Draw2DTest;

TEST_F(Primitives, HandleAndOriginPlaceRectanglesAndOvals) {
  SetHandle(10, 5);
  float hx, hy;
  GetHandle(hx, hy);
  EXPECT_EQ(hx, 10);
  EXPECT_EQ(hy, 5);
  DrawRect(100, 100, 20, 20);
  SetOrigin(1, 2);
  DrawOval(100, 100, 20, 20);
  const std::vector<std::string> expected = {"DrawRect -10 -5 10 15 100 100", "DrawOval -10 -5 10 15 101 102"};
  EXPECT_EQ(Log().Texts(), expected);
}

TEST_F(Primitives, PlotAndPixmapsIgnoreTheHandle) {
  SetHandle(10, 5);
  SetOrigin(3, 4);
  Plot(1, 1);
  auto pixmap = CreatePixmap(4, 2, FORMAT_RGBA32);
  DrawPixmap(pixmap, 7, 9);
  DrawPixmap(nullptr, 0, 0);
  const std::vector<std::string> expected = {"Plot 4 5", "DrawPixmap 4 2 7 9"};
  EXPECT_EQ(Log().Texts(), expected);
}

TEST_F(Primitives, DrawLineWithoutLastPixelIsOneCall) {
  SetOrigin(1, 1);
  DrawLine(10, 10, 20, 30, 0);
  const std::vector<std::string> expected = {"DrawLine 0 0 10 20 11 11"};
  EXPECT_EQ(Log().Texts(), expected);
}

TEST_F(Primitives, DrawLineLastPixelPlotsTheTransformedEndPoint) {
  SetRotation(90);
  Log().Clear();
  DrawLine(10, 10, 20, 10, 1);
  ASSERT_EQ(Log().Calls().size(), 2u);
  EXPECT_EQ(Log().Calls()[0].Text(), "DrawLine 0 0 10 0 10 10");
  const DriverCall& plot = Log().Calls()[1];
  EXPECT_EQ(plot.name, "Plot");
  // (10, 0) turned by 90 degrees is (0, 10).
  EXPECT_NEAR(plot.args[0], 10, 1e-5);
  EXPECT_NEAR(plot.args[1], 20, 1e-5);
}

TEST_F(Primitives, DrawLineStartsAtTheHandle) {
  SetHandle(2, 3);
  DrawLine(10, 10, 20, 10, 0);
  EXPECT_EQ(Log().Texts().back(), "DrawLine -2 -3 8 -3 10 10");
}

TEST_F(Primitives, PolygonsGetHandleAndOrigin) {
  SetHandle(1, 2);
  SetOrigin(30, 40);
  DrawPoly({0, 0, 10, 0, 5, 5});
  EXPECT_EQ(Log().Texts().back(), "DrawPoly 0 0 10 0 5 5 -1 -2 30 40");
}

TEST_F(Primitives, ClsAndGrabGoStraightToTheDriver) {
  Cls();
  auto pixmap = GrabPixmap(1, 2, 3, 4);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->width, 3);
  const std::vector<std::string> expected = {"Cls", "GrabPixmap 1 2 3 4"};
  EXPECT_EQ(Log().Texts(), expected);
}

}  // namespace
