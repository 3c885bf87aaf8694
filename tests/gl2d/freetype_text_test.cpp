// Text in a TrueType font through the GL 2D driver: the German letters land
// as ink where their glyphs stand, dots and all.
#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace tazmix
