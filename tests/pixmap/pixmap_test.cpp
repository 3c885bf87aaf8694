#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "pixmap/pixmap.h"

using namespace tazmix;

namespace {

// Fills every byte of every row (padding left alone) with a position pattern.
void FillPattern(TPixmap& p) {
  const int32_t row_bytes = p.width * BytesPerPixel[p.format];
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t i = 0; i < row_bytes; ++i) p.PixelPtr(0, y)[i] = static_cast<uint8_t>(y * 31 + i * 7 + 1);
}

bool SamePixels(const TPixmap& a, const TPixmap& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format) return false;
  const size_t row_bytes = static_cast<size_t>(a.width) * BytesPerPixel[a.format];
  for (int32_t y = 0; y < a.height; ++y)
    if (std::memcmp(a.PixelPtr(0, y), b.PixelPtr(0, y), row_bytes) != 0) return false;
  return true;
}

}  // namespace

TEST(Pixmap, CreateRoundsRowsUpToTheAlignment) {
  Ref<TPixmap> p = CreatePixmap(3, 2, FORMAT_RGB24, 4);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->pitch, 12);
  EXPECT_EQ(p->capacity, 24);
  EXPECT_EQ(p->PixelPtr(2, 1), p->pixels + 12 + 6);
  EXPECT_EQ(CreatePixmap(5, 1, FORMAT_GREY8, 1)->pitch, 5);
  EXPECT_EQ(CreatePixmap(5, 1, FORMAT_RGBA32, 16)->pitch, 32);
  EXPECT_EQ(CreatePixmap(0, 0, FORMAT_RGBA32, 4)->capacity, 0);
}

TEST(Pixmap, CreateRefusesSizesItCannotHold) {
  EXPECT_FALSE(CreatePixmap(-1, 4, FORMAT_RGBA32, 4));
  EXPECT_FALSE(CreatePixmap(4, -1, FORMAT_RGBA32, 4));
  EXPECT_FALSE(CreatePixmap(100000, 100000, FORMAT_RGBA32, 4));
  EXPECT_FALSE(CreatePixmap(0x7FFFFFFF, 1, FORMAT_RGBA32, 4));
}

TEST(Pixmap, StaticPixmapWrapsForeignMemory) {
  std::vector<uint8_t> memory(16, 0);
  {
    Ref<TPixmap> p = CreateStaticPixmap(memory.data(), 2, 2, 8, FORMAT_RGBA32);
    EXPECT_EQ(p->capacity, -1);
    p->WritePixel(1, 1, static_cast<int32_t>(0x11223344));
  }
  // Still ours after release, with the pixel stored at pitch 8.
  EXPECT_EQ(memory[12], 0x22);
  EXPECT_EQ(memory[15], 0x11);
}

TEST(Pixmap, WindowsOfWindowsShareTheFirstPixmapsMemory) {
  Ref<TPixmap> parent = CreatePixmap(8, 8, FORMAT_RGBA32, 4);
  parent->ClearPixels(0);
  Ref<TPixmap> outer = PixmapWindow(parent, 2, 3, 5, 4);
  Ref<TPixmap> inner = outer->Window(1, 1, 2, 2);
  EXPECT_EQ(outer->capacity, -1);
  EXPECT_EQ(inner->pitch, parent->pitch);
  EXPECT_EQ(inner->PixelPtr(0, 0), parent->PixelPtr(3, 4));

  inner->WritePixel(1, 1, static_cast<int32_t>(0xFF102030));
  EXPECT_EQ(static_cast<uint32_t>(parent->ReadPixel(4, 5)), 0xFF102030u);
  parent->WritePixel(3, 4, static_cast<int32_t>(0x80AABBCC));
  EXPECT_EQ(static_cast<uint32_t>(inner->ReadPixel(0, 0)), 0x80AABBCCu);
  EXPECT_EQ(static_cast<uint32_t>(outer->ReadPixel(1, 1)), 0x80AABBCCu);

  // Dropping every other holder leaves the memory alive through the windows.
  const Object* parent_object = parent.get();
  parent = nullptr;
  outer = nullptr;
  EXPECT_EQ(inner->_source.get()->RefCount(), 1);
  EXPECT_EQ(static_cast<uint32_t>(inner->ReadPixel(1, 1)), 0xFF102030u);
  inner->ClearPixels(static_cast<int32_t>(0xFF000000));
  EXPECT_NE(parent_object, nullptr);
}

TEST(Pixmap, CopyLeavesPaddingBehind) {
  std::vector<uint8_t> memory(3 * 20, 0xEE);
  Ref<TPixmap> padded = CreateStaticPixmap(memory.data(), 5, 3, 20, FORMAT_RGB24);
  FillPattern(*padded);
  Ref<TPixmap> copy = CopyPixmap(padded);
  EXPECT_EQ(copy->pitch, 16);
  EXPECT_GE(copy->capacity, 0);
  EXPECT_TRUE(SamePixels(*padded, *copy));
  EXPECT_NE(copy->pixels, padded->pixels);
}

TEST(Pixmap, PasteConvertsEachRowIntoPlace) {
  Ref<TPixmap> dst = CreatePixmap(4, 4, FORMAT_BGRA32, 4);
  dst->ClearPixels(0);
  Ref<TPixmap> src = CreatePixmap(2, 2, FORMAT_RGB24, 4);
  src->WritePixel(0, 0, 0x010203);
  src->WritePixel(1, 0, 0x040506);
  src->WritePixel(0, 1, 0x070809);
  src->WritePixel(1, 1, 0x0A0B0C);
  dst->Paste(*src, 1, 2);
  EXPECT_EQ(static_cast<uint32_t>(dst->ReadPixel(1, 2)), 0xFF010203u);
  EXPECT_EQ(static_cast<uint32_t>(dst->ReadPixel(2, 2)), 0xFF040506u);
  EXPECT_EQ(static_cast<uint32_t>(dst->ReadPixel(1, 3)), 0xFF070809u);
  EXPECT_EQ(static_cast<uint32_t>(dst->ReadPixel(2, 3)), 0xFF0A0B0Cu);
  EXPECT_EQ(dst->ReadPixel(0, 2), 0);
  EXPECT_EQ(dst->ReadPixel(3, 3), 0);
  EXPECT_EQ(dst->ReadPixel(1, 1), 0);
}

TEST(Pixmap, ConvertAlwaysMakesANewPixmap) {
  Ref<TPixmap> src = CreatePixmap(3, 2, FORMAT_RGBA32, 4);
  FillPattern(*src);
  Ref<TPixmap> same = ConvertPixmap(src, FORMAT_RGBA32);
  EXPECT_NE(same.get(), src.get());
  EXPECT_TRUE(SamePixels(*src, *same));
  Ref<TPixmap> grey = src->Convert(FORMAT_GREY8);
  EXPECT_EQ(grey->format, FORMAT_GREY8);
  const uint8_t* p = src->PixelPtr(2, 1);
  EXPECT_EQ(*grey->PixelPtr(2, 1), (p[0] + p[1] + p[2]) / 3);
}

TEST(Pixmap, ReadAndWritePixelFollowThePackedLayout) {
  struct Case {
    int32_t format;
    std::vector<uint8_t> bytes;  // stored by WritePixel(0x80FF4020)
    uint32_t read_back;
  };
  const Case cases[] = {
      {FORMAT_GREY8, {(0xFF + 0x40 + 0x20) / 3}, 0xFF757575u},
      {FORMAT_ALPHA8, {0x80}, 0x80FFFFFFu},  // alpha reads back with white
      {FORMAT_BGR24, {0x20, 0x40, 0xFF}, 0xFFFF4020u},
      {FORMAT_RGB24, {0xFF, 0x40, 0x20}, 0xFFFF4020u},
      {FORMAT_BGRA32, {0x20, 0x40, 0xFF, 0x80}, 0x80FF4020u},
      {FORMAT_RGBA32, {0xFF, 0x40, 0x20, 0x80}, 0x80FF4020u},
  };
  for (const auto& c : cases) {
    Ref<TPixmap> p = CreatePixmap(2, 1, c.format, 4);
    p->ClearPixels(0);
    WritePixel(p, 1, 0, static_cast<int32_t>(0x80FF4020));
    EXPECT_EQ(std::vector<uint8_t>(p->PixelPtr(1, 0), p->PixelPtr(1, 0) + c.bytes.size()), c.bytes) << c.format;
    EXPECT_EQ(static_cast<uint32_t>(ReadPixel(p, 1, 0)), c.read_back) << c.format;
    EXPECT_EQ(*p->PixelPtr(0, 0), 0) << c.format;
  }
  // The one-channel formats neither read nor write a packed colour.
  for (int32_t f = FORMAT_RED8; f <= FORMAT_LUMINANCE8; ++f) {
    Ref<TPixmap> p = CreatePixmap(1, 1, f, 4);
    *p->pixels = 0x5A;
    p->WritePixel(0, 0, -1);
    EXPECT_EQ(*p->pixels, 0x5A) << f;
    EXPECT_EQ(p->ReadPixel(0, 0), 0) << f;
  }
}

TEST(Pixmap, ClearPixelsFillsRowsButNotPadding) {
  // A window inside a bigger pixmap: its rows are padded by the parent's.
  Ref<TPixmap> parent = CreatePixmap(6, 4, FORMAT_RGB24, 4);
  parent->ClearPixels(static_cast<int32_t>(0xFF010101));
  Ref<TPixmap> window = parent->Window(1, 1, 3, 2);
  window->ClearPixels(0);
  window->ClearPixels(static_cast<int32_t>(0xFF203040));
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 6; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
      EXPECT_EQ(static_cast<uint32_t>(parent->ReadPixel(x, y)), inside ? 0xFF203040u : 0xFF010101u) << x << "," << y;
    }
  window->ClearPixels(0);
  EXPECT_EQ(static_cast<uint32_t>(parent->ReadPixel(1, 1)), 0xFF000000u);
  EXPECT_EQ(static_cast<uint32_t>(parent->ReadPixel(4, 1)), 0xFF010101u);

  // Unpadded: every byte is zeroed, whatever the format.
  Ref<TPixmap> red = CreatePixmap(4, 3, FORMAT_RED8, 4);
  std::memset(red->pixels, 0x77, static_cast<size_t>(red->capacity));
  red->ClearPixels(0);
  for (int32_t i = 0; i < red->capacity; ++i) ASSERT_EQ(red->pixels[i], 0);
  // A colour leaves the one-channel formats as they were.
  red->ClearPixels(static_cast<int32_t>(0xFFFFFFFF));
  EXPECT_EQ(red->pixels[5], 0);
  Ref<TPixmap> alpha = CreatePixmap(3, 3, FORMAT_ALPHA8, 4);
  alpha->ClearPixels(0x7F000000);
  EXPECT_EQ(static_cast<uint32_t>(alpha->ReadPixel(2, 2)), 0x7FFFFFFFu);
}
