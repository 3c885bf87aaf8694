#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"
#include "runtime/exception.h"
#include "stream/stream_exception.h"
#include "tests/pixmap/memory_stream.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace pixmap_test;

namespace {

class PngSave : public ::testing::Test {
 protected:
  void SetUp() override { InitPNGLoader(); }
};

// A 7x5 pixmap with distinct bytes everywhere, seen through a window so its
// rows are padded.
Ref<TPixmap> Pattern(int32_t format) {
  Ref<TPixmap> parent = CreatePixmap(9, 6, format, 4);
  for (int32_t y = 0; y < 6; ++y)
    for (int32_t i = 0; i < 9 * BytesPerPixel[format]; ++i) parent->PixelPtr(0, y)[i] = static_cast<uint8_t>(y * 41 + i * 13 + 5);
  return parent->Window(1, 1, 7, 5);
}

Bytes SaveToBytes(const Ref<TPixmap>& pixmap, int32_t compression) {
  Ref<MemoryStream> out = New<MemoryStream>();
  EXPECT_EQ(SavePixmapPNG(pixmap, Ref<Object>(out), compression), 1);
  return out->Data();
}

}  // namespace

TEST_F(PngSave, EveryFormatRoundTrips) {
  for (int32_t format = 1; format < FORMAT_COUNT; ++format) {
    Ref<TPixmap> original = Pattern(format);
    Ref<MemoryStream> out = New<MemoryStream>();
    ASSERT_EQ(SavePixmapPNG(original, Ref<Object>(out), 6), 1) << format;
    EXPECT_EQ(out->closes, 0) << format;  // the caller's stream stays open
    Ref<TPixmap> back = LoadPixmap(Ref<Object>(New<MemoryStream>(out->Data())));
    ASSERT_TRUE(back) << format;

    // Grey and RGB come back as they were; BGR orders come back as RGB;
    // every other format was written as its RGBA conversion.
    int32_t expected = FORMAT_RGBA32;
    if (format == FORMAT_GREY8) expected = FORMAT_GREY8;
    if (format == FORMAT_RGB24 || format == FORMAT_BGR24) expected = FORMAT_RGB24;
    ASSERT_EQ(back->format, expected) << format;
    Ref<TPixmap> want = original->Convert(expected);
    ASSERT_EQ(back->width, 7);
    ASSERT_EQ(back->height, 5);
    for (int32_t y = 0; y < 5; ++y)
      EXPECT_EQ(std::memcmp(back->PixelPtr(0, y), want->PixelPtr(0, y), static_cast<size_t>(7 * BytesPerPixel[expected])), 0)
          << "format " << format << " row " << y;
    // The source is left as it was (the BGR transform works on libpng's copy).
    EXPECT_EQ(original->PixelPtr(0, 0)[0], static_cast<uint8_t>(41 + BytesPerPixel[format] * 13 + 5)) << format;
  }
}

TEST_F(PngSave, BGRAComesBackAsRGBAWithTheSameColours) {
  Ref<TPixmap> bgra = CreatePixmap(2, 1, FORMAT_BGRA32, 4);
  bgra->WritePixel(0, 0, static_cast<int32_t>(0x80FF2010));
  bgra->WritePixel(1, 0, 0x01020304);
  Ref<TPixmap> back = LoadPixmap(Ref<Object>(New<MemoryStream>(SaveToBytes(bgra, 9))));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->format, FORMAT_RGBA32);
  EXPECT_EQ(static_cast<uint32_t>(back->ReadPixel(0, 0)), 0x80FF2010u);
  EXPECT_EQ(static_cast<uint32_t>(back->ReadPixel(1, 0)), 0x01020304u);
}

TEST_F(PngSave, CompressionLevelIsClamped) {
  Ref<TPixmap> p = Pattern(FORMAT_RGBA32);
  const Bytes level0 = SaveToBytes(p, 0), level9 = SaveToBytes(p, 9);
  EXPECT_NE(level0, level9);
  EXPECT_EQ(SaveToBytes(p, -1), level0);
  EXPECT_EQ(SaveToBytes(p, 12), level9);
}

TEST_F(PngSave, FilesByPath) {
  tazmix::testing::TempDir dir;
  const String path((dir / "picture.png").c_str());
  Ref<TPixmap> p = Pattern(FORMAT_RGB24);
  ASSERT_EQ(SavePixmapPNG(p, path, 5), 1);
  Ref<TPixmap> back = LoadPixmap(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->ReadPixel(6, 4), p->ReadPixel(6, 4));
  Ref<TPixmap> direct = LoadPixmapPNG(path);
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->ReadPixel(3, 2), p->ReadPixel(3, 2));
  EXPECT_EQ(SavePixmapPNG(p, String((dir / "missing/x.png").c_str()), 5), 0);
}

TEST_F(PngSave, RefusedPicturesAndBrokenStreams) {
  // libpng refuses an empty picture: plain failure.
  Ref<MemoryStream> out = New<MemoryStream>();
  EXPECT_EQ(SavePixmapPNG(CreatePixmap(0, 3, FORMAT_RGBA32, 4), Ref<Object>(out), 5), 0);
  // A stream that stops taking bytes: its exception reaches the caller.
  Ref<MemoryStream> full = New<MemoryStream>();
  full->write_limit = 40;
  try {
    SavePixmapPNG(Pattern(FORMAT_RGB24), Ref<Object>(full), 5);
    ADD_FAILURE() << "no exception";
  } catch (const Thrown& thrown) {
    EXPECT_TRUE(thrown.As<TStreamWriteException>());
  }
}
