// Misuse of pixmaps, the loader chain and the PNG writer. Pixel rows work on
// a 4 x 3 window in the middle of an 8 x 7 parent, so a write that strays
// outside the window shows in the parent even where it would not crash.
#include "pixmap/pixel_convert.h"
#include "pixmap/pixmap.h"
#include "pixmap/pixmap_flip.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/pixmap_mask.h"
#include "pixmap/pixmap_resize.h"
#include "pixmap/png_loader.h"
#include "stream/bank.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

constexpr int32_t kRed = static_cast<int32_t>(0xFFFF0000);

Ref<TPixmap> parent;

// The window; its parent is cleared to 0 first.
Ref<TPixmap> Window() {
  parent = CreatePixmap(8, 7, FORMAT_RGBA32);
  parent->ClearPixels(0);
  return PixmapWindow(parent, 2, 2, 4, 3);
}

// Parent pixels that are not 0 outside the window's rectangle.
int StrayPixels() {
  int n = 0;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 8; ++x) n += (x < 2 || x >= 6 || y < 2 || y >= 5) && parent->ReadPixel(x, y) != 0;
  return n;
}

Ref<TPixmap> Red(int32_t w = 4, int32_t h = 3) {
  Ref<TPixmap> p = CreatePixmap(w, h, FORMAT_RGBA32);
  p->ClearPixels(kRed);
  return p;
}

void ExpectWindow(const Ref<TPixmap>& w, int32_t width, int32_t height, int32_t x, int32_t y) {
  ASSERT_TRUE(w);
  EXPECT_EQ(w->width, width);
  EXPECT_EQ(w->height, height);
  if (width > 0 && height > 0) {
    EXPECT_EQ(w->pixels, parent->PixelPtr(x, y));
  }
}

const Row kRows[] = {
    {"CreatePixmapNegative", [] { EXPECT_FALSE(CreatePixmap(-1, 4, FORMAT_RGBA32)); }},
    {"CreatePixmapHuge", [] { EXPECT_FALSE(CreatePixmap(100000, 100000, FORMAT_RGBA32)); }},
    {"CreatePixmapLargestInt", [] { EXPECT_FALSE(CreatePixmap(INT32_MAX, INT32_MAX, FORMAT_GREY8)); }},
    {"CreatePixmapFormat0", [] { EXPECT_FALSE(CreatePixmap(4, 4, 0)); }},
    {"CreatePixmapFormat13", [] { EXPECT_FALSE(CreatePixmap(4, 4, 13)); }},
    {"CreatePixmapAlignNegative", [] { EXPECT_EQ(CreatePixmap(3, 2, FORMAT_RGB24, -8)->pitch, 9); }},
    {"CreateStaticPixmapNoMemory", [] { EXPECT_FALSE(CreateStaticPixmap(nullptr, 4, 4, 16, FORMAT_RGBA32)); }},
    {"CreateStaticPixmapShortPitch", [] { static uint8_t m[64]; EXPECT_FALSE(CreateStaticPixmap(m, 4, 4, 3, FORMAT_RGBA32)); }},
    {"CreateStaticPixmapFormat99", [] { static uint8_t m[64]; EXPECT_FALSE(CreateStaticPixmap(m, 4, 4, 16, 99)); }},
    {"ReadPixelLeftOfWindow", [] { Ref<TPixmap> w = Window(); parent->WritePixel(1, 2, kRed); EXPECT_EQ(ReadPixel(w, -1, 0), 0); }},
    {"ReadPixelBelowWindow", [] { Ref<TPixmap> w = Window(); parent->WritePixel(2, 5, kRed); EXPECT_EQ(ReadPixel(w, 0, 3), 0); }},
    {"ReadPixelSmallestInt", [] { EXPECT_EQ(ReadPixel(Window(), INT32_MIN, INT32_MIN), 0); }},
    {"WritePixelLeftOfWindow", [] { WritePixel(Window(), -1, 0, kRed); EXPECT_EQ(StrayPixels(), 0); }},
    {"WritePixelRightOfWindow", [] { WritePixel(Window(), 4, 2, kRed); EXPECT_EQ(StrayPixels(), 0); }},
    {"WritePixelLargestInt", [] { WritePixel(Window(), INT32_MAX, INT32_MAX, kRed); EXPECT_EQ(StrayPixels(), 0); }},
    {"WritePixelNull", [] { ExpectNullObject([] { WritePixel(nullptr, 0, 0, kRed); }); }},
    {"PixelPtrOutside", [] { EXPECT_EQ(PixmapPixelPtr(Window(), 4, 0), nullptr); }},
    {"PixmapWidthNull", [] { ExpectNullObject([] { PixmapWidth(nullptr); }); }},
    {"ClearPixelsNull", [] { ExpectNullObject([] { ClearPixels(nullptr, 0); }); }},
    {"WindowPartlyLeftAbove", [] { Ref<TPixmap> w = Window(); ExpectWindow(PixmapWindow(w, -1, -2, 3, 4), 2, 2, 2, 2); }},
    {"WindowPartlyRightBelow", [] { Ref<TPixmap> w = Window(); ExpectWindow(PixmapWindow(w, 3, 1, 5, 5), 1, 2, 5, 3); }},
    {"WindowWhollyOutside", [] { ExpectWindow(PixmapWindow(Window(), 10, 10, 2, 2), 0, 0, 0, 0); }},
    {"WindowNegativeSize", [] { ExpectWindow(PixmapWindow(Window(), 1, 1, -5, -5), 0, 0, 0, 0); }},
    {"WindowLargestInt", [] { Ref<TPixmap> w = Window(); ExpectWindow(PixmapWindow(w, 1, 1, INT32_MAX, INT32_MAX), 3, 2, 3, 3); }},
    {"WindowNull", [] { EXPECT_FALSE(PixmapWindow(nullptr, 0, 0, 1, 1)); }},
    {"PasteLeftAbove", [] { Ref<TPixmap> w = Window(); w->Paste(*Red(), -2, -1); EXPECT_EQ(StrayPixels(), 0); EXPECT_EQ(w->ReadPixel(1, 1), kRed); EXPECT_EQ(w->ReadPixel(2, 0), 0); }},
    {"PasteRightBelow", [] { Ref<TPixmap> w = Window(); w->Paste(*Red(), 3, 2); EXPECT_EQ(StrayPixels(), 0); EXPECT_EQ(w->ReadPixel(3, 2), kRed); }},
    {"PasteLargestInt", [] { Ref<TPixmap> w = Window(); w->Paste(*Red(), INT32_MAX, INT32_MIN); EXPECT_EQ(StrayPixels(), 0); }},
    {"PasteBigger", [] { Ref<TPixmap> w = Window(); w->Paste(*Red(20, 20), -5, -5); EXPECT_EQ(StrayPixels(), 0); EXPECT_EQ(w->ReadPixel(3, 2), kRed); }},
    {"ConvertPixelsFormat99", [] { uint8_t in[8] = {}, out[8] = {}; ConvertPixels(in, 99, out, FORMAT_RGBA32, 2); ConvertPixels(in, 1, out, -7, 2); }},
    {"CopyPixmapNull", [] { EXPECT_FALSE(CopyPixmap(nullptr)); }},
    {"ConvertPixmapNull", [] { EXPECT_FALSE(ConvertPixmap(nullptr, FORMAT_RGB24)); }},
    {"ConvertPixmapFormat0", [] { EXPECT_FALSE(ConvertPixmap(Red(), 0)); }},
    {"ConvertPixmapFormatNegative", [] { EXPECT_FALSE(ConvertPixmap(Red(), -1)); }},
    {"MaskPixmapNull", [] { EXPECT_FALSE(MaskPixmap(nullptr, 0, 0, 0)); }},
    {"XFlipPixmapNull", [] { EXPECT_FALSE(XFlipPixmap(nullptr)); }},
    {"YFlipPixmapNull", [] { EXPECT_FALSE(YFlipPixmap(nullptr)); }},
    {"ResizePixmapNull", [] { EXPECT_FALSE(ResizePixmap(nullptr, 4, 4)); }},
    {"ResizePixmapNegative", [] { EXPECT_FALSE(ResizePixmap(Red(), -4, 4)); }},
    {"ResizePixmapHuge", [] { EXPECT_FALSE(ResizePixmap(Red(), 100000, 100000)); }},
    {"ResizePixmapFromEmpty", [] { Ref<TPixmap> p = ResizePixmap(CreatePixmap(0, 0, FORMAT_RGBA32), 2, 2); ASSERT_TRUE(p); EXPECT_EQ(p->ReadPixel(1, 1), 0); }},
    {"LoadPixmapNull", [] { EXPECT_FALSE(LoadPixmap(Ref<Object>())); }},
    {"LoadPixmapEmptyPath", [] { EXPECT_FALSE(LoadPixmap(String())); }},
    {"LoadPixmapFolder", [] { EXPECT_FALSE(LoadPixmap(".")); }},
    {"LoadPixmapNotAPicture", [] { EXPECT_FALSE(LoadPixmap(kKeepFile)); }},
    {"LoadPixmapEmptyBank", [] { EXPECT_FALSE(LoadPixmap(Ref<Object>(CreateBank(0)))); }},
    {"LoadPixmapPNGNull", [] { EXPECT_FALSE(LoadPixmapPNG(Ref<Object>())); }},
    {"SavePixmapPNGNull", [] { EXPECT_EQ(SavePixmapPNG(nullptr, kKeepFile, 6), 0); }},
    {"SavePixmapPNGEmpty", [] { EXPECT_EQ(SavePixmapPNG(CreatePixmap(0, 5, FORMAT_RGBA32), kKeepFile, 6), 0); }},
    {"SavePixmapPNGUnknownFormat", [] { Ref<TPixmap> p = Red(); p->format = 99; EXPECT_EQ(SavePixmapPNG(p, kKeepFile, 6), 0); }},
    {"SavePixmapPNGTooWide", [] { EXPECT_EQ(SavePixmapPNG(CreatePixmap(1000001, 1, FORMAT_GREY8), kKeepFile, 6), 0); }},
    {"SavePixmapPNGNowhere", [] { EXPECT_EQ(SavePixmapPNG(Red(), "missing/x.png", 6), 0); }},
    {"SavePixmapPNGUnknownProtocol", [] { EXPECT_EQ(SavePixmapPNG(Red(), "nope::keep.dat", 6), 0); }},
};

class PixmapMisuse : public Table {
 protected:
  void SetUp() override {
    InitPNGLoader();
    Table::SetUp();
  }
  void TearDown() override {
    parent = nullptr;
    Table::TearDown();
  }
};

}  // namespace

MISUSE_TABLE(PixmapMisuse, kRows);
