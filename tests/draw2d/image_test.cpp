#include <gtest/gtest.h>

#include "pixmap/png_loader.h"
#include "tests/draw2d/recording_driver.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

using Images = Draw2DTest;

// A sheet whose pixel (x, y) is opaque with red = x, green = y.
Ref<TPixmap> Sheet(int32_t width, int32_t height) {
  auto sheet = CreatePixmap(width, height, FORMAT_RGBA32);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) sheet->WritePixel(x, y, PackARGB(255, x, y, 0));
  }
  return sheet;
}

TEST_F(Images, FramesAreMadeOnceAndAgainAfterTheGraphicsChange) {
  auto image = TImage::Create(4, 4, 1, IMAGE_FILTERED, 0, 0, 0);
  auto first = image->Frame(0);
  ASSERT_TRUE(first);
  EXPECT_EQ(image->Frame(0), first);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 1u);
  EXPECT_EQ(Log().Named("CreateFrame")[0].Text(), "CreateFrame 4 4 2");

  // Choosing the driver again starts a new graphics sequence: old frames
  // belong to a context that is gone.
  const int32_t seq = GraphicsSeq();
  SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
  SetGraphics(graphics);
  ASSERT_NE(GraphicsSeq(), seq);
  auto second = image->Frame(0);
  EXPECT_NE(second, first);
  EXPECT_EQ(image->Frame(0), second);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 2u);
}

TEST_F(Images, NoFrameWithoutADriverAndOneOnceThereIs) {
  auto image = TImage::Create(4, 4, 1, 0, 0, 0, 0);
  SetGraphics(nullptr);
  EXPECT_EQ(image->Frame(0), nullptr);
  SetGraphics(graphics);
  EXPECT_NE(image->Frame(0), nullptr);
}

TEST_F(Images, LockForWritingMakesAPixmapAndDropsTheFrame) {
  auto image = TImage::Create(5, 3, 2, 0, 0, 0, 0);
  auto pixmap = image->Lock(0, 0, 1);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->format, FORMAT_RGBA32);
  EXPECT_EQ(pixmap->width, 5);
  EXPECT_EQ(pixmap->height, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(pixmap->ReadPixel(x, y), 0) << x << "," << y;
  EXPECT_EQ(image->Lock(0, 1, 0), pixmap);
  EXPECT_EQ(image->pixmaps[1], nullptr);

  image->Frame(0);
  image->Lock(0, 1, 0);  // reading keeps the frame
  image->Frame(0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 1u);
  image->Lock(0, 0, 1);
  EXPECT_EQ(image->seqs[0], 0);
  image->Frame(0);
  EXPECT_EQ(Log().Named("CreateFrame").size(), 2u);
}

TEST_F(Images, FrameIndicesOutsideTheImageAreRefused) {
  auto image = TImage::Create(2, 2, 1, 0, 0, 0, 0);
  EXPECT_EQ(image->Frame(1), nullptr);
  EXPECT_EQ(image->Lock(-1, 1, 1), nullptr);
  image->SetPixmap(5, CreatePixmap(2, 2, FORMAT_RGBA32));
  EXPECT_EQ(image->FrameCount(), 1);
  EXPECT_EQ(TImage::Create(2, 2, -1, 0, 0, 0, 0), nullptr);
}

TEST_F(Images, MaskedRgbPicturesLoseTheirMaskColour) {
  auto rgb = CreatePixmap(2, 1, FORMAT_RGB24);
  rgb->WritePixel(0, 0, PackARGB(255, 0, 0, 0));
  rgb->WritePixel(1, 0, PackARGB(255, 200, 100, 50));
  auto image = TImage::Load(rgb, IMAGE_MASKED, 0, 0, 0);
  ASSERT_TRUE(image);
  auto stored = image->Lock(0, 1, 0);
  EXPECT_EQ(stored->format, FORMAT_RGBA32);
  EXPECT_EQ(AlphaOf(stored->ReadPixel(0, 0)), 0);
  EXPECT_EQ(AlphaOf(stored->ReadPixel(1, 0)), 255);

  // A picture with alpha is kept as it is, whatever the mask colour.
  auto rgba = CreatePixmap(1, 1, FORMAT_RGBA32);
  rgba->WritePixel(0, 0, PackARGB(255, 0, 0, 0));
  auto kept = TImage::Load(rgba, IMAGE_MASKED, 0, 0, 0);
  EXPECT_EQ(kept->Lock(0, 1, 0), rgba);

  // Without IMAGE_MASKED nothing is masked.
  auto unmasked = TImage::Load(rgb, 0, 0, 0, 0);
  EXPECT_EQ(unmasked->Lock(0, 1, 0), rgb);
}

TEST_F(Images, AnimationCellsAreCutRowByRow) {
  auto sheet = Sheet(96, 64);  // 3 x 2 cells of 32 x 32
  auto image = TImage::LoadAnim(sheet, 32, 32, 4, 2, 0, 0, 0, 0);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->FrameCount(), 2);
  // Cell 4 is the second of the lower row, cell 5 the third.
  auto cell4 = image->Lock(0, 1, 0);
  auto cell5 = image->Lock(1, 1, 0);
  EXPECT_EQ(cell4->ReadPixel(0, 0), PackARGB(255, 32, 32, 0));
  EXPECT_EQ(cell5->ReadPixel(31, 31), PackARGB(255, 95, 63, 0));
  EXPECT_EQ(cell4->_source, nullptr);  // its own pixels, not a window on the sheet

  EXPECT_EQ(TImage::LoadAnim(sheet, 32, 32, 5, 2, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(TImage::LoadAnim(sheet, 0, 32, 0, 1, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(TImage::LoadAnim(sheet, 32, -32, 0, 1, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(TImage::LoadAnim(sheet, 32, 32, -1, 1, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(TImage::LoadAnim(sheet, 32, 32, 1, 0x7FFFFFFF, 0, 0, 0, 0), nullptr);
}

TEST_F(Images, PicturesThatCannotBeLoadedGiveNull) {
  EXPECT_EQ(TImage::Load(nullptr, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(LoadImage(String("no-such-picture.png")), nullptr);
  EXPECT_EQ(LoadAnimImage(String("no-such-picture.png"), 8, 8, 0, 1), nullptr);
  EXPECT_EQ(LoadImage(String(TAZMIX_TEST_DATA_DIR "/png/not-there.png")), nullptr);
}

TEST_F(Images, PngPicturesLoadWithTheirOwnAlphaOrTheMask) {
  InitPNGLoader();
  // basn2c08: 32x32 RGB; basn6a08: 32x32 RGBA.
  auto rgb = LoadImage(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn2c08.png", IMAGE_MASKED);
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->width, 32);
  EXPECT_EQ(rgb->Lock(0, 1, 0)->format, FORMAT_RGBA32);
  auto rgba = LoadImage(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn6a08.png", IMAGE_MASKED);
  ASSERT_TRUE(rgba);
  auto direct = LoadPixmapPNG(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn6a08.png");
  auto stored = rgba->Lock(0, 1, 0);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) ASSERT_EQ(stored->ReadPixel(x, y), direct->ReadPixel(x, y));
  }
  auto sheet = LoadAnimImage(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn6a08.png", 16, 8, 2, 6);
  ASSERT_TRUE(sheet);
  // Frame 5 is cell 7, the lower right one of the 2 x 4 cells.
  EXPECT_EQ(sheet->Lock(5, 1, 0)->ReadPixel(15, 7), direct->ReadPixel(31, 31));
}

TEST_F(Images, LoadingUsesTheAutomaticFlagsMaskColourAndMidHandle) {
  auto rgb = CreatePixmap(4, 2, FORMAT_RGB24);
  rgb->ClearPixels(PackARGB(255, 1, 2, 3));
  SetMaskColor(1, 2, 3);
  AutoMidHandle(1);
  auto image = LoadImage(Ref<Object>(rgb));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->flags, IMAGE_MASKED | IMAGE_FILTERED);
  EXPECT_EQ(image->mask_g, 2);
  EXPECT_EQ(AlphaOf(image->Lock(0, 1, 0)->ReadPixel(0, 0)), 0);
  EXPECT_EQ(image->handle_x, 2.0f);
  EXPECT_EQ(image->handle_y, 1.0f);

  AutoImageFlags(IMAGE_MIPMAPPED);
  AutoImageFlags(-1);  // leaves them
  EXPECT_EQ(LoadImage(Ref<Object>(rgb))->flags, IMAGE_MIPMAPPED);
  EXPECT_EQ(LoadImage(Ref<Object>(rgb), 0)->flags, 0);

  auto created = CreateImage(6, 4, 2);
  EXPECT_EQ(created->flags, IMAGE_MIPMAPPED | IMAGE_DYNAMIC);
  EXPECT_EQ(created->handle_x, 3.0f);
  EXPECT_EQ(created->FrameCount(), 2);
  EXPECT_EQ(ImageWidth(created), 6);
  EXPECT_EQ(ImageHeight(created), 4);
}

TEST_F(Images, GrabbingMasksWithTheModuleMaskColour) {
  auto grabbed = CreatePixmap(2, 1, FORMAT_RGBA32);
  grabbed->WritePixel(0, 0, PackARGB(255, 9, 9, 9));
  grabbed->WritePixel(1, 0, PackARGB(255, 10, 9, 9));
  driver->grab_result = grabbed;
  SetMaskColor(9, 9, 9);
  auto image = CreateImage(2, 1, 1, IMAGE_MASKED);
  GrabImage(image, 30, 40);
  EXPECT_EQ(Log().Named("GrabPixmap")[0].Text(), "GrabPixmap 30 40 2 1");
  auto stored = image->Lock(0, 1, 0);
  EXPECT_EQ(AlphaOf(stored->ReadPixel(0, 0)), 0);
  EXPECT_EQ(AlphaOf(stored->ReadPixel(1, 0)), 255);

  auto plain = CreateImage(2, 1, 1, 0);
  GrabImage(plain, 0, 0);
  EXPECT_EQ(plain->Lock(0, 1, 0), grabbed);
}

}  // namespace
