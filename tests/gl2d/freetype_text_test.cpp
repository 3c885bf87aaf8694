// Text in a TrueType font through the GL 2D driver: the German letters land
// as ink where their glyphs stand, dots and all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "font/font.h"
#include "font/freetype_font.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

const char* const kFontPath = TAZMIX_TEST_DATA_DIR "/fonts/LiberationSans-Regular.ttf";

class FreeTypeText : public GL2DTest {
 protected:
  void SetUp() override {
    GL2DTest::SetUp();
    InitFreeTypeFont();
  }
};

struct Ink {
  int32_t count = 0;
  int32_t top = 1 << 30;  // first inked row
  int32_t bottom = -1;    // last inked row
  int32_t left = 1 << 30;
  int32_t right = -1;
};

Ink InkOf(const Ref<TPixmap>& screen) {
  Ink ink;
  for (int32_t y = 0; y < screen->height; ++y) {
    for (int32_t x = 0; x < screen->width; ++x) {
      if (Rgb(screen, x, y) == 0) continue;
      ++ink.count;
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
    }
  }
  return ink;
}

TEST_F(FreeTypeText, UmlautsCarryTheirDotsAboveTheBaseLetter) {
  for (int32_t style : {0, FONT_SMOOTH}) {
    auto font = LoadImageFont(String(kFontPath), 24, style);
    ASSERT_TRUE(font) << "style " << style;
    SetImageFont(font);
    SetBlend(style == FONT_SMOOTH ? BLEND_ALPHA : BLEND_MASK);
    const char16_t pairs[][2] = {{u'ä', u'a'}, {u'ö', u'o'}, {u'ü', u'u'}, {u'Ä', u'A'}, {u'Ö', u'O'}, {u'Ü', u'U'}};
    for (const auto& pair : pairs) {
      const char16_t umlaut[2] = {pair[0], 0};
      const char16_t base[2] = {pair[1], 0};
      Cls();
      DrawText(base, 10, 4);
      const Ink b = InkOf(Screen());
      Cls();
      DrawText(umlaut, 10, 4);
      const Ink u = InkOf(Screen());
      ASSERT_GT(b.count, 20) << "style " << style;
      // The same letter with two dots over it: more ink, reaching higher,
      // standing on the same line, inside the text's box.
      EXPECT_GT(u.count, b.count + 4) << "style " << style;
      EXPECT_LT(u.top, b.top - 1) << "style " << style;
      EXPECT_NEAR(u.bottom, b.bottom, 1) << "style " << style;
      EXPECT_GE(u.left, 10 - 1);
      EXPECT_LE(u.right, 10 + TextWidth(umlaut) + 1);
      EXPECT_GE(u.top, 4 - 1);
      EXPECT_LE(u.bottom, 4 + TextHeight());
    }
    // The sharp s reaches from the ascender down to the baseline of an "a".
    Cls();
    DrawText(u"a", 10, 4);
    const Ink a = InkOf(Screen());
    Cls();
    DrawText(u"ß", 10, 4);
    const Ink sz = InkOf(Screen());
    EXPECT_GT(sz.count, 20);
    EXPECT_LT(sz.top, a.top - 3);
    EXPECT_NEAR(sz.bottom, a.bottom, 1);
  }
}

TEST_F(FreeTypeText, EveryLetterOfAWordInksItsOwnColumns) {
  auto font = LoadImageFont(String(kFontPath), 12, FONT_SMOOTH);
  ASSERT_TRUE(font);
  SetImageFont(font);
  SetBlend(BLEND_ALPHA);
  const String text(u"äöüÄÖÜß");
  ASSERT_LT(TextWidth(text), kScreenW - 4);
  DrawText(text, 2, 10);
  auto screen = Screen();
  int32_t x = 2;
  for (int32_t i = 0; i < text.Length(); ++i) {
    const int32_t next = 2 + TextWidth(text.Left(i + 1));
    EXPECT_GT(next, x);
    EXPECT_GT(InkIn(screen, x, 10, next, 10 + TextHeight()), 3) << "letter " << i;
    x = next;
  }
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, 9), 0);
  EXPECT_EQ(InkIn(screen, x + 2, 0, kScreenW, kScreenH), 0);
}

// The text drawn again glyph by glyph from textures of their own (dynamic
// images stay off the shared pages), pen and matrix as the font moves them.
void DrawGlyphsAlone(TImageFont& font, const String& text, float x, float y) {
  const TVex2DGraphics& g = CurrentGraphics("DrawGlyphsAlone");
  std::vector<Ref<TImage>> keep;
  for (int32_t n = 0; n < text.Length(); ++n) {
    const Ref<TImageGlyph> glyph = font.LoadGlyph(font.CharToGlyph(text[n]));
    if (!glyph) continue;
    if (glyph->_image) {
      const Ref<TImage> alone = LoadImage(Ref<Object>(glyph->_image->Lock(0, 1, 0)), font._imageFlags | IMAGE_DYNAMIC);
      keep.push_back(alone);
      const auto w = static_cast<float>(alone->width);
      const auto h = static_cast<float>(alone->height);
      const auto gx = static_cast<float>(glyph->_x);
      const auto gy = static_cast<float>(glyph->_y);
      alone->Frame(0)->Draw(0, 0, w, h, gx * g.tform_ix + gy * g.tform_iy + x, gx * g.tform_jx + gy * g.tform_jy + y,
                            0, 0, w, h);
    }
    x += g.tform_ix * glyph->_advance;
    y += g.tform_jx * glyph->_advance;
  }
  Screen();  // drawn before the images go
}

struct Difference {
  int32_t pixels = 0;
  int32_t most = 0;  // the largest difference of one channel
};

Difference Compare(const Ref<TPixmap>& a, const Ref<TPixmap>& b) {
  Difference d;
  for (int32_t y = 0; y < a->height; ++y) {
    for (int32_t x = 0; x < a->width; ++x) {
      const int32_t p = Rgb(a, x, y), q = Rgb(b, x, y);
      int32_t most = 0;
      for (const int32_t shift : {0, 8, 16}) most = std::max(most, std::abs(((p >> shift) & 255) - ((q >> shift) & 255)));
      d.pixels += most != 0;
      d.most = std::max(d.most, most);
    }
  }
  return d;
}

// Glyphs live on shared texture pages. At scale 1 a page gives exactly the
// pixels a texture of the glyph's own gives. Drawn smaller, a smooth font
// samples mipmap levels, whose texels at a glyph's top and left edges are
// made from its border on a page but clamped in an own texture: the two
// differ a little there (under a tenth of the inked pixels, by at most a
// third of the range).
TEST_F(FreeTypeText, GlyphsFromSharedPagesDrawAsFromTexturesOfTheirOwn) {
  const String text(u"Wörter übrig");
  for (const int32_t style : {0, FONT_SMOOTH}) {
    const Ref<TImageFont> font = LoadImageFont(String(kFontPath), 16, style);
    ASSERT_TRUE(font);
    for (const Ref<TImageFont>& f : {font, Ref<TImageFont>(DefaultImageFont())}) {
      SetImageFont(f);
      SetBlend(BLEND_ALPHA);
      Cls();
      DrawText(text, 1.0f, 3.0f);
      const Ref<TPixmap> paged = Screen();
      Cls();
      DrawGlyphsAlone(*f, text, 1.0f, 3.0f);
      const Difference d = Compare(paged, Screen());
      EXPECT_EQ(d.pixels, 0) << "style " << style;
      EXPECT_GT(InkIn(paged, 0, 0, kScreenW, kScreenH), 100);
    }
  }
  const Ref<TImageFont> big = LoadImageFont(String(kFontPath), 80, FONT_SMOOTH);
  ASSERT_TRUE(big);
  SetImageFont(big);
  for (const float turn : {0.0f, 20.0f}) {
    SetTransform(turn, 0.3f, 0.3f);
    Cls();
    DrawText(u"Äpfel", 2, 4);
    const Ref<TPixmap> paged = Screen();
    Cls();
    DrawGlyphsAlone(*big, u"Äpfel", 2, 4);
    const Difference d = Compare(paged, Screen());
    const int32_t ink = InkIn(paged, 0, 0, kScreenW, kScreenH);
    EXPECT_GT(ink, 200);
    EXPECT_LE(d.pixels, ink / 10) << "turned " << turn;
    EXPECT_LE(d.most, 85) << "turned " << turn;
  }
}

}  // namespace
}  // namespace tazmix
