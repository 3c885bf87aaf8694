// The drawing layer end to end on the GL 2D driver: images, transforms,
// handles, tiles and text, checked pixel by pixel in the frame buffer.
#include <gtest/gtest.h>

#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

class DrawGL : public GL2DTest {
 protected:
  void SetUp() override {
    GL2DTest::SetUp();
    InitPNGLoader();
  }
  void TearDown() override {
    AutoMidHandle(0);
    GL2DTest::TearDown();
  }

  // A w x h image of the test pattern, sampled without filtering.
  static Ref<TImage> PatternImage(int32_t w, int32_t h) { return LoadImage(Ref<Object>(PatternPixmap(w, h)), 0); }

  // Checks that image pixel (u, v) of a w x h pattern landed on the screen
  // at place(u, v) (each texel one pixel).
  template <class Place>
  static void ExpectPattern(const Ref<TPixmap>& screen, int32_t w, int32_t h, Place place) {
    for (int32_t v = 0; v < h; ++v) {
      for (int32_t u = 0; u < w; ++u) {
        const auto [x, y] = place(u, v);
        ASSERT_EQ(Rgb(screen, x, y), PatternColor(u, v)) << "texel " << u << "," << v << " at " << x << "," << y;
      }
    }
  }
};

TEST_F(DrawGL, PngPicturesAreReproducedExactlyAtOneToOne) {
  for (const char* name : {"basn2c08.png", "basn6a08.png", "basn0g08.png"}) {
    const String path = String(TAZMIX_TEST_DATA_DIR "/png/pngsuite/") + String(name);
    auto pixmap = LoadPixmap(path);
    ASSERT_TRUE(pixmap) << name;
    for (int32_t flags : {0, IMAGE_FILTERED}) {
      auto image = LoadImage(path, flags);
      ASSERT_TRUE(image);
      SetBlend(BLEND_SOLID);
      Cls();
      DrawImage(image, 10, 5);
      auto screen = Screen();
      for (int32_t y = 0; y < pixmap->height; ++y) {
        for (int32_t x = 0; x < pixmap->width; ++x) {
          ASSERT_EQ(Rgb(screen, 10 + x, 5 + y), pixmap->ReadPixel(x, y) & 0xFFFFFF)
              << name << " flags " << flags << " pixel " << x << "," << y;
        }
      }
      EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, 5), 0);
      EXPECT_EQ(InkIn(screen, 0, 0, 10, kScreenH), 0);
      EXPECT_EQ(InkIn(screen, 10 + pixmap->width, 0, kScreenW, kScreenH), 0);
    }
  }
}

TEST_F(DrawGL, RotationAndScaleTurnAndStretchTheImage) {
  auto image = PatternImage(4, 2);
  SetRotation(90);
  DrawImage(image, 20, 20);
  // (x, y) -> (-y, x): texel (u, v) lands on pixel (19 - v, 20 + u).
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{19 - v, 20 + u}; });
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 8);

  Cls();
  SetRotation(0);
  SetScale(3, 2);
  DrawImage(image, 10, 10);
  auto screen = Screen();
  for (int32_t dy = 0; dy < 2; ++dy) {
    for (int32_t dx = 0; dx < 3; ++dx) {
      ExpectPattern(screen, 4, 2, [&](int32_t u, int32_t v) { return std::pair{10 + 3 * u + dx, 10 + 2 * v + dy}; });
    }
  }
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 4 * 2 * 6);

  // Rotated and scaled: (x, y) -> (-3y, 2x).
  Cls();
  SetTransform(90, 2, 3);
  DrawImage(image, 30, 10);
  screen = Screen();
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{30 - 3 * v - 1, 10 + 2 * u}; });
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{30 - 3 * v - 3, 10 + 2 * u + 1}; });
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 4 * 2 * 6);
}

TEST_F(DrawGL, HandlesAndOriginPlaceTheImage) {
  auto image = PatternImage(4, 2);
  SetImageHandle(image, 1, 1);
  SetOrigin(5, 6);
  SetHandle(7, 7);  // the context's handle is not applied to images
  DrawImage(image, 10, 10);
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{14 + u, 15 + v}; });

  Cls();
  MidHandleImage(image);
  DrawImage(image, 10, 10);
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{13 + u, 15 + v}; });

  // The handle is the centre of rotation.
  Cls();
  SetOrigin(0, 0);
  SetRotation(180);
  DrawImage(image, 30, 30);
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{31 - u, 30 - v}; });

  // Auto mid-handle applies to images loaded from then on.
  SetRotation(0);
  Cls();
  AutoMidHandle(1);
  auto centred = PatternImage(4, 2);
  EXPECT_EQ(centred->handle_x, 2.0f);
  DrawImage(centred, 10, 10);
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{8 + u, 9 + v}; });
}

TEST_F(DrawGL, RectanglesAndSubImagesStretchTheirSource) {
  auto image = PatternImage(4, 2);
  DrawImageRect(image, 2, 3, 8, 6);  // every texel a 2 x 3 block
  auto screen = Screen();
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{2 + 2 * u + 1, 3 + 3 * v + 2}; });
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 48);

  Cls();
  // Texels (1, 0) and (2, 0) at 1:1, the handle (1, 0) in source pixels.
  auto wide = PatternImage(8, 4);
  DrawSubImageRect(wide, 20, 20, 2, 1, 1, 0, 2, 1, 1, 0);
  screen = Screen();
  EXPECT_EQ(Rgb(screen, 19, 20), PatternColor(1, 0));
  EXPECT_EQ(Rgb(screen, 20, 20), PatternColor(2, 0));
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 2);
}

TEST_F(DrawGL, TilesFillTheViewportFromTheImagePosition) {
  auto image = PatternImage(8, 4);
  SetRotation(30);  // tiles are drawn untransformed
  TileImage(image, 3, 2);
  auto screen = Screen();
  for (int32_t y = 0; y < kScreenH; ++y) {
    for (int32_t x = 0; x < kScreenW; ++x) {
      ASSERT_EQ(Rgb(screen, x, y), PatternColor((x - 3 + 8) % 8, (y - 2 + 4) % 4)) << x << "," << y;
    }
  }

  Cls();
  SetRotation(0);
  SetViewport(16, 8, 20, 12);
  TileImage(image, 0, 0);
  screen = Screen();
  EXPECT_EQ(Rgb(screen, 16, 8), PatternColor(0, 0));
  EXPECT_EQ(Rgb(screen, 35, 19), PatternColor(3, 3));
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 20 * 12);  // the pattern has no black
}

TEST_F(DrawGL, TheViewportClipsImages) {
  auto image = LoadImage(Ref<Object>(SolidPixmap(32, 32, -1)), 0);
  SetViewport(4, 6, 10, 5);
  DrawImage(image, 0, 0);
  auto screen = Screen();
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 50);
  EXPECT_EQ(InkIn(screen, 4, 6, 14, 11, 0xFFFFFF), 0);
}

TEST_F(DrawGL, VirtualResolutionScalesImagesAndText) {
  SetVirtualResolution(32, 24);
  auto image = PatternImage(4, 2);
  DrawImage(image, 5, 6);
  auto screen = Screen();
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{10 + 2 * u, 12 + 2 * v}; });
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{11 + 2 * u, 13 + 2 * v}; });
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, kScreenH), 32);
  EXPECT_EQ(VirtualResolutionWidth(), 32.0f);
}

// Checks the built-in font's bits for `text` drawn at (x0, y0) in `ink`.
void ExpectBuiltInText(const Ref<TPixmap>& screen, const char* text, int32_t x0, int32_t y0, int32_t ink) {
  const uint8_t* bits = EmbeddedFileData("tazmofont.bin");
  ASSERT_NE(bits, nullptr);
  for (int32_t i = 0; text[i] != 0; ++i) {
    const int32_t g = text[i] - 32;
    for (int32_t row = 0; row < 16; ++row) {
      for (int32_t k = 0; k < 8; ++k) {
        const bool lit = (bits[row * 96 + g] >> k) & 1;
        ASSERT_EQ(Rgb(screen, x0 + 8 * i + k, y0 + row), lit ? ink : 0)
            << "'" << text[i] << "' row " << row << " column " << k;
      }
    }
  }
}

TEST_F(DrawGL, BuiltInTextLightsExactlyTheGlyphBits) {
  SetColor(255, 0, 0);
  DrawText("Az#", 8, 4);
  auto screen = Screen();
  ExpectBuiltInText(screen, "Az#", 8, 4, 0xFF0000);
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, 4), 0);
  EXPECT_EQ(InkIn(screen, 0, 20, kScreenW, kScreenH), 0);
  EXPECT_EQ(InkIn(screen, 32, 0, kScreenW, kScreenH), 0);
  // The letter A of the built-in font, row 2: columns 2 to 6.
  EXPECT_EQ(Rgb(screen, 8 + 1, 4 + 2), 0);
  EXPECT_EQ(Rgb(screen, 8 + 2, 4 + 2), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 8 + 6, 4 + 2), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 8 + 7, 4 + 2), 0);

  // Characters the font lacks are skipped without moving the pen.
  Cls();
  SetColor(255, 255, 255);
  DrawText(u"ä!\x7F\x80", 0, 0);
  ExpectBuiltInText(Screen(), "!\x7F", 0, 0, 0xFFFFFF);
}

TEST_F(DrawGL, FramesAreRebuiltAfterTheGraphicsAreReopened) {
  auto image = PatternImage(4, 2);
  DrawImage(image, 1, 1);
  DrawText("A", 10, 10);
  ExpectPattern(Screen(), 4, 2, [](int32_t u, int32_t v) { return std::pair{1 + u, 1 + v}; });
  const Ref<TImageFrame> first = image->frames[0];
  ASSERT_TRUE(first);

  graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
  ASSERT_TRUE(graphics_);
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(image, 5, 6);
  DrawText("A", 20, 20);
  auto screen = Screen();
  ExpectPattern(screen, 4, 2, [](int32_t u, int32_t v) { return std::pair{5 + u, 6 + v}; });
  ExpectBuiltInText(screen, "A", 20, 20, 0xFFFFFF);
  EXPECT_NE(image->frames[0], first);
  EXPECT_EQ(image->seqs[0], GraphicsSeq());
}

TEST_F(DrawGL, ImagesWithoutAFrameDrawNothing) {
  SetBlend(BLEND_SOLID);
  const Ref<TImage> none;
  DrawImage(none, 0, 0);
  DrawImageRect(none, 0, 0, 10, 10);
  DrawSubImageRect(none, 0, 0, 10, 10, 0, 0, 1, 1, 0, 0);
  TileImage(none);
  for (auto empty : {CreateImage(0, 0), CreateImage(0, 7), CreateImage(7, 0)}) {
    ASSERT_TRUE(empty);
    DrawImage(empty, 0, 0);
    DrawImageRect(empty, 0, 0, 10, 10);
    DrawSubImageRect(empty, 0, 0, 10, 10, 0, 0, 1, 1, 0, 0);
    TileImage(empty);
    EXPECT_EQ(empty->Frame(0), nullptr);
  }
  EXPECT_EQ(InkIn(Screen(), 0, 0, kScreenW, kScreenH), 0);
}

}  // namespace
}  // namespace tazmix
