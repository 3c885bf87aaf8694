#include <gtest/gtest.h>

#include "font/font_loader.h"
#include "runtime/application.h"
#include "tests/draw2d/recording_driver.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

using ImageFonts = Draw2DTest;

TEST_F(ImageFonts, DefaultFontMetrics) {
  auto font = TImageFont::CreateDefault();
  EXPECT_EQ(font->_src_font, nullptr);
  EXPECT_EQ(font->Style(), 0);
  EXPECT_EQ(font->Height(), 16);
  EXPECT_EQ(font->CountGlyphs(), 96);
  EXPECT_EQ(font->CharToGlyph(' '), 0);
  EXPECT_EQ(font->CharToGlyph('A'), 33);
  EXPECT_EQ(font->CharToGlyph(127), 95);
  EXPECT_EQ(font->CharToGlyph(31), -1);
  EXPECT_EQ(font->CharToGlyph(128), -1);
  EXPECT_EQ(font->CharToGlyph(u'ä'), -1);
  EXPECT_EQ(font->LoadGlyph(96), nullptr);
  EXPECT_EQ(font->LoadGlyph(-1), nullptr);
  for (int32_t g = 0; g < 96; ++g) {
    auto glyph = font->LoadGlyph(g);
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->Advance(), 8.0f);
    int32_t x, y, w, h;
    glyph->GetRect(x, y, w, h);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 16);
    auto image = Cast<TImage>(glyph->Pixels());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->flags, 0);  // unfiltered, unmasked
    EXPECT_EQ(image->width, 8);
    EXPECT_EQ(image->height, 16);
  }
}

TEST_F(ImageFonts, DefaultGlyphsLightExactlyTheBitsOfTheEmbeddedFile) {
  auto font = TImageFont::CreateDefault();
  const uint8_t* bits = EmbeddedFileData("tazmofont.bin");
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(EmbeddedFileLength("tazmofont.bin"), 1536);
  for (int32_t g = 0; g < 96; ++g) {
    auto pixmap = font->LoadGlyph(g)->_image->Lock(0, 1, 0);
    for (int32_t row = 0; row < 16; ++row) {
      for (int32_t k = 0; k < 8; ++k) {
        const bool ink = (bits[row * 96 + g] >> k) & 1;
        ASSERT_EQ(pixmap->ReadPixel(k, row), ink ? int32_t(0xFFFFFFFF) : 0) << "glyph " << g << " row " << row;
      }
    }
  }
  // The letter A of the example: row 2 is 7C, columns 2 to 6 lit.
  auto a = font->LoadGlyph(33)->_image->Lock(0, 1, 0);
  EXPECT_EQ(a->ReadPixel(1, 2), 0);
  EXPECT_EQ(a->ReadPixel(2, 2), int32_t(0xFFFFFFFF));
  EXPECT_EQ(a->ReadPixel(6, 2), int32_t(0xFFFFFFFF));
  EXPECT_EQ(a->ReadPixel(7, 2), 0);
}

TEST_F(ImageFonts, TextWidthAndHeight) {
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("Hello"), 40);
  EXPECT_EQ(TextWidth(u"Hä\x1F!"), 16);  // unmapped characters add nothing
  EXPECT_EQ(TextHeight(), 16);
  EXPECT_EQ(TextHeight("ignored"), 16);
}

TEST_F(ImageFonts, TextIsDrawnGlyphByGlyphAlongThePen) {
  SetOrigin(1, 2);
  DrawText(u"A ä\tB", 10, 20);
  // The space is drawn too (transparent); the unmapped characters are skipped
  // without moving the pen.
  const auto draws = Log().Named("Frame.Draw");
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[0].Text(), "Frame.Draw 0 0 8 16 11 22 0 0 8 16");
  EXPECT_EQ(draws[1].Text(), "Frame.Draw 0 0 8 16 19 22 0 0 8 16");
  EXPECT_EQ(draws[2].Text(), "Frame.Draw 0 0 8 16 27 22 0 0 8 16");
}

TEST_F(ImageFonts, TheMatrixSpacesTheGlyphsAndPlacesTheHandle) {
  SetScale(2, 1);
  SetHandle(4, 3);
  Log().Clear();
  DrawText("AB", 100, 50);
  // Start: x + handle_x * ix + handle_y * iy = 100 - 4 * 2, y - 3.
  const auto draws = Log().Named("Frame.Draw");
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].args[4], 92);
  EXPECT_EQ(draws[0].args[5], 47);
  EXPECT_EQ(draws[1].args[4], 108);
  EXPECT_EQ(draws[1].args[5], 47);
}

TEST_F(ImageFonts, GlyphFramesAreMadeOncePerGraphicsSequence) {
  DrawText("AAA", 0, 0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 1u);
  EXPECT_EQ(Log().Named("CreateFrame")[0].Text(), "CreateFrame 8 16 0");
  SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
  SetGraphics(graphics);
  Log().Clear();
  DrawText("AA", 0, 0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 1u);
  EXPECT_EQ(Log().Named("Frame.Draw").size(), 2u);
}

}  // namespace

namespace {

// A small font of three glyphs: "a" with pixels, "b" whose source glyph
// cannot be made, and a space without pixels.
class StubGlyph : public TGlyph {
 public:
  StubGlyph(Ref<Object> pixels, float advance) : pixels_(std::move(pixels)), advance_(advance) {}
  Ref<Object> Pixels() override { return pixels_; }
  float Advance() override { return advance_; }
  void GetRect(int32_t& x, int32_t& y, int32_t& w, int32_t& h) override {
    x = 1;
    y = 2;
    w = 3;
    h = 5;
  }

 private:
  Ref<Object> pixels_;
  float advance_;
};

class StubFont : public TFont {
 public:
  explicit StubFont(int32_t style) : style_(style) {}
  int32_t Style() override { return style_; }
  int32_t Height() override { return 11; }
  int32_t CountGlyphs() override { return 3; }
  int32_t CharToGlyph(int32_t code) override {
    switch (code) {
      case 'a': return 0;
      case 'b': return 1;
      case ' ': return 2;
      default: return -1;
    }
  }
  Ref<TGlyph> LoadGlyph(int32_t index) override {
    ++loads;
    if (index == 0) {
      auto pixmap = CreatePixmap(3, 5, FORMAT_ALPHA8);
      pixmap->ClearPixels(0);
      return New<StubGlyph>(pixmap, 4.5f);
    }
    if (index == 2) return New<StubGlyph>(nullptr, 3.0f);
    return nullptr;
  }

  int32_t loads = 0;

 private:
  int32_t style_;
};

class StubFontLoader : public TFontLoader {
 public:
  Ref<TFont> LoadFont(const Ref<Object>& url, int32_t, int32_t style) override {
    String name;
    if (!String::FromObject(url.get(), &name) || !(name == String("stub-font"))) return nullptr;
    return New<StubFont>(style);
  }
};

class LoadedImageFonts : public Draw2DTest {
 protected:
  void SetUp() override {
    Draw2DTest::SetUp();
    static bool added = false;
    if (!added) AddFontLoader(New<StubFontLoader>());
    added = true;
  }
};

TEST_F(LoadedImageFonts, GlyphsAreMadeOnceFromTheSourceFont) {
  auto font = LoadImageFont("stub-font", 12, 0);
  ASSERT_TRUE(font);
  auto* source = static_cast<StubFont*>(font->_src_font.get());
  EXPECT_EQ(font->Height(), 11);
  EXPECT_EQ(font->CountGlyphs(), 3);
  auto a = font->LoadGlyph(0);
  ASSERT_TRUE(a);
  EXPECT_EQ(font->LoadGlyph(0), a);
  EXPECT_EQ(source->loads, 1);
  EXPECT_EQ(a->Advance(), 4.5f);
  ASSERT_TRUE(a->_image);
  EXPECT_EQ(a->_image->flags, 0);
  EXPECT_EQ(a->_image->Lock(0, 1, 0)->format, FORMAT_ALPHA8);  // alpha already: not masked

  // A glyph the source cannot make is kept empty and not asked for again.
  auto b = font->LoadGlyph(1);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->_image, nullptr);
  font->LoadGlyph(1);
  EXPECT_EQ(source->loads, 2);

  EXPECT_EQ(font->LoadGlyph(2)->_image, nullptr);  // the space has no pixels
  EXPECT_EQ(font->LoadGlyph(3), nullptr);
}

TEST_F(LoadedImageFonts, SmoothFontsUseFilteredMipmappedGlyphs) {
  auto font = LoadImageFont("stub-font", 12, FONT_SMOOTH);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Style(), FONT_SMOOTH);
  EXPECT_EQ(font->_imageFlags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  EXPECT_EQ(font->LoadGlyph(0)->_image->flags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
}

TEST_F(LoadedImageFonts, PenAdvancesAndTruncatedWidths) {
  SetImageFont(LoadImageFont("stub-font", 12, 0));
  // Each sum is cut to an Int: 4.5 -> 4, 4 + 4.5 -> 8.
  EXPECT_EQ(TextWidth("aa"), 8);
  EXPECT_EQ(TextWidth("a a?"), 11);  // 4, 7, 11.5 -> 11
  EXPECT_EQ(TextHeight(), 11);

  Log().Clear();
  DrawText("a ?a", 10, 20);
  // Glyphs sit at their rectangle's offset (1, 2) from the pen; the space
  // only moves the pen, the unmapped "?" not even that.
  const auto draws = Log().Named("Frame.Draw");
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].Text(), "Frame.Draw 0 0 3 5 11 22 0 0 3 5");
  EXPECT_EQ(draws[1].Text(), "Frame.Draw 0 0 3 5 18.5 22 0 0 3 5");
}

TEST_F(LoadedImageFonts, SourcesNoLoaderAcceptsGiveNull) {
  EXPECT_EQ(LoadImageFont("no-such-font.ttf", 12, 0), nullptr);
  EXPECT_EQ(TImageFont::Load(nullptr, 12, 0), nullptr);
}

}  // namespace
