// GLRawRect and GLRawPixmap on a real context, read back from the frame
// buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "glback/gl_raw_draw.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using RawDraw = GL2DTest;

// Expects the w x h pattern's pixel (u, v) at (x + u, y + v) wherever that
// is on the screen, and nothing else lit.
void ExpectPatternAt(int32_t w, int32_t h, int32_t x, int32_t y) {
  const auto screen = Screen();
  int32_t visible = 0;
  for (int32_t v = 0; v < h; ++v) {
    for (int32_t u = 0; u < w; ++u) {
      if (x + u < 0 || y + v < 0 || x + u >= kScreenW || y + v >= kScreenH) continue;
      ++visible;
      ASSERT_EQ(Rgb(screen, x + u, y + v), PatternColor(u, v)) << "pixel " << u << "," << v;
    }
  }
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), visible);
}

TEST_F(RawDraw, APixmapLandsUnscaledWithItsFirstRowOnTop) {
  GLRawPixmap(PatternPixmap(3, 2), 0, 0);
  ExpectPatternAt(3, 2, 0, 0);

  // Any format, here one of three bytes a pixel.
  Cls();
  GLRawPixmap(PatternPixmap(5, 3)->Convert(FORMAT_BGR24), 20, 11);
  ExpectPatternAt(5, 3, 20, 11);
}

TEST_F(RawDraw, APixmapPartlyOffTheWindowIsClipped) {
  GLRawPixmap(PatternPixmap(4, 3), -2, -1);
  ExpectPatternAt(4, 3, -2, -1);
  Cls();
  GLRawPixmap(PatternPixmap(4, 3), kScreenW - 1, kScreenH - 2);
  ExpectPatternAt(4, 3, kScreenW - 1, kScreenH - 2);
}

TEST_F(RawDraw, NeitherTexturesNorZoomOfTheCallerDistortThePixmap) {
  // An image leaves its texture bound and texturing on (while it lives).
  const auto image = LoadImage(Ref<Object>(SolidPixmap(4, 4, PackARGB(255, 255, 0, 0))), 0);
  DrawImage(image, 0, 0);
  glPixelZoom(2.0f, 3.0f);
  Cls();
  GLRawPixmap(PatternPixmap(3, 2), 10, 10);
  GLfloat zoom[2] = {0, 0};
  glGetFloatv(GL_ZOOM_X, &zoom[0]);
  glGetFloatv(GL_ZOOM_Y, &zoom[1]);
  glPixelZoom(1.0f, 1.0f);
  EXPECT_EQ(zoom[0], 2.0f);
  EXPECT_EQ(zoom[1], 3.0f);
  ExpectPatternAt(3, 2, 10, 10);
}

TEST_F(RawDraw, AnEmptyPixmapDrawsNothing) {
  GLRawPixmap(nullptr, 0, 0);
  GLRawPixmap(CreatePixmap(0, 3, FORMAT_RGBA32), 0, 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 0);
}

TEST_F(RawDraw, ARectangleFillsExactlyItsPixelsInTheCurrentColour) {
  // After an image: texturing is on, and the fill must not pick it up.
  const auto image = LoadImage(Ref<Object>(PatternPixmap(4, 4)), 0);
  DrawImage(image, 0, 0);
  Cls();
  SetColor(0, 255, 0);
  GLRawRect(5, 6, 7, 4);
  const auto screen = Screen();
  EXPECT_EQ(InkIn(screen, 5, 6, 12, 10, 0x00FF00), 0);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 28);

  // A negative size reaches back from the corner.
  Cls();
  GLRawRect(20, 20, -3, -2);
  EXPECT_EQ(InkIn(Screen(), 17, 18, 20, 20, 0x00FF00), 0);
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 6);
}

}  // namespace
}  // namespace tazmix
