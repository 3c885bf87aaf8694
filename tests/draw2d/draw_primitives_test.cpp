#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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

TEST_F(Primitives, RectOutlineIsFourBandsPlacedLikeTheFilledRect) {
  SetHandle(2, 3);
  SetOrigin(10, 20);
  SetLineWidth(2);
  Log().Clear();
  DrawRectOutline(100, 100, 20, -10);  // a negative size spans the same area as for DrawRect
  SetLineWidth(5);                      // reaches across the 10 rows: filled
  DrawRectOutline(100, 100, 20, -10);
  SetLineWidth(0);
  DrawRectOutline(100, 100, 20, -10);
  SetLineWidth(std::nanf(""));
  DrawRectOutline(100, 100, 20, -10);
  const std::vector<std::string> expected = {
      "DrawRect -2 -13 18 -11 110 120",
      "DrawRect -2 -5 18 -3 110 120",
      "DrawRect -2 -11 0 -5 110 120",
      "DrawRect 16 -11 18 -5 110 120",
      "SetLineWidth 5",
      "DrawRect -2 -13 18 -3 110 120",
      "SetLineWidth 0",
      "SetLineWidth nan",
  };
  EXPECT_EQ(Log().Texts(), expected);
}

// The triangles that outlines sent as DrawPoly calls: their summed area, and
// whether any is turned the other way than the first (a fold, which would
// draw some pixels twice). Each must be placed by the given handle and origin.
struct Triangles {
  int count = 0;
  double area = 0;
  bool folded = false;
};

Triangles SentTriangles(const CallLog& log, double hx, double hy, double ox, double oy) {
  Triangles t;
  double first_sign = 0;
  for (const DriverCall& call : log.Named("DrawPoly")) {
    EXPECT_EQ(call.args.size(), 10u);
    if (call.args.size() != 10u) continue;
    EXPECT_EQ(std::vector<double>(call.args.begin() + 6, call.args.end()), (std::vector<double>{hx, hy, ox, oy}));
    const auto& a = call.args;
    const double twice = (a[2] - a[0]) * (a[5] - a[1]) - (a[4] - a[0]) * (a[3] - a[1]);
    if (first_sign == 0) first_sign = twice;
    t.folded |= twice * first_sign < 0;
    t.area += std::fabs(twice) / 2;
    ++t.count;
  }
  return t;
}

TEST_F(Primitives, PolygonOutlinesTileTheBandInsideTheEdges) {
  SetHandle(1, 2);
  SetOrigin(30, 40);
  SetLineWidth(1);
  // An L of area 64 whose band of width 1 leaves an inner L of area 28: the
  // concave corner meets the inner edges exactly.
  DrawPolyOutline({0, 0, 10, 0, 10, 4, 4, 4, 4, 10, 0, 10, 0, 10});  // the repeated point adds nothing
  Triangles t = SentTriangles(Log(), -1, -2, 30, 40);
  EXPECT_EQ(t.count, 12);
  EXPECT_NEAR(t.area, 36, 1e-4);
  EXPECT_FALSE(t.folded);

  // A square with one corner cut by an edge of length 1.4: at width 3 that
  // edge has shrunk away, and the inner edge is the square from 3 to 7.
  Log().Clear();
  SetLineWidth(3);
  DrawPolyOutline({10, 0, 10, 9, 9, 10, 0, 10, 0, 0});  // the other way round
  t = SentTriangles(Log(), -1, -2, 30, 40);
  EXPECT_NEAR(t.area, 99.5 - 16, 1e-4);
  EXPECT_FALSE(t.folded);

  // A width beyond the triangle's inner circle (radius 2.93) fills it, as
  // DrawPoly would; shapes without area draw nothing.
  Log().Clear();
  DrawPolyOutline({0, 0, 10, 0, 0, 10});
  DrawPolyOutline({0, 0, 5, 5, 10, 10});
  DrawPolyOutline({0, 0, 10, 0});
  const std::vector<std::string> filled = {"DrawPoly 0 0 10 0 0 10 -1 -2 30 40"};
  EXPECT_EQ(Log().Texts(), filled);
}

TEST_F(Primitives, OvalOutlinesAreTheRingBetweenTheOvalAndOneAWidthSmaller) {
  SetHandle(10, 5);
  SetOrigin(1, 2);
  SetLineWidth(2);
  DrawOvalOutline(100, 100, 40, -20);
  const Triangles t = SentTriangles(Log(), 0, 0, 101, 102);
  EXPECT_FALSE(t.folded);
  // Radii 20 and 10 less 18 and 8, short of the true ellipses by what a
  // polygon of 28 points lacks (under 1 %).
  const double ring = std::numbers::pi * (20 * 10 - 18 * 8);
  EXPECT_LT(t.area, ring);
  EXPECT_GT(t.area, ring * 0.99);
  // Every point lies in the local rectangle of the filled oval.
  for (const DriverCall& call : Log().Named("DrawPoly")) {
    for (int k = 0; k < 6; k += 2) {
      EXPECT_TRUE(call.args[k] >= -10.001 && call.args[k] <= 30.001) << call.Text();
      EXPECT_TRUE(call.args[k + 1] >= -25.001 && call.args[k + 1] <= -4.999) << call.Text();
    }
  }
  // A width reaching the centre on the shorter radius: the filled oval.
  Log().Clear();
  SetLineWidth(10);
  DrawOvalOutline(100, 100, 40, -20);
  DrawOvalOutline(std::nanf(""), 0, INFINITY, 5);
  const std::vector<std::string> expected = {"SetLineWidth 10", "DrawOval -10 -5 30 -25 101 102"};
  EXPECT_EQ(Log().Texts(), expected);
}

}  // namespace
