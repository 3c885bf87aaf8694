// Small frames in shared texture pages: who shares, exact pixels with
// filtering next to contrasting neighbours, releasing, and new pages for a
// new context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "glback/internal/gl_image_frame.h"
#include "glback/internal/gl_texture_atlas.h"
#include "glback/internal/gl_queue.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using TextureAtlas = GL2DTest;

constexpr int32_t kRed = 0xFF0000;

Ref<TGLImageFrame> Frame(const Ref<TPixmap>& pixmap, int32_t flags) {
  return TGLImageFrame::CreateFromPixmap(pixmap, flags);
}

GLint TextureWidth(uint32_t name) {
  BindGLTextureForUpload(name);
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  return width;
}

// Texel (x, y) of the frame's page, counted from the image's top-left
// texel, as 0xRRGGBB.
int32_t PageTexel(const TGLImageFrame& frame, int32_t x, int32_t y) {
  const GLint size = TextureWidth(frame.name);
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * static_cast<size_t>(size) * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  const auto px = static_cast<int32_t>(frame.u0 / frame.uscale) + x;
  const auto py = static_cast<int32_t>(frame.v0 / frame.vscale) + y;
  const size_t i = (static_cast<size_t>(py) * static_cast<size_t>(size) + static_cast<size_t>(px)) * 4;
  return rgba[i] << 16 | rgba[i + 1] << 8 | rgba[i + 2];
}

TEST_F(TextureAtlas, SmallFixedFramesShareAPagePerFilterModeAndOthersGetTheirOwn) {
  auto a = Frame(SolidPixmap(8, 8, -1), 0);
  auto b = Frame(PatternPixmap(20, 10), 0);
  auto largest = Frame(SolidPixmap(kAtlasMaxSide - 2, kAtlasMaxSide - 2, -1), 0);
  ASSERT_TRUE(a && b && largest);
  EXPECT_EQ(a->name, b->name);
  EXPECT_EQ(a->name, largest->name);
  EXPECT_EQ(TextureWidth(a->name), kAtlasPageSize);
  EXPECT_TRUE(a->u0 != b->u0 || a->v0 != b->v0);
  EXPECT_EQ(a->uscale, 1.0f / kAtlasPageSize);
  EXPECT_EQ(b->u1 - b->u0, 20.0f / kAtlasPageSize);
  EXPECT_EQ(b->v1 - b->v0, 10.0f / kAtlasPageSize);

  auto filtered = Frame(SolidPixmap(8, 8, -1), IMAGE_FILTERED);
  auto filtered2 = Frame(SolidPixmap(5, 7, -1), IMAGE_FILTERED | IMAGE_MASKED);
  ASSERT_TRUE(filtered && filtered2);
  EXPECT_NE(filtered->name, a->name);
  EXPECT_EQ(filtered2->name, filtered->name);
  BindGLTextureForUpload(filtered->name);
  GLint mag = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
  EXPECT_EQ(mag, GL_LINEAR);
  BindGLTextureForUpload(a->name);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
  EXPECT_EQ(mag, GL_NEAREST);
  EXPECT_EQ(AtlasPageCount(), 2);

  // Too big with the border, or dynamic: a texture of its own, with the
  // image at its top-left. The mipmapped border is wider.
  struct Own {
    int32_t width, height, flags;
  };
  const int32_t side = kAtlasMaxSide;
  for (const Own& o : {Own{side - 1, 10, 0}, Own{10, side - 1, IMAGE_FILTERED}, Own{side + 40, 60, 0},
                       Own{side - 2 * kAtlasMipBorder + 1, 8, IMAGE_FILTERED | IMAGE_MIPMAPPED},
                       Own{8, 8, IMAGE_DYNAMIC | IMAGE_FILTERED}}) {
    auto own = Frame(SolidPixmap(o.width, o.height, -1), o.flags);
    ASSERT_TRUE(own);
    EXPECT_NE(own->name, a->name) << o.width << "x" << o.height << " flags " << o.flags;
    EXPECT_NE(own->name, filtered->name) << o.width << "x" << o.height << " flags " << o.flags;
    EXPECT_EQ(own->u0, 0.0f);
    EXPECT_EQ(own->v0, 0.0f);
  }
  EXPECT_EQ(AtlasPageCount(), 2);
}

TEST_F(TextureAtlas, PackedImagesDrawExactlyAndNeverBleedFromNeighbours) {
  // Green 10 x 10 neighbours fill shelves above, beside and below the two
  // images under test (85 padded frames fill a shelf of a 1024 page).
  std::vector<Ref<TGLImageFrame>> keep;
  auto green = [&](int32_t n) {
    for (int32_t i = 0; i < n; ++i) keep.push_back(Frame(SolidPixmap(10, 10, PackARGB(255, 0, 255, 0)), IMAGE_FILTERED));
  };
  green(85 + 40);
  auto pattern = Frame(PatternPixmap(10, 10), IMAGE_FILTERED);
  green(1);
  auto red = Frame(SolidPixmap(10, 10, PackARGB(255, 255, 0, 0)), IMAGE_FILTERED);
  green(85 * 2);
  ASSERT_TRUE(pattern && red);
  ASSERT_EQ(pattern->name, keep.front()->name);
  ASSERT_EQ(red->name, keep.back()->name);
  ASSERT_GT(pattern->u0, 1.0f / 16);  // inside the page, not at its edge
  ASSERT_GT(pattern->v0, 1.0f / 128);

  // The border repeats the image's own edge pixels on every side.
  for (int32_t i = 0; i < 10; ++i) {
    ASSERT_EQ(PageTexel(*pattern, -1, i), PatternColor(0, i)) << i;
    ASSERT_EQ(PageTexel(*pattern, 10, i), PatternColor(9, i)) << i;
    ASSERT_EQ(PageTexel(*pattern, i, -1), PatternColor(i, 0)) << i;
    ASSERT_EQ(PageTexel(*pattern, i, 10), PatternColor(i, 9)) << i;
  }
  EXPECT_EQ(PageTexel(*pattern, -1, -1), PatternColor(0, 0));
  EXPECT_EQ(PageTexel(*pattern, 10, 10), PatternColor(9, 9));

  // 1:1 with filtering: every pixel exact, edges included, nothing around.
  SetBlend(BLEND_SOLID);
  pattern->Draw(0, 0, 10, 10, 7, 4, 0, 0, 10, 10);
  auto screen = Screen();
  for (int32_t y = 0; y < 10; ++y) {
    for (int32_t x = 0; x < 10; ++x) ASSERT_EQ(Rgb(screen, 7 + x, 4 + y), PatternColor(x, y)) << x << "," << y;
  }
  EXPECT_EQ(InkIn(screen, 0, 0, kScreenW, 4), 0);
  EXPECT_EQ(InkIn(screen, 0, 14, kScreenW, kScreenH), 0);
  EXPECT_EQ(InkIn(screen, 0, 4, 7, 14) + InkIn(screen, 17, 4, kScreenW, 14), 0);

  // A sub-rectangle on the edge: columns 8 and 9 only.
  Cls();
  pattern->Draw(0, 0, 2, 10, 20, 20, 8, 0, 2, 10);
  screen = Screen();
  for (int32_t y = 0; y < 10; ++y) {
    ASSERT_EQ(Rgb(screen, 20, 20 + y), PatternColor(8, y));
    ASSERT_EQ(Rgb(screen, 21, 20 + y), PatternColor(9, y));
  }

  // Magnified and off the pixel grid, filtering reaches past the image's
  // edge texels: it must find red there, never the green next door.
  Cls();
  red->Draw(0, 0, 40, 40, 3.5f, 2.25f, 0, 0, 10, 10);
  screen = Screen();
  int32_t covered = 0;
  for (int32_t y = 0; y < kScreenH; ++y) {
    for (int32_t x = 0; x < kScreenW; ++x) {
      const int32_t c = Rgb(screen, x, y);
      if (c == 0) continue;
      ++covered;
      ASSERT_EQ(c, kRed) << x << "," << y;
    }
  }
  EXPECT_GE(covered, 39 * 39);
}

TEST_F(TextureAtlas, ReleasingAFrameNeverDeletesItsPage) {
  auto a = Frame(SolidPixmap(8, 8, PackARGB(255, 255, 0, 0)), 0);
  auto b = Frame(SolidPixmap(8, 8, PackARGB(255, 0, 0, 255)), 0);
  ASSERT_TRUE(a && b);
  const uint32_t page = a->name;
  a = nullptr;
  EXPECT_TRUE(glIsTexture(page));
  SetBlend(BLEND_SOLID);
  b->Draw(0, 0, 8, 8, 0, 0, 0, 0, 8, 8);
  EXPECT_EQ(Rgb(Screen(), 4, 4), 0x0000FF);

  // Empty now, the page is kept and filled again from its top-left.
  b = nullptr;
  EXPECT_TRUE(glIsTexture(page));
  auto c = Frame(SolidPixmap(8, 8, PackARGB(255, 0, 255, 0)), 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->name, page);
  EXPECT_EQ(c->u0, 1.0f / kAtlasPageSize);
  EXPECT_EQ(AtlasPageCount(), 1);
}

TEST_F(TextureAtlas, AFullPageMakesAnother) {
  // 128-pixel padded frames: 8 x 8 to a page.
  std::vector<Ref<TGLImageFrame>> frames;
  for (int32_t i = 0; i < 65; ++i) frames.push_back(Frame(SolidPixmap(126, 126, -1), 0));
  ASSERT_TRUE(frames.back());
  EXPECT_EQ(frames[63]->name, frames[0]->name);
  EXPECT_NE(frames[64]->name, frames[0]->name);
  EXPECT_EQ(frames[64]->u0, 1.0f / kAtlasPageSize);
  EXPECT_EQ(AtlasPageCount(), 2);
}

TEST_F(TextureAtlas, ImagesGetNewPagesAfterTheGraphicsAreReopened) {
  auto image = LoadImage(Ref<Object>(PatternPixmap(12, 6)), IMAGE_FILTERED);
  ASSERT_TRUE(image);
  SetBlend(BLEND_SOLID);
  DrawImage(image, 5, 5);
  Ref<TGLImageFrame> old_frame = Cast<TGLImageFrame>(image->Frame(0));
  ASSERT_TRUE(old_frame && old_frame->in_atlas);

  graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
  ASSERT_TRUE(graphics_);
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  DrawImage(image, 5, 5);
  auto frame = Cast<TGLImageFrame>(image->Frame(0));
  ASSERT_TRUE(frame && frame != old_frame);
  EXPECT_EQ(frame->seq, GraphicsSeq());
  EXPECT_EQ(AtlasPageCount(), 1);
  // The old frame's page died with its context; letting the frame go must
  // not touch the new page, even under the same name.
  old_frame->name = frame->name;
  old_frame = nullptr;
  EXPECT_TRUE(glIsTexture(frame->name));
  Cls();
  DrawImage(image, 5, 5);
  auto screen = Screen();
  for (int32_t y = 0; y < 6; ++y) {
    for (int32_t x = 0; x < 12; ++x) ASSERT_EQ(Rgb(screen, 5 + x, 5 + y), PatternColor(x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace tazmix
