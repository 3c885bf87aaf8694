#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "pixmap/pixmap.h"
#include "tests/font/font_test_util.h"

using namespace tazmix;
using tazmix::testing::LiberationSansPath;
using tazmix::testing::TempDir;
using tazmix::testing::WriteTinyBitmapFace;
using tazmix::testing::kTinyA;

namespace {

class FreeTypeFont : public ::testing::Test {
 protected:
  void SetUp() override { InitFreeTypeFont(); }

  static Ref<TFreeTypeFont> Liberation(int32_t size, int32_t style = 0) {
    return TFreeTypeFont::Load(String(LiberationSansPath().c_str()), size, style);
  }
};

struct Rect {
  int32_t x, y, w, h;
  bool operator==(const Rect&) const = default;
};

Rect RectOf(TGlyph& g) {
  Rect r{};
  g.GetRect(r.x, r.y, r.w, r.h);
  return r;
}

Ref<TPixmap> PixmapOf(TGlyph& g) { return Cast<TPixmap>(g.Pixels()); }

Ref<TGlyph> GlyphFor(TFont& font, char16_t c) {
  const int32_t index = font.CharToGlyph(c);
  return index < 0 ? nullptr : font.LoadGlyph(index);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint8_t At(const TPixmap& p, int32_t x, int32_t y) { return *p.PixelPtr(x, y); }

bool RowHasInk(const TPixmap& p, int32_t y) {
  for (int32_t x = 0; x < p.width; ++x)
    if (At(p, x, y)) return true;
  return false;
}

int32_t MaxCoverage(const TPixmap& p) {
  int32_t most = 0;
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t x = 0; x < p.width; ++x) most = std::max<int32_t>(most, At(p, x, y));
  return most;
}

}  // namespace

TEST_F(FreeTypeFont, LineMetricsComeFromTheSelectedSize) {
  // Liberation Sans: ascender 1854, descender -434, line gap 67 per 2048 units;
  // the library rounds the ascender up, the descender down and the height to
  // the nearest pixel.
  Ref<TFreeTypeFont> small = Liberation(16);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->PixelSize(), 16);
  EXPECT_EQ(small->Ascend(), 15);
  EXPECT_EQ(small->Descend(), -4);
  EXPECT_EQ(small->Height(), 18);
  EXPECT_EQ(small->Style(), 0);

  Ref<TFreeTypeFont> big = Liberation(80, FONT_SMOOTH);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->Ascend(), 73);
  EXPECT_EQ(big->Descend(), -17);
  EXPECT_EQ(big->Height(), 92);
  EXPECT_EQ(big->Style(), FONT_SMOOTH);
  // One slot per glyph of the face; the index space is the same at every size.
  EXPECT_GT(small->CountGlyphs(), 2000);
  EXPECT_EQ(small->CountGlyphs(), big->CountGlyphs());
}

TEST_F(FreeTypeFont, GlyphRectanglesFitTheirInkAndTheLine) {
  Ref<TFreeTypeFont> font = Liberation(16);
  ASSERT_TRUE(font);
  for (char16_t c : std::u16string(u"AgHxW")) {
    SCOPED_TRACE(static_cast<int>(c));
    Ref<TGlyph> g = GlyphFor(*font, c);
    ASSERT_TRUE(g);
    const Rect r = RectOf(*g);
    Ref<TPixmap> p = PixmapOf(*g);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->format, FORMAT_ALPHA8);
    EXPECT_EQ(p->width, r.w);
    EXPECT_EQ(p->height, r.h);
    // The bitmap is cut around the ink: its top and bottom rows have some.
    EXPECT_TRUE(RowHasInk(*p, 0));
    EXPECT_TRUE(RowHasInk(*p, p->height - 1));
    EXPECT_GE(MaxCoverage(*p), 250);
    // Ink stays inside the line: from its top to the descender below the baseline.
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.y + r.h, font->Ascend() - font->Descend() + 1);
    EXPECT_GT(g->Advance(), 0.0f);
    EXPECT_EQ(g->Advance(), static_cast<float>(static_cast<int32_t>(g->Advance())));
  }
  // Capitals sit on the baseline; "g" reaches below it.
  const Rect a = RectOf(*GlyphFor(*font, u'A'));
  const Rect g = RectOf(*GlyphFor(*font, u'g'));
  EXPECT_EQ(a.y + a.h, font->Ascend());
  EXPECT_GT(g.y + g.h, font->Ascend());
  // Liberation Sans's "A" advances 1366 of 2048 units: 10.67 pixels, 11 once hinted.
  EXPECT_EQ(GlyphFor(*font, u'A')->Advance(), 11.0f);
}

TEST_F(FreeTypeFont, SpaceAdvancesWithoutPixels) {
  Ref<TFreeTypeFont> font = Liberation(16, FONT_SMOOTH);
  ASSERT_TRUE(font);
  Ref<TGlyph> space = GlyphFor(*font, u' ');
  ASSERT_TRUE(space);
  EXPECT_FALSE(space->Pixels());
  EXPECT_GT(space->Advance(), 0.0f);
  EXPECT_EQ(RectOf(*space).w, 0);
}

TEST_F(FreeTypeFont, UmlautsAndSharpSHaveInkedGlyphsWithTheirMarksAboveTheBaseLetter) {
  Ref<TFreeTypeFont> font = Liberation(16, FONT_SMOOTH);
  ASSERT_TRUE(font);
  const std::u16string umlauts = u"äöüÄÖÜß";
  const std::u16string bases = u"aouAOU";
  for (size_t i = 0; i < umlauts.size(); ++i) {
    SCOPED_TRACE(i);
    Ref<TGlyph> g = GlyphFor(*font, umlauts[i]);
    ASSERT_TRUE(g);
    Ref<TPixmap> p = PixmapOf(*g);
    ASSERT_TRUE(p);
    EXPECT_GE(MaxCoverage(*p), 200);
    if (i < bases.size()) {
      Ref<TGlyph> base = GlyphFor(*font, bases[i]);
      ASSERT_TRUE(base);
      EXPECT_NE(font->CharToGlyph(umlauts[i]), font->CharToGlyph(bases[i]));
      EXPECT_LT(RectOf(*g).y, RectOf(*base).y);  // the dots stand above
      EXPECT_EQ(g->Advance(), base->Advance());
    }
  }
}

TEST_F(FreeTypeFont, CharactersWithoutGlyphMapToMinusOne) {
  Ref<TFreeTypeFont> font = Liberation(16);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->CharToGlyph(0x4E00), -1);  // a CJK ideograph the face lacks
  EXPECT_EQ(font->CharToGlyph(0xFFFF), -1);
  EXPECT_EQ(font->CharToGlyph(-65), -1);
  EXPECT_GE(font->CharToGlyph('A'), 0);
  // Glyph numbering starts one past the face's own missing-glyph shape.
  EXPECT_LT(font->CharToGlyph('A'), font->CountGlyphs());
}

TEST_F(FreeTypeFont, GlyphsAreCachedAndIndicesOutsideTheFontGiveNull) {
  Ref<TFreeTypeFont> font = Liberation(16);
  ASSERT_TRUE(font);
  const int32_t a = font->CharToGlyph('A');
  EXPECT_EQ(font->LoadGlyph(a), font->LoadGlyph(a));
  EXPECT_FALSE(font->LoadGlyph(-1));
  EXPECT_FALSE(font->LoadGlyph(font->CountGlyphs()));
  // The last index lies past the face's last glyph: an empty glyph, not a fault.
  Ref<TGlyph> last = font->LoadGlyph(font->CountGlyphs() - 1);
  ASSERT_TRUE(last);
  EXPECT_FALSE(last->Pixels());
  EXPECT_EQ(last->Advance(), 0.0f);
}

TEST_F(FreeTypeFont, SmoothGlyphsGetATransparentRingAroundTheSamePixels) {
  Ref<TFreeTypeFont> plain = Liberation(16, 0);
  Ref<TFreeTypeFont> smooth = Liberation(16, FONT_SMOOTH);
  ASSERT_TRUE(plain && smooth);
  for (char16_t c : std::u16string(u"AÖj")) {
    SCOPED_TRACE(static_cast<int>(c));
    Ref<TGlyph> pg = GlyphFor(*plain, c);
    Ref<TGlyph> sg = GlyphFor(*smooth, c);
    const Rect pr = RectOf(*pg);
    EXPECT_EQ(RectOf(*sg), (Rect{pr.x - 1, pr.y - 1, pr.w + 2, pr.h + 2}));
    EXPECT_EQ(sg->Advance(), pg->Advance());
    Ref<TPixmap> pp = PixmapOf(*pg);
    Ref<TPixmap> sp = PixmapOf(*sg);
    ASSERT_TRUE(pp && sp);
    ASSERT_EQ(sp->width, pp->width + 2);
    ASSERT_EQ(sp->height, pp->height + 2);
    EXPECT_EQ(sp->format, FORMAT_ALPHA8);
    for (int32_t y = 0; y < sp->height; ++y)
      for (int32_t x = 0; x < sp->width; ++x) {
        const bool ring = x == 0 || y == 0 || x == sp->width - 1 || y == sp->height - 1;
        ASSERT_EQ(At(*sp, x, y), ring ? 0 : At(*pp, x - 1, y - 1)) << x << "," << y;
      }
  }
}

TEST_F(FreeTypeFont, OneBitGlyphsExpandToFullCoverageAndGainTheSmoothRing) {
  TempDir dir;
  const String path(WriteTinyBitmapFace(dir).c_str());

  Ref<TFreeTypeFont> plain = TFreeTypeFont::Load(path, 8, 0);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->Ascend(), 7);
  Ref<TGlyph> a = GlyphFor(*plain, u'A');
  ASSERT_TRUE(a);
  EXPECT_EQ(RectOf(*a), (Rect{1, 0, 5, 7}));
  EXPECT_EQ(a->Advance(), 6.0f);
  Ref<TPixmap> p = PixmapOf(*a);
  ASSERT_TRUE(p);
  for (int32_t y = 0; y < 7; ++y)
    for (int32_t x = 0; x < 5; ++x)
      EXPECT_EQ(At(*p, x, y), (kTinyA[y] & (0x80 >> x)) ? 255 : 0) << x << "," << y;

  // The 5 x 7 glyph at left 1, top 7 (ascender 7) becomes 7 x 9 at (0, -1).
  Ref<TFreeTypeFont> smooth = TFreeTypeFont::Load(path, 8, FONT_SMOOTH);
  ASSERT_TRUE(smooth);
  Ref<TGlyph> sa = GlyphFor(*smooth, u'A');
  EXPECT_EQ(RectOf(*sa), (Rect{0, -1, 7, 9}));
  Ref<TPixmap> sp = PixmapOf(*sa);
  ASSERT_TRUE(sp);
  for (int32_t y = 0; y < 9; ++y)
    for (int32_t x = 0; x < 7; ++x) {
      const bool ink = x >= 1 && x <= 5 && y >= 1 && y <= 7 && (kTinyA[y - 1] & (0x80 >> (x - 1)));
      EXPECT_EQ(At(*sp, x, y), ink ? 255 : 0) << x << "," << y;
    }
}

// Found by fuzzing: a bitmap glyph with a size but no bitmap lines has no
// pixel buffer at all, and copying its rows read through a null pointer.
TEST_F(FreeTypeFont, ABitmapGlyphWithoutItsBitmapLinesHasNoPixels) {
  TempDir dir;
  const String path(dir.Write("no_bitmap.bdf",
                              "STARTFONT 2.1\nFONT -test-x-1\nSIZE 8 72 72\nFONTBOUNDINGBOX 5 8 0 -1\n"
                              "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 750 0\nDWIDTH 6 0\nBBX 5 7 1 0\n"
                              "ENDCHAR\nENDFONT\n")
                        .c_str());
  Ref<TFreeTypeFont> font = TFreeTypeFont::Load(path, 8, FONT_SMOOTH);
  ASSERT_TRUE(font);
  Ref<TGlyph> a = GlyphFor(*font, u'A');
  ASSERT_TRUE(a);
  EXPECT_FALSE(PixmapOf(*a));
}

TEST_F(FreeTypeFont, ASizeTheFaceLacksFallsBackToTheLargestSmallerOne) {
  TempDir dir;
  const String path(WriteTinyBitmapFace(dir).c_str());
  Ref<TFreeTypeFont> font = TFreeTypeFont::Load(path, 12, 0);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->PixelSize(), 8);
  EXPECT_EQ(font->Height(), 8);
  // Nothing at or below 7 pixels: no usable size.
  EXPECT_FALSE(TFreeTypeFont::Load(path, 7, 0));
}

TEST_F(FreeTypeFont, SizesOfZeroOrLessGiveNullAndHugeSizesAreCapped) {
  EXPECT_FALSE(Liberation(0));
  EXPECT_FALSE(Liberation(-1));
  EXPECT_FALSE(Liberation(INT_MIN));

  Ref<TFreeTypeFont> huge = Liberation(10000);
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge->PixelSize(), FREETYPE_MAX_PIXEL_SIZE);
  Ref<TGlyph> w = GlyphFor(*huge, u'W');
  ASSERT_TRUE(w);
  Ref<TPixmap> p = PixmapOf(*w);
  ASSERT_TRUE(p);
  EXPECT_LE(p->width, FreeTypeMaxGlyphExtent(FREETYPE_MAX_PIXEL_SIZE));
  EXPECT_GT(p->width, 900);  // "W" is nearly an em wide
}

TEST_F(FreeTypeFont, EmptyTruncatedAndForeignFilesGiveNull) {
  TempDir dir;
  const std::string ttf = ReadFile(LiberationSansPath());
  const std::string png = ReadFile(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn2c08.png");
  ASSERT_GT(ttf.size(), 400000u);
  ASSERT_FALSE(png.empty());
  std::string noise(20000, '\0');
  uint32_t state = 12345;
  for (char& c : noise) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }

  std::vector<std::pair<std::string, std::string>> files = {
      {"empty.ttf", ""},
      {"noise.ttf", noise},
      {"picture.ttf", png},
      {"noise-behind-a-font-header.ttf", ttf.substr(0, 12) + noise},
  };
  // Cut anywhere, even a few bytes short of the end.
  for (size_t cut : {size_t{12}, size_t{300}, size_t{2000}, ttf.size() / 2, ttf.size() - 4000, ttf.size() - 3})
    files.push_back({"cut-" + std::to_string(cut) + ".ttf", ttf.substr(0, cut)});

  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    const String path(dir.Write(name, bytes).c_str());
    EXPECT_FALSE(LoadFont(path, 16, FONT_SMOOTH));
  }
  EXPECT_FALSE(LoadFont(String((dir / "missing.ttf").c_str()), 16, 0));
  EXPECT_FALSE(LoadFont(String(dir.Path().c_str()), 16, 0));  // a folder
  EXPECT_FALSE(LoadFont(String(""), 16, 0));
  // The whole file still loads from the same folder.
  EXPECT_TRUE(LoadFont(String(dir.Write("whole.ttf", ttf).c_str()), 16, 0));
}
