// The GL 2D driver on a real context: installation, blend modes, the state
// cache, clamping, the scissor viewport, primitives and pixel transfer, all
// checked through what GL holds or what lands in the frame buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "glback/gl_graphics.h"
#include "glback/platform/gl_native.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using GLDriver = GL2DTest;

TVex2DDriver& Driver() { return *GLVex2DDriver(); }

std::array<int32_t, 4> CurrentColorBytes() {
  SeeGL();
  GLfloat c[4] = {};
  glGetFloatv(GL_CURRENT_COLOR, c);
  return {static_cast<int32_t>(std::lround(c[0] * 255)), static_cast<int32_t>(std::lround(c[1] * 255)),
          static_cast<int32_t>(std::lround(c[2] * 255)), static_cast<int32_t>(std::lround(c[3] * 255))};
}

// True when each channel of `actual` is within 1 of the expected one.
bool Near(int32_t actual, int32_t r, int32_t g, int32_t b) {
  return std::abs(((actual >> 16) & 255) - r) <= 1 && std::abs(((actual >> 8) & 255) - g) <= 1 &&
         std::abs((actual & 255) - b) <= 1;
}

TEST_F(GLDriver, StartUpInstallsItAsTheDriverInForce) {
  ASSERT_TRUE(GLVex2DDriver());
  EXPECT_EQ(GLVex2DDriver(), GLVex2DDriver());
  EXPECT_EQ(GetGraphicsDriver(), GLVex2DDriver());
  EXPECT_TRUE(GLVex2DDriver()->ToString() == String("OpenGL"));
  // Its contexts wrap the GL driver's and are made current with it.
  auto g = Cast<TVex2DGraphics>(graphics_);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->_driver, GLVex2DDriver());
  EXPECT_TRUE(Cast<TGLGraphics>(g->_graphics));
  EXPECT_EQ(TVex2DGraphics::Current(), g.get());
  EXPECT_EQ(CurrentVex2DDriver(), GLVex2DDriver().get());
  EXPECT_EQ(GLVex2DDriver()->GraphicsModes().size(), GLGraphicsDriver()->GraphicsModes().size());
  // A request GL cannot meet gives Null, not an empty wrapper.
  EXPECT_EQ(GLVex2DDriver()->CreateGraphics(0, 0, 0, 0, GRAPHICS_BACK_BUFFER), nullptr);
  EXPECT_EQ(GLVex2DDriver()->AttachGraphics(0, GRAPHICS_BACK_BUFFER), nullptr);

  // Attaching to an existing window wraps the GL context the same way.
  auto gl = Cast<TGLGraphics>(g->_graphics);
  auto attached = Cast<TVex2DGraphics>(GLVex2DDriver()->AttachGraphics(GLNativeWidget(gl->_context), GRAPHICS_BACK_BUFFER));
  ASSERT_TRUE(attached);
  EXPECT_EQ(attached->_driver, GLVex2DDriver());
  EXPECT_TRUE(Cast<TGLGraphics>(attached->_graphics));
  EXPECT_EQ(attached->viewport_w, kScreenW);
  EXPECT_EQ(attached->viewport_h, kScreenH);
  attached->Close();
}

TEST_F(GLDriver, EachBlendModeOverAKnownBackground) {
  struct Case {
    int32_t blend;
    float alpha;
    int32_t r, g, b;  // expected over the background (100, 150, 200)
  };
  // Source colour (200, 100, 50); alpha 0.5 is the byte 127.
  const double a = 127.0 / 255.0;
  const Case cases[] = {
      {BLEND_MASK, 0.6f, 200, 100, 50},
      {BLEND_MASK, 0.4f, 100, 150, 200},  // below 0.5: not drawn
      {BLEND_MASK, 0.5f, 100, 150, 200},  // 127/255 is below 0.5 too
      {BLEND_SOLID, 0.5f, 200, 100, 50},
      {BLEND_ALPHA, 0.5f, int32_t(200 * a + 100 * (1 - a) + 0.5), int32_t(100 * a + 150 * (1 - a) + 0.5),
       int32_t(50 * a + 200 * (1 - a) + 0.5)},
      {BLEND_LIGHT, 0.5f, int32_t(200 * a + 100 + 0.5), int32_t(100 * a + 150 + 0.5), int32_t(50 * a + 200 + 0.5)},
      {BLEND_LIGHT, 1.0f, 255, 250, 250},  // saturates
      {BLEND_SHADE, 0.5f, int32_t(200 * 100 / 255.0 + 0.5), int32_t(100 * 150 / 255.0 + 0.5),
       int32_t(50 * 200 / 255.0 + 0.5)},
  };
  SetClsColor(100, 150, 200);
  SetColor(200, 100, 50);
  for (const Case& c : cases) {
    SetBlend(BLEND_SOLID);
    Cls();
    SetBlend(c.blend);
    SetAlpha(c.alpha);
    DrawRect(10, 10, 20, 20);
    auto screen = Screen();
    EXPECT_PRED4(Near, Rgb(screen, 15, 15), c.r, c.g, c.b) << "blend " << c.blend << " alpha " << c.alpha;
    EXPECT_EQ(Rgb(screen, 5, 5), 0x6496C8) << "blend " << c.blend;
  }
}

TEST_F(GLDriver, CodesOutsideTheTableTurnBlendingAndTheAlphaTestOff) {
  SetClsColor(100, 150, 200);
  SetColor(200, 100, 50);
  SetAlpha(0.25f);
  for (int32_t code : {0, 6, -1, 1000}) {
    for (int32_t before : {BLEND_MASK, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE}) {
      SetBlend(BLEND_SOLID);
      Cls();
      SetBlend(before);
      SetBlend(code);
      SeeGL();
      EXPECT_FALSE(glIsEnabled(GL_BLEND)) << code << " after " << before;
      EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST)) << code << " after " << before;
      DrawRect(10, 10, 20, 20);
      EXPECT_EQ(Rgb(Screen(), 15, 15), 0xC86432) << code << " after " << before;
    }
  }
}

TEST_F(GLDriver, BlendSettingsAreCachedUntilTheContextIsMadeCurrentAgain) {
  Driver().SetBlend(BLEND_ALPHA);
  SeeGL();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  glDisable(GL_BLEND);  // behind the driver's back
  Driver().SetBlend(BLEND_ALPHA);
  SeeGL();
  EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "a repeated mode must not reach GL";

  // Making the context current again forgets the cache; the context's own
  // blend mode (BLEND_MASK) is sent, then BLEND_ALPHA reaches GL again.
  SetGraphics(graphics_);
  SeeGL();
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  Driver().SetBlend(BLEND_ALPHA);
  SeeGL();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  GLint src = 0, dst = 0;
  glGetIntegerv(GL_BLEND_SRC, &src);
  glGetIntegerv(GL_BLEND_DST, &dst);
  EXPECT_EQ(src, GL_SRC_ALPHA);
  EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(GLDriver, ResetGivesAFreshContextItsProjectionAndCache) {
  auto frame = GLVex2DDriver()->CreateFrameFromPixmap(SolidPixmap(4, 4, -1), 0);
  ASSERT_TRUE(frame);
  frame->Draw(0, 0, 4, 4, 0, 0, 0, 0, 4, 4);
  SeeGL();
  EXPECT_TRUE(HeldTexturing());
  glViewport(0, 0, 1, 1);
  SetGraphics(graphics_);
  EXPECT_FALSE(HeldTexturing());
  EXPECT_EQ(HeldTexture(), 0u);
  SeeGL();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], kScreenW);
  EXPECT_EQ(viewport[3], kScreenH);
  // (0, 0) is the top-left corner: a rectangle there lights the top-left pixel.
  Cls();
  SetBlend(BLEND_SOLID);
  DrawRect(0, 0, 1, 1);
  auto screen = Screen();
  EXPECT_EQ(Rgb(screen, 0, 0), 0xFFFFFF);
  EXPECT_EQ(Rgb(screen, 1, 0), 0);
  EXPECT_EQ(Rgb(screen, 0, 1), 0);
}

TEST_F(GLDriver, AlphaAndColourAreClampedToBytes) {
  SetAlpha(1.5f);
  EXPECT_EQ(CurrentColorBytes()[3], 255);
  SetAlpha(-1.0f);
  EXPECT_EQ(CurrentColorBytes()[3], 0);
  SetAlpha(0.5f);
  EXPECT_EQ(CurrentColorBytes()[3], 127);
  SetAlpha(0.999f);
  EXPECT_EQ(CurrentColorBytes()[3], 254);
  SetAlpha(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(CurrentColorBytes()[3], 0);
  EXPECT_TRUE(std::isnan(GetAlpha()));  // the drawing state keeps what it was given

  SetAlpha(0.5f);
  SetColor(300, -5, 128);
  EXPECT_EQ(CurrentColorBytes(), (std::array<int32_t, 4>{255, 0, 128, 127}));
  SetColor(-2147483647 - 1, 2147483647, 0);
  EXPECT_EQ(CurrentColorBytes(), (std::array<int32_t, 4>{0, 255, 0, 127}));

  SetBlend(BLEND_SOLID);
  SetClsColor(300, -5, 128);
  Cls();
  EXPECT_EQ(Rgb(Screen(), 0, 0), 0xFF0080);
}

TEST_F(GLDriver, TheViewportScissorsInTopLeftCoordinates) {
  SetViewport(10, 20, 30, 15);
  SeeGL();
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_EQ(box[0], 10);
  EXPECT_EQ(box[1], kScreenH - 20 - 15);
  EXPECT_EQ(box[2], 30);
  EXPECT_EQ(box[3], 15);

  SetClsColor(0, 255, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  SetColor(255, 0, 0);
  DrawRect(0, 0, kScreenW, kScreenH);
  auto screen = Screen();
  EXPECT_EQ(InkIn(screen, 10, 20, 40, 35, 0xFF0000), 0);  // all red inside
  EXPECT_EQ(Rgb(screen, 9, 25), 0);
  EXPECT_EQ(Rgb(screen, 40, 25), 0);
  EXPECT_EQ(Rgb(screen, 20, 19), 0);
  EXPECT_EQ(Rgb(screen, 20, 35), 0);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 30 * 15);

  SetViewport(0, 0, kScreenW, kScreenH);
  SeeGL();
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  Cls();
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH, 0x00FF00), 0);
}

TEST_F(GLDriver, PointsLinesAndRectanglesLightTheirPixels) {
  SetBlend(BLEND_SOLID);
  Plot(3, 4);
  auto screen = Screen();
  EXPECT_EQ(Rgb(screen, 3, 4), 0xFFFFFF);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 1);

  Cls();
  DrawRect(2, 3, 4, 5);
  screen = Screen();
  EXPECT_EQ(InkIn(screen, 2, 3, 6, 8, 0xFFFFFF), 0);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 20);

  Cls();
  DrawLine(10, 30, 20, 30, 0);
  screen = Screen();
  EXPECT_EQ(InkIn(screen, 10, 30, 20, 31, 0xFFFFFF), 0);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, 30), 0);
  EXPECT_EQ(InkIn(screen, 0, 31, kScreenW, kScreenH), 0);

  SetLineWidth(3);
  SeeGL();
  GLfloat width = 0;
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 3.0f);
  SetLineWidth(std::numeric_limits<float>::quiet_NaN());
  SetLineWidth(0);
  SeeGL();
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 3.0f);
}

// The number of corners of the polygons drawn, counted as lit pixels with
// polygons drawn as their corner points only (the scale keeps the points
// of small shapes apart). The grab draws what the driver has gathered, so it
// comes before the fill mode is back.
template <class F>
int32_t Corners(F draw) {
  Cls();
  glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
  draw();
  const Ref<TPixmap> screen = Screen();
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  return InkIn(screen, 0, 0, kScreenW, kScreenH);
}

TEST_F(GLDriver, OvalsHaveAMultipleOfFourPointsAndAtLeastTwelve) {
  SetBlend(BLEND_SOLID);
  const struct {
    float w, h, scale;
    int32_t points;
  } cases[] = {{10, 10, 4, 12}, {2, 2, 20, 12}, {40, 20, 1, 28}, {46, 20, 1, 32}, {60, 40, 1, 48}};
  SetOrigin(kScreenW / 2, kScreenH / 2);
  for (const auto& c : cases) {
    // The number follows the oval's own size, not the size it is drawn at.
    SetScale(c.scale, c.scale);
    SetHandle(c.w / 2, c.h / 2);
    EXPECT_EQ(Corners([&] { DrawOval(0, 0, c.w, c.h); }), c.points) << c.w << "x" << c.h;
  }
  // A huge or broken oval is drawn (or not) without a flood of points.
  SetScale(1, 1);
  DrawOval(0, 0, 1e30f, 1e30f);
  DrawOval(0, 0, std::numeric_limits<float>::quiet_NaN(), 5);
}

TEST_F(GLDriver, PolygonsNeedThreePointsAndAnEvenCount) {
  SetBlend(BLEND_SOLID);
  DrawPoly({10, 10, 30, 10, 10, 30});
  EXPECT_GT(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 150);
  Cls();
  DrawPoly({10, 10, 30, 10, 10});
  DrawPoly({10, 10, 30, 10});
  DrawPoly({});
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 0);
  EXPECT_EQ(Corners([] { DrawPoly({10, 10, 30, 10, 10, 30, 30, 30, 5}); }), 0);
  EXPECT_EQ(Corners([] { DrawPoly({10, 10, 30, 10, 10, 30, 30, 30}); }), 4);
}

TEST_F(GLDriver, PixmapsRoundTripWhateverTheBlendMode) {
  auto pattern = PatternPixmap(7, 5);
  // The same pixels as RGB and as a window with wider rows than its width.
  auto rgb = pattern->Convert(FORMAT_RGB24);
  auto sheet = PatternPixmap(20, 9);
  auto window = sheet->Window(3, 2, 7, 5);
  SetColor(10, 20, 30);
  SetAlpha(0.3f);
  for (int32_t blend : {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE, 9}) {
    SetBlend(BLEND_SOLID);
    Cls();
    SetBlend(blend);
    DrawPixmap(pattern, 0, 0);
    DrawPixmap(rgb, 11, 13);
    DrawPixmap(window, 30, 40);
    auto screen = Screen();
    for (int32_t y = 0; y < 5; ++y) {
      for (int32_t x = 0; x < 7; ++x) {
        ASSERT_EQ(Rgb(screen, x, y), PatternColor(x, y)) << blend;
        ASSERT_EQ(Rgb(screen, 11 + x, 13 + y), PatternColor(x, y)) << blend;
        ASSERT_EQ(Rgb(screen, 30 + x, 40 + y), PatternColor(3 + x, 2 + y)) << blend;
      }
    }
    EXPECT_EQ(Rgb(screen, 7, 0), 0);
    EXPECT_EQ(Rgb(screen, 0, 5), 0);
    // The blend mode in force before is in force after.
    const bool blending = blend >= BLEND_ALPHA && blend <= BLEND_SHADE;
    EXPECT_EQ(glIsEnabled(GL_BLEND) == GL_TRUE, blending) << blend;
    EXPECT_EQ(glIsEnabled(GL_ALPHA_TEST) == GL_TRUE, blend == BLEND_MASK) << blend;
  }
  // A grab is top row first, RGBA, and of the size asked for.
  auto part = GrabPixmap(11, 13, 7, 5);
  ASSERT_TRUE(part);
  EXPECT_EQ(part->format, FORMAT_RGBA32);
  EXPECT_EQ(part->width, 7);
  EXPECT_EQ(part->height, 5);
  EXPECT_EQ(Rgb(part, 0, 0), PatternColor(0, 0));
  EXPECT_EQ(Rgb(part, 6, 4), PatternColor(6, 4));
  EXPECT_EQ(AlphaOf(part->ReadPixel(0, 0)), 255);
  // Empty and negative requests: an empty grab, or none; nothing drawn.
  auto empty = GrabPixmap(0, 0, 0, 0);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->width, 0);
  EXPECT_EQ(GrabPixmap(0, 0, -1, 4), nullptr);
  DrawPixmap(nullptr, 0, 0);
  DrawPixmap(CreatePixmap(0, 3, FORMAT_RGBA32, 4), 0, 0);
}

TEST_F(GLDriver, ResolutionStretchesDrawingButNotPixmaps) {
  SetBlend(BLEND_SOLID);
  SetVirtualResolution(32, 24);
  DrawRect(1, 1, 2, 2);
  DrawPixmap(SolidPixmap(1, 1, PackARGB(255, 255, 0, 0)), 20, 20);
  auto screen = Screen();
  EXPECT_EQ(InkIn(screen, 2, 2, 6, 6, 0xFFFFFF), 0);
  EXPECT_EQ(Rgb(screen, 20, 20), 0xFF0000);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 16 + 1);

  // The driver's own call, without the drawing state: 128 x 96 units across
  // the 64 x 48 pixels.
  Cls();
  Driver().SetResolution(128, 96);
  DrawRect(0, 0, 8, 8);
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 16);
}

}  // namespace
}  // namespace tazmix
