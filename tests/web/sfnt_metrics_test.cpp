// The web platform's reading of font files against what the FreeType
// platform reports for the same font (Liberation Sans, whose numbers the
// native build gives), and a damaged file refused without a crash.
#include <gtest/gtest.h>

#include <vector>

#include "font/platform/web/sfnt_metrics.h"
#include "stream/load_save.h"

namespace tazmix {
namespace {

std::vector<uint8_t> TestFont() {
  return LoadByteArray(String(TAZMIX_TEST_DATA_DIR "/fonts/LiberationSans-Regular.ttf"));
}

TEST(SfntMetrics, LineMetricsGlyphsAndAdvancesAreFreeTypes) {
  const std::vector<uint8_t> file = TestFont();
  SfntMetrics metrics;
  ASSERT_EQ(metrics.Read(file), nullptr);
  EXPECT_EQ(metrics.GlyphCount(), 2620);
  struct Size {
    int32_t pixels, height, ascend, descend, advance_a, advance_w, advance_i;
  };
  for (const Size& s : {Size{12, 14, 11, -3, 8, 11, 3}, Size{16, 18, 15, -4, 11, 15, 4}, Size{80, 92, 73, -17, 53, 76, 18}}) {
    int32_t height = 0, ascend = 0, descend = 0;
    metrics.LineMetrics(s.pixels, &ascend, &descend, &height);
    EXPECT_EQ(height, s.height) << s.pixels;
    EXPECT_EQ(ascend, s.ascend) << s.pixels;
    EXPECT_EQ(descend, s.descend) << s.pixels;
    EXPECT_EQ(metrics.Advance(metrics.GlyphOf('A'), s.pixels), s.advance_a) << s.pixels;
    EXPECT_EQ(metrics.Advance(metrics.GlyphOf('W'), s.pixels), s.advance_w) << s.pixels;
    EXPECT_EQ(metrics.Advance(metrics.GlyphOf('i'), s.pixels), s.advance_i) << s.pixels;
  }
  // The FreeType platform's glyph indices are these minus one.
  EXPECT_EQ(metrics.GlyphOf('A'), 36);
  EXPECT_EQ(metrics.GlyphOf(0xE4), 166);
  EXPECT_EQ(metrics.GlyphOf(0x20AC), 2088);
  EXPECT_EQ(metrics.GlyphOf(0x10FFFF), 0);
  EXPECT_EQ(metrics.GlyphOf(-5), 0);
}

TEST(SfntMetrics, CutOrGarbledFilesAreRefused) {
  const std::vector<uint8_t> file = TestFont();
  for (size_t keep : {size_t{0}, size_t{11}, size_t{200}, file.size() / 2, file.size() - 1}) {
    const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep));
    SfntMetrics metrics;
    EXPECT_NE(metrics.Read(cut), nullptr) << keep;
  }
  // Every byte of the table list flipped in turn: an answer, never a crash.
  std::vector<uint8_t> garbled = file;
  for (size_t i = 0; i < 12 + 16 * 20 && i < garbled.size(); ++i) {
    garbled[i] ^= 0xFF;
    SfntMetrics metrics;
    if (!metrics.Read(garbled)) {
      for (int32_t code = 0; code < 0x300; ++code) metrics.GlyphOf(code);
    }
    garbled[i] ^= 0xFF;
  }
}

}  // namespace
}  // namespace tazmix
