#include <gtest/gtest.h>

#include <vector>

#include "collision_fixture.h"
#include "draw2d/image_flags.h"
#include "pixmap/pixmap_mask.h"

using namespace collision_test;

using ImageCollision = CollisionTest;

TEST_F(ImageCollision, AlphaBelow128IsEmptyAnd128IsSolidInEveryAlphaFormat) {
  CollideRectAt(0, 0, 16, 16, 0, Layer(0), New<Object>());
  for (int32_t format : {FORMAT_RGBA32, FORMAT_BGRA32, FORMAT_ALPHA8, FORMAT_BLACK_ALPHA8}) {
    SCOPED_TRACE(format);
    EXPECT_TRUE(CollideImageAt(UniformImage(8, 8, format, 127), 4, 4, 0, Layer(0), 0, nullptr).empty());
    EXPECT_EQ(CollideImageAt(UniformImage(8, 8, format, 128), 4, 4, 0, Layer(0), 0, nullptr).size(), 1u);
  }
}

TEST_F(ImageCollision, FormatsWithoutAlphaAreSolid) {
  CollideRectAt(0, 0, 1, 1, 0, Layer(0), New<Object>());
  for (int32_t format : {FORMAT_GREY8, FORMAT_RGB24, FORMAT_BGR24, FORMAT_LUMINANCE8}) {
    SCOPED_TRACE(format);
    // Alpha 0 is not stored in these formats; every pixel counts.
    EXPECT_EQ(CollideImageAt(UniformImage(5, 3, format, 0), -4, -2, 0, Layer(0), 0, nullptr).size(), 1u);
    EXPECT_TRUE(CollideImageAt(UniformImage(5, 3, format, 0), -5, -2, 0, Layer(0), 0, nullptr).empty());
  }
}

TEST_F(ImageCollision, OneByteMasksAreReadPixelByPixelToTheirLastColumn) {
  // Only the bottom-right pixel is solid. Read as 4-byte words, a 1-byte mask
  // would find other pixels' bytes and run past the end of its buffer.
  for (int32_t format : {FORMAT_ALPHA8, FORMAT_BLACK_ALPHA8, FORMAT_RGBA32}) {
    SCOPED_TRACE(format);
    Ref<TImage> corner = AlphaImage(7, 5, format, [](int32_t x, int32_t y) { return x == 6 && y == 4 ? 255 : 0; });
    ClearCollisionLayers(0);
    CollideImageAt(corner, 0, 0, 0, 0, Layer(0), New<Object>());
    EXPECT_EQ(CollideRectAt(6, 4, 1, 1, Layer(0), 0, nullptr).size(), 1u);
    EXPECT_TRUE(CollideRectAt(0, 0, 6, 5, Layer(0), 0, nullptr).empty());
    EXPECT_TRUE(CollideRectAt(0, 0, 7, 4, Layer(0), 0, nullptr).empty());
  }
}

TEST_F(ImageCollision, MaskedPicturesCollideOnlyWhereTheyAreVisible) {
  // An RGB picture loaded as masked: its black pixels become transparent.
  Ref<TPixmap> rgb = CreatePixmap(4, 1, FORMAT_RGB24, 4);
  rgb->ClearPixels(PackARGB(255, 0, 0, 0));
  rgb->WritePixel(3, 0, PackARGB(255, 200, 10, 10));
  Ref<TImage> image = TImage::Load(rgb, IMAGE_MASKED, 0, 0, 0);
  ASSERT_TRUE(image);
  CollideImageAt(image, 0, 0, 0, 0, Layer(0), New<Object>());
  EXPECT_TRUE(CollideRectAt(0, 0, 3, 1, Layer(0), 0, nullptr).empty());
  EXPECT_EQ(CollideRectAt(3, 0, 1, 1, Layer(0), 0, nullptr).size(), 1u);
}

TEST_F(ImageCollision, TheImageHandleAndFrameChooseWhatCollides) {
  // Frame 0 is solid on its left half, frame 1 on its right half.
  Ref<TImage> image = TImage::Create(8, 4, 2, 0, 0, 0, 0);
  image->SetPixmap(0, AlphaImage(8, 4, FORMAT_RGBA32, [](int32_t x, int32_t) { return x < 4 ? 255 : 0; })->pixmaps[0]);
  image->SetPixmap(1, AlphaImage(8, 4, FORMAT_RGBA32, [](int32_t x, int32_t) { return x >= 4 ? 255 : 0; })->pixmaps[0]);
  image->handle_x = 4;
  image->handle_y = 2;
  CollideRectAt(-1, -1, 1, 1, 0, Layer(0), New<Object>());  // just left of the drawing position
  EXPECT_EQ(CollideImageAt(image, 0, 0, 0, Layer(0), 0, nullptr).size(), 1u);
  EXPECT_TRUE(CollideImageAt(image, 0, 0, 1, Layer(0), 0, nullptr).empty());
  EXPECT_EQ(CollideImageAt(image, -4, 0, 1, Layer(0), 0, nullptr).size(), 1u);
}

TEST_F(ImageCollision, ImagesOverlapComparesSolidPixels) {
  // Two rings: they overlap in their boxes without touching at the centre.
  auto ring = [](int32_t x, int32_t y) { return (x < 2 || x > 17 || y < 2 || y > 17) ? 255 : 0; };
  Ref<TImage> a = AlphaImage(20, 20, FORMAT_RGBA32, ring);
  Ref<TImage> dot = UniformImage(4, 4, FORMAT_RGBA32, 255);
  EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, dot, 8, 8, 0), 0);
  EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, dot, 15, 8, 0), 1);
  EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, a, 10, 10, 0), 1);
  EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, nullptr, 10, 10, 0), 0);
  // The first image stays in layer 31 until the next clear.
  EXPECT_EQ(CollideImageAt(dot, 0, 0, 0, Layer(31), 0, nullptr).size(), 1u);
  EXPECT_EQ(ImagesOverlap(dot, 100, 100, 0, dot, 50, 50, 0), 0);
  EXPECT_TRUE(CollideImageAt(dot, 0, 0, 0, Layer(31), 0, nullptr).empty());
}

TEST_F(ImageCollision, ImagesOverlapTransformedTurnsEachImageAndRestoresTheTransform) {
  // A 40x4 bar centred on (100, 100) and a dot above it at y 85..89: apart
  // as they are, touching once the bar is turned upright or stretched.
  Ref<TImage> bar = UniformImage(40, 4, FORMAT_RGBA32, 255);
  Ref<TImage> dot = UniformImage(4, 4, FORMAT_RGBA32, 255);
  bar->handle_x = 20;
  bar->handle_y = 2;
  SetTransform(10, 2, 3);
  const float ix = driver_->ix, iy = driver_->iy, jx = driver_->jx, jy = driver_->jy;

  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 0, 1, 1, dot, 99, 85, 0, 0, 1, 1), 0);
  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 90, 1, 1, dot, 99, 85, 0, 0, 1, 1), 1);
  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 90, 1, 1, dot, 110, 85, 0, 0, 1, 1), 0);
  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 0, 1, 3, dot, 99, 85, 0, 0, 1, 1), 0);
  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 0, 1, 6, dot, 99, 85, 0, 0, 1, 1), 1);
  EXPECT_EQ(ImagesOverlapTransformed(bar, 100, 100, 0, 0, 1, 1, dot, 99, 85, 0, 0, 1, 4), 1);

  EXPECT_EQ(GetRotation(), 10);
  float sx = 0, sy = 0;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, 3);
  EXPECT_EQ(driver_->ix, ix);
  EXPECT_EQ(driver_->iy, iy);
  EXPECT_EQ(driver_->jx, jx);
  EXPECT_EQ(driver_->jy, jy);
}

TEST_F(ImageCollision, MaskedSpansWiderThanTheBufferPieceKeepTheirPlaceInTheMask) {
  // Three mask pixels stretched to 300000 screen pixels: only the last
  // third is solid, however many pieces the row is marked in.
  Ref<TImage> image = AlphaImage(3, 1, FORMAT_RGBA32, [](int32_t x, int32_t) { return x == 2 ? 255 : 0; });
  SetScale(100000, 1);
  CollideImageAt(image, 0, 0, 0, 0, Layer(0), New<Object>());
  SetScale(1, 1);
  // Wide probes, so the mask is walked through many pieces of one row.
  EXPECT_TRUE(CollideRectAt(0, 0, 199000, 1, Layer(0), 0, nullptr).empty());
  EXPECT_EQ(CollideRectAt(100000, 0, 200000, 1, Layer(0), 0, nullptr).size(), 1u);
  EXPECT_EQ(CollideRectAt(250000, 0, 1, 1, Layer(0), 0, nullptr).size(), 1u);
}
