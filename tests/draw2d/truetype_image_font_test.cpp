#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "font/freetype_font.h"
#include "tests/draw2d/recording_driver.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

const std::string kSans = TAZMIX_TEST_DATA_DIR "/fonts/LiberationSans-Regular.ttf";

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TrueTypeImageFonts : public Draw2DTest {
 protected:
  void SetUp() override {
    Draw2DTest::SetUp();
    InitFreeTypeFont();
  }
};

TEST_F(TrueTypeImageFonts, UmlautsHaveSmoothGlyphImages) {
  auto font = LoadImageFont(String(kSans.c_str()), 16, FONT_SMOOTH);
  ASSERT_TRUE(font);
  EXPECT_GT(font->Height(), 0);
  SetImageFont(font);
  for (char16_t c : std::u16string(u"äöüÄÖÜß")) {
    const int32_t index = font->CharToGlyph(c);
    ASSERT_GE(index, 0) << int(c);
    auto glyph = font->LoadGlyph(index);
    ASSERT_TRUE(glyph && glyph->_image) << int(c);
    EXPECT_EQ(glyph->_image->flags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
    EXPECT_GT(glyph->Advance(), 0);
  }
  EXPECT_GT(TextWidth(u"Wörter übrig: "), TextWidth(u"Wörter"));

  Log().Clear();
  DrawText(u"Öl", 0, 0);
  EXPECT_EQ(Log().Named("Frame.Draw").size(), 2u);
}

TEST_F(TrueTypeImageFonts, FilesThatAreNoFontGiveNull) {
  TempDir dir;
  const std::string png_bytes = FileBytes(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn2c08.png");
  ASSERT_FALSE(png_bytes.empty());
  const std::string sans = FileBytes(kSans);
  for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"empty.ttf", ""},
                                    {"random.ttf", "\x13\x37\xC0\xFF\xEE random bytes, not a font"},
                                    {"picture.ttf", png_bytes},
                                    {"truncated.ttf", sans.substr(0, sans.size() / 3)}}) {
    EXPECT_EQ(LoadImageFont(String(dir.Write(name, bytes).c_str()), 16, FONT_SMOOTH), nullptr) << name;
  }
  EXPECT_EQ(LoadImageFont(String((dir / "missing.ttf").c_str()), 16, 0), nullptr);
}

}  // namespace
