#include <gtest/gtest.h>

#include <vector>

#include "pixmap/pixmap.h"
#include "pixmap/pixmap_flip.h"
#include "pixmap/pixmap_mask.h"
#include "pixmap/pixmap_resize.h"

using namespace tazmix;

namespace {

uint32_t At(const Ref<TPixmap>& p, int32_t x, int32_t y) { return static_cast<uint32_t>(p->ReadPixel(x, y)); }

// A pixmap whose pixel (x, y) is opaque with red x*40+1, green y*40+2, blue 3.
Ref<TPixmap> Gradient(int32_t w, int32_t h, int32_t format) {
  Ref<TPixmap> p = CreatePixmap(w, h, format, 4);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) p->WritePixel(x, y, PackARGB(255, x * 40 + 1, y * 40 + 2, 3));
  return p;
}

}  // namespace

TEST(MaskPixmap, MaskColourBecomesTransparentWithNeighbourAverage) {
  // . = mask (255, 0, 255); A = (10, 20, 30); B = (40, 50, 61)
  //   row 0: A . B
  //   row 1: . . .
  //   row 2: . . .
  const int32_t mask = PackARGB(255, 255, 0, 255);
  Ref<TPixmap> p = CreatePixmap(3, 3, FORMAT_BGR24, 4);
  p->ClearPixels(mask);
  p->WritePixel(0, 0, PackARGB(255, 10, 20, 30));
  p->WritePixel(2, 0, PackARGB(255, 40, 50, 61));

  Ref<TPixmap> m = MaskPixmap(p, 255, 0, 255);
  ASSERT_EQ(m->format, FORMAT_RGBA32);
  EXPECT_EQ(At(m, 0, 0), 0xFF0A141Eu);  // visible pixels are opaque and keep their colour
  EXPECT_EQ(At(m, 2, 0), 0xFF28323Du);
  EXPECT_EQ(At(m, 1, 0), 0x0019232Du);  // both neighbours: (25, 35, 45) from (50/2, 70/2, 91/2)
  EXPECT_EQ(At(m, 0, 1), 0x000A141Eu);  // only A
  EXPECT_EQ(At(m, 1, 1), 0x0019232Du);  // A and B diagonally
  EXPECT_EQ(At(m, 2, 1), 0x0028323Du);  // only B
  EXPECT_EQ(At(m, 1, 2), 0x00000000u);  // no visible neighbour
}

TEST(MaskPixmap, DiscardsAlphaOfVisiblePixelsAndClearsAnAllMaskPixmap) {
  Ref<TPixmap> p = CreatePixmap(2, 2, FORMAT_RGBA32, 4);
  p->ClearPixels(0x10000000);  // black at alpha 16 = the mask colour black
  p->WritePixel(1, 1, 0x10FFFFFF);
  Ref<TPixmap> m = MaskPixmap(p, 0, 0, 0);
  EXPECT_NE(m.get(), p.get());
  EXPECT_EQ(At(m, 1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(At(m, 0, 0), 0x00FFFFFFu);

  Ref<TPixmap> all = CreatePixmap(3, 2, FORMAT_RGB24, 4);
  all->ClearPixels(PackARGB(255, 1, 2, 3));
  Ref<TPixmap> cleared = MaskPixmap(all, 1, 2, 3);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t i = 0; i < 12; ++i) EXPECT_EQ(cleared->PixelPtr(0, y)[i], 0);
}

TEST(FlipPixmap, MirrorsEveryFormatWidth) {
  for (int32_t format : {FORMAT_GREY8, FORMAT_RGB24, FORMAT_RGBA32}) {
    // Through a window, so the source has padded rows.
    Ref<TPixmap> big = Gradient(7, 5, format);
    Ref<TPixmap> src = big->Window(1, 1, 5, 3);
    Ref<TPixmap> x = XFlipPixmap(src), y = YFlipPixmap(src);
    ASSERT_EQ(x->format, format);
    ASSERT_EQ(y->width, 5);
    for (int32_t j = 0; j < 3; ++j)
      for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(At(x, i, j), At(src, 4 - i, j)) << format;
        EXPECT_EQ(At(y, i, j), At(src, i, 2 - j)) << format;
      }
  }
  // One-channel formats are flipped byte by byte.
  Ref<TPixmap> lum = CreatePixmap(3, 1, FORMAT_LUMINANCE8, 4);
  lum->pixels[0] = 1, lum->pixels[1] = 2, lum->pixels[2] = 3;
  Ref<TPixmap> flipped = XFlipPixmap(lum);
  EXPECT_EQ(flipped->pixels[0], 3);
  EXPECT_EQ(flipped->pixels[2], 1);
}

TEST(ResizePixmap, SameSizeIsExactAndOnePixelRepeats) {
  Ref<TPixmap> src = Gradient(5, 4, FORMAT_BGRA32);
  src->WritePixel(2, 2, 0x12345678);
  Ref<TPixmap> same = ResizePixmap(src, 5, 4);
  ASSERT_EQ(same->format, FORMAT_BGRA32);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(At(same, x, y), At(src, x, y));

  Ref<TPixmap> dot = CreatePixmap(1, 1, FORMAT_RGB24, 4);
  dot->WritePixel(0, 0, 0xC86432);
  Ref<TPixmap> big = ResizePixmap(dot, 4, 4);
  ASSERT_EQ(big->format, FORMAT_RGB24);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(At(big, x, y), 0xFFC86432u);
}

TEST(ResizePixmap, InterpolatesBetweenSampleCentres) {
  // Two pixels, 0 and 200, stretched to four: centres at -0.25, 0.25, 0.75, 1.25.
  Ref<TPixmap> src = CreatePixmap(2, 1, FORMAT_GREY8, 4);
  src->pixels[0] = 0, src->pixels[1] = 200;
  Ref<TPixmap> wide = ResizePixmap(src, 4, 1);
  EXPECT_EQ(wide->pixels[0], 0);    // clamped at the left edge
  EXPECT_EQ(wide->pixels[1], 50);
  EXPECT_EQ(wide->pixels[2], 150);
  EXPECT_EQ(wide->pixels[3], 200);  // clamped at the right edge

  // Halving a 4x4 averages 2x2 blocks (centres fall between source pixels).
  Ref<TPixmap> block = CreatePixmap(4, 4, FORMAT_RGBA32, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) block->WritePixel(x, y, PackARGB(255, (x + y * 4) * 10, 0, 0));
  Ref<TPixmap> half = ResizePixmap(block, 2, 2);
  EXPECT_EQ(RedOf(half->ReadPixel(0, 0)), (0 + 10 + 40 + 50) / 4);
  EXPECT_EQ(RedOf(half->ReadPixel(1, 1)), (100 + 110 + 140 + 150) / 4);
  EXPECT_EQ(AlphaOf(half->ReadPixel(1, 0)), 255);

  Ref<TPixmap> empty = ResizePixmap(block, 0, 3);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->width, 0);
}
