// Misuse of fonts, the font loader chain and FreeType fonts.
#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "stream/bank.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

const String kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

Ref<TFont> Font() {
  Ref<TFont> font = LoadFont(kFont, 16, 0);
  EXPECT_TRUE(font) << "no " << kFont.ToUTF8String();
  return font;
}

const Row kRows[] = {
    {"LoadFontNull", [] { EXPECT_FALSE(LoadFont(Ref<Object>(), 16, 0)); }},
    {"LoadFontEmptyPath", [] { EXPECT_FALSE(LoadFont(String(), 16, 0)); }},
    {"LoadFontLongPath", [] { EXPECT_FALSE(LoadFont(LongText(), 16, 0)); }},
    {"LoadFontNotAFont", [] { EXPECT_FALSE(LoadFont(kKeepFile, 16, 0)); }},
    {"LoadFontBank", [] { EXPECT_FALSE(LoadFont(Ref<Object>(CreateBank(100)), 16, 0)); }},
    {"LoadFontUnknownProtocol", [] { EXPECT_FALSE(LoadFont("nope::x.ttf", 16, 0)); }},
    {"LoadFontSizeZero", [] { EXPECT_FALSE(LoadFont(kFont, 0, 0)); }},
    {"LoadFontSmallestSize", [] { EXPECT_FALSE(LoadFont(kFont, INT32_MIN, 0)); }},
    {"LoadFontLargestSize", [] { Ref<TFont> f = LoadFont(kFont, INT32_MAX, FONT_SMOOTH); ASSERT_TRUE(f); EXPECT_LE(f->Height(), 2 * FREETYPE_MAX_PIXEL_SIZE); }},
    {"LoadFontAnyStyle", [] { EXPECT_EQ(LoadFont(kFont, 12, -1)->Style(), -1); }},
    {"LoadGlyphNegative", [] { EXPECT_FALSE(Font()->LoadGlyph(-1)); }},
    {"LoadGlyphPastTheLast", [] { Ref<TFont> f = Font(); EXPECT_FALSE(f->LoadGlyph(f->CountGlyphs())); }},
    {"CharToGlyphOutOfRange", [] { Ref<TFont> f = Font(); EXPECT_EQ(f->CharToGlyph(-1), -1); EXPECT_EQ(f->CharToGlyph(INT32_MAX), -1); }},
    {"AddFontLoaderNull", [] { AddFontLoader(nullptr); EXPECT_TRUE(FirstFontLoader()); }},
};

class FontMisuse : public Table {
 protected:
  void SetUp() override {
    InitFreeTypeFont();
    Table::SetUp();
  }
};

}  // namespace

MISUSE_TABLE(FontMisuse, kRows);
