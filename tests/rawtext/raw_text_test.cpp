// Raw GL text on a real context, read back from the frame buffer: where the
// cells land, which codes draw, colour and blending, and the font texture's
// life across reopened graphics.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "glback/gl_graphics.h"
#include "glback/gl_raw_text.h"
#include "glback/internal/gl_raw_text_font.h"
#include "glback/gl_texture_from_pixmap.h"
#include "runtime/application.h"
#include "tests/gl2d/gl2d_fixture.h"
#include "tests/rawtext/raw_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

constexpr int32_t kWhite = 0xFFFFFF;

class RawText : public GL2DTest {
 protected:
  void SetUp() override {
    GL2DTest::SetUp();
    SetColor(255, 255, 255);
    SetBlend(BLEND_SOLID);
  }
};

auto ScreenReader(const Ref<TPixmap>& screen) {
  return [screen](int32_t x, int32_t y) { return Rgb(screen, x, y); };
}

TEST_F(RawText, TwoLettersLightExactlyTheirGlyphBits) {
  // Drawn from the font the GL graphics module registered at start-up.
  EXPECT_EQ(EmbeddedFileData(String("gldrawtextfont.bin")), GLDrawTextFontData());
  GLRawText(String("AB"), 10, 20);
  const auto screen = Screen();
  ExpectCell(ScreenReader(screen), 'A', 10, 20, kWhite, 0);
  ExpectCell(ScreenReader(screen), 'B', 18, 20, kWhite, 0);
  // Nothing outside the two cells.
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), GlyphBitCount('A') + GlyphBitCount('B'));
  // The A as drawn: row 3 (0xC6) has ink at columns 1, 2, 6 and 7 only.
  for (int32_t k = 0; k < 8; ++k) {
    EXPECT_EQ(Rgb(screen, 10 + k, 23), k == 1 || k == 2 || k == 6 || k == 7 ? kWhite : 0) << k;
  }
}

TEST_F(RawText, CodesOutsideTheFontLeaveAnEmptyCell) {
  GLRawText(String(u"A\u00E4B"), 10, 20);
  auto screen = Screen();
  ExpectCell(ScreenReader(screen), 'A', 10, 20, kWhite, 0);
  EXPECT_EQ(InkIn(screen, 18, 0, 26, kScreenH), 0);
  ExpectCell(ScreenReader(screen), 'B', 26, 20, kWhite, 0);

  // Control codes and units far above the font step on just the same.
  Cls();
  GLRawText(String(u"\t\uFFFF\u0100A"), 0, 0);
  screen = Screen();
  EXPECT_EQ(InkIn(screen, 0, 0, 24, kScreenH), 0);
  ExpectCell(ScreenReader(screen), 'A', 24, 0, kWhite, 0);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), GlyphBitCount('A'));
}

TEST_F(RawText, InkTakesTheCurrentColourAndTheCallersBlending) {
  SetClsColor(0, 0, 200);
  Cls();
  SetColor(255, 128, 0);
  SetBlend(BLEND_ALPHA);
  GLRawText(String("B"), 4, 4);
  auto screen = Screen();
  ExpectCell(ScreenReader(screen), 'B', 4, 4, 0xFF8000, 0x0000C8);

  // Without blending the whole cell is drawn, its paper transparent black.
  Cls();
  SetBlend(BLEND_SOLID);
  GLRawText(String("B"), 4, 4);
  screen = Screen();
  ExpectCell(ScreenReader(screen), 'B', 4, 4, 0xFF8000, 0);
  EXPECT_EQ(Rgb(screen, 3, 4), 0x0000C8);
  EXPECT_EQ(Rgb(screen, 12, 4), 0x0000C8);
}

TEST_F(RawText, TheFontTextureIsMadeAgainForReopenedGraphics) {
  GLRawText(String("A"), 0, 0);
  EndGraphics();
  graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
  ASSERT_TRUE(graphics_);
  // The new context hands out the old font texture's name again.
  const Ref<TPixmap> red = SolidPixmap(8, 8, PackARGB(255, 255, 0, 0));
  const uint32_t other = GLTextureFromPixmap(red, 0);
  ASSERT_NE(other, 0u);
  SetColor(255, 255, 255);
  SetBlend(BLEND_SOLID);
  Cls();
  GLRawText(String("A"), 10, 20);
  ExpectCell(ScreenReader(Screen()), 'A', 10, 20, kWhite, 0);
}

TEST(RawTextFont, AShortBlockUnderTheNameDrawsNothing) {
  // A block registered first wins; it must not be read past its end.
  static const uint8_t kShort[16] = {0xFF};
  RegisterEmbeddedFile(String("gldrawtextfont.bin"), kShort, sizeof kShort);
  EXPECT_FALSE(GLRawTextFontStrip());
  InitGLVex2DDriver();
  ASSERT_TRUE(OpenGraphics(kScreenW, kScreenH, 0, 0, 0));
  SetColor(255, 255, 255);
  Cls();
  GLRawText(String("AB"), 10, 20);
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 0);
  EndGraphics();
}

TEST(RawTextWithoutContext, DrawsNothingAndDrawsOnceAContextIsThere) {
  InitGLGraphics();
  GLRawText(String("A"), 0, 0);  // no context: nothing to draw into
  ASSERT_TRUE(GLGraphics(kScreenW, kScreenH, 0, 0, 0));
  // A bare GL context: no drawing layer, GL's own default matrices.
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glColor3ub(255, 255, 255);
  GLRawText(String("AB"), 10, 20);
  std::vector<uint8_t> rgba(kScreenW * kScreenH * 4);
  glReadPixels(0, 0, kScreenW, kScreenH, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  // Rows come bottom-up from GL.
  auto rgb = [&](int32_t x, int32_t y) {
    const uint8_t* p = &rgba[((kScreenH - 1 - y) * kScreenW + x) * 4];
    return p[0] << 16 | p[1] << 8 | p[2];
  };
  ExpectCell(rgb, 'A', 10, 20, kWhite, 0);
  ExpectCell(rgb, 'B', 18, 20, kWhite, 0);
  // GL's matrices are the identity again.
  GLdouble m[16];
  glGetDoublev(GL_PROJECTION_MATRIX, m);
  for (int32_t i = 0; i < 16; ++i) EXPECT_EQ(m[i], i % 5 == 0 ? 1.0 : 0.0) << i;
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EndGraphics();
}

}  // namespace
}  // namespace tazmix
