// Texture frames on a real context: sizes, padding, mipmap levels, filtering,
// the texture's life, and what becomes of pixmaps GL cannot take.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "glback/internal/gl_image_frame.h"
#include "glback/internal/gl_queue.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using TextureFrames = GL2DTest;

// Small fixed frames go into shared pages (gl_texture_atlas_test.cpp covers
// those); IMAGE_DYNAMIC keeps a small frame on a texture of its own.
constexpr int32_t kOwnTexture = IMAGE_DYNAMIC;

struct Level {
  int32_t width = 0;
  int32_t height = 0;
};

Level LevelSize(const TGLImageFrame& frame, int32_t level) {
  BindGLTextureForUpload(frame.name);
  Level l;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &l.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &l.height);
  return l;
}

// The texels of level 0 as 0xRRGGBB, row by row.
std::vector<int32_t> Texels(const TGLImageFrame& frame) {
  const Level l = LevelSize(frame, 0);
  std::vector<uint8_t> rgba(static_cast<size_t>(l.width * l.height * 4));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  std::vector<int32_t> out;
  for (size_t i = 0; i < rgba.size(); i += 4) out.push_back(rgba[i] << 16 | rgba[i + 1] << 8 | rgba[i + 2]);
  return out;
}

GLint TexParameter(const TGLImageFrame& frame, GLenum which) {
  BindGLTextureForUpload(frame.name);
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
  return value;
}

TEST_F(TextureFrames, OddSizesGoIntoPowerOfTwoTexturesWithPaddedEdges) {
  auto frame = TGLImageFrame::CreateFromPixmap(PatternPixmap(100, 60), kOwnTexture);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->seq, GraphicsSeq());
  EXPECT_EQ(frame->uscale, 1.0f / 128);
  EXPECT_EQ(frame->vscale, 1.0f / 64);
  EXPECT_EQ(frame->u0, 0.0f);
  EXPECT_EQ(frame->v0, 0.0f);
  EXPECT_EQ(frame->u1, 100.0f / 128);
  EXPECT_EQ(frame->v1, 60.0f / 64);
  const Level l = LevelSize(*frame, 0);
  EXPECT_EQ(l.width, 128);
  EXPECT_EQ(l.height, 64);

  const auto texels = Texels(*frame);
  auto at = [&](int32_t x, int32_t y) { return texels[static_cast<size_t>(y * 128 + x)]; };
  EXPECT_EQ(at(0, 0), PatternColor(0, 0));
  EXPECT_EQ(at(99, 59), PatternColor(99, 59));
  for (int32_t y = 0; y < 60; ++y) ASSERT_EQ(at(100, y), PatternColor(99, y)) << y;
  for (int32_t x = 0; x < 100; ++x) ASSERT_EQ(at(x, 60), PatternColor(x, 59)) << x;
  EXPECT_EQ(at(100, 60), PatternColor(99, 59));
}

TEST_F(TextureFrames, AnExactSizeInAnotherFormatIsConvertedAndUploaded) {
  auto rgb = SolidPixmap(64, 64, PackARGB(255, 10, 20, 30), FORMAT_RGB24);
  rgb->WritePixel(63, 63, PackARGB(255, 200, 100, 50));
  auto frame = TGLImageFrame::CreateFromPixmap(rgb, kOwnTexture);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->u1, 1.0f);
  EXPECT_EQ(frame->v1, 1.0f);
  const auto texels = Texels(*frame);
  ASSERT_EQ(texels.size(), 64u * 64u);
  EXPECT_EQ(texels[0], 0x0A141E);
  EXPECT_EQ(texels.back(), 0xC86432);
  EXPECT_EQ(rgb->format, FORMAT_RGB24);  // the pixmap itself is left alone
}

TEST_F(TextureFrames, MipmapLevelsHalveDownToOnePixel) {
  auto frame = TGLImageFrame::CreateFromPixmap(SolidPixmap(16, 4, PackARGB(255, 0, 128, 255)), IMAGE_MIPMAPPED | kOwnTexture);
  ASSERT_TRUE(frame);
  const Level expected[] = {{16, 4}, {8, 2}, {4, 1}, {2, 1}, {1, 1}};
  for (int32_t i = 0; i < 5; ++i) {
    const Level l = LevelSize(*frame, i);
    EXPECT_EQ(l.width, expected[i].width) << "level " << i;
    EXPECT_EQ(l.height, expected[i].height) << "level " << i;
  }
  EXPECT_EQ(LevelSize(*frame, 5).width, 0);
  // Every level holds the picture, so the smallest is its colour.
  BindGLTextureForUpload(frame->name);
  uint8_t px[4] = {};
  glGetTexImage(GL_TEXTURE_2D, 4, GL_RGBA, GL_UNSIGNED_BYTE, px);
  EXPECT_EQ(px[0], 0);
  EXPECT_EQ(px[1], 128);
  EXPECT_EQ(px[2], 255);

  auto single = TGLImageFrame::CreateFromPixmap(SolidPixmap(1, 1, -1), IMAGE_MIPMAPPED | kOwnTexture);
  ASSERT_TRUE(single);
  EXPECT_EQ(LevelSize(*single, 0).width, 1);
  EXPECT_EQ(LevelSize(*single, 1).width, 0);
}

TEST_F(TextureFrames, FlagsChooseTheFilters) {
  struct Case {
    int32_t flags;
    GLint mag, min;
  };
  const Case cases[] = {
      {0, GL_NEAREST, GL_NEAREST},
      {IMAGE_FILTERED, GL_LINEAR, GL_LINEAR},
      {IMAGE_FILTERED | IMAGE_MIPMAPPED, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR},
      {IMAGE_MIPMAPPED, GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST},
      {IMAGE_MASKED | IMAGE_DYNAMIC, GL_NEAREST, GL_NEAREST},
  };
  for (const Case& c : cases) {
    auto frame = TGLImageFrame::CreateFromPixmap(SolidPixmap(4, 4, -1), c.flags);
    ASSERT_TRUE(frame);
    EXPECT_EQ(TexParameter(*frame, GL_TEXTURE_MAG_FILTER), c.mag) << c.flags;
    EXPECT_EQ(TexParameter(*frame, GL_TEXTURE_MIN_FILTER), c.min) << c.flags;
    EXPECT_EQ(TexParameter(*frame, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(TexParameter(*frame, GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
  }
}

TEST_F(TextureFrames, DrawMapsTheSourceRectangleInPixels) {
  // Columns 16 to 31 of a 64-wide picture, drawn 1:1 at (3, 5): texture
  // coordinates 0.25 to 0.5 across.
  auto frame = TGLImageFrame::CreateFromPixmap(PatternPixmap(64, 8), 0);
  ASSERT_TRUE(frame);
  SetBlend(BLEND_SOLID);
  frame->Draw(0, 0, 16, 8, 3, 5, 16, 0, 16, 8);
  auto screen = Screen();
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 16; ++x) ASSERT_EQ(Rgb(screen, 3 + x, 5 + y), PatternColor(16 + x, y)) << x << "," << y;
  }
  EXPECT_EQ(Rgb(screen, 2, 5), 0);
  EXPECT_EQ(Rgb(screen, 19, 5), 0);
}

TEST_F(TextureFrames, ReleasingDeletesTheTextureOnlyUnderItsOwnGraphicsSeq) {
  auto frame = TGLImageFrame::CreateFromPixmap(SolidPixmap(8, 8, -1), kOwnTexture);
  ASSERT_TRUE(frame);
  const GLuint name = frame->name;
  EXPECT_TRUE(glIsTexture(name));
  EXPECT_EQ(HeldTexture(), name);
  frame = nullptr;
  EXPECT_FALSE(glIsTexture(name));
  EXPECT_EQ(HeldTexture(), 0u);  // the cache does not keep a deleted name

  // A texture GL hands out again under the same name is bound afresh: the
  // new frame draws its own pixels.
  auto red = TGLImageFrame::CreateFromPixmap(SolidPixmap(8, 8, PackARGB(255, 255, 0, 0)), kOwnTexture);
  red = nullptr;
  auto green = TGLImageFrame::CreateFromPixmap(SolidPixmap(8, 8, PackARGB(255, 0, 255, 0)), kOwnTexture);
  ASSERT_TRUE(green);
  SetBlend(BLEND_SOLID);
  green->Draw(0, 0, 8, 8, 0, 0, 0, 0, 8, 8);
  EXPECT_EQ(Rgb(Screen(), 4, 4), 0x00FF00);
}

TEST_F(TextureFrames, AFrameOfAnEarlierGraphicsSeqDeletesNothing) {
  auto old_frame = TGLImageFrame::CreateFromPixmap(SolidPixmap(8, 8, -1), 0);
  ASSERT_TRUE(old_frame);
  const int32_t old_seq = old_frame->seq;
  // Reopening the graphics moves GraphicsSeq on; GL may hand the old name to
  // a texture of the new context, which must survive the old frame.
  graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
  ASSERT_TRUE(graphics_);
  ASSERT_NE(GraphicsSeq(), old_seq);
  auto frame = TGLImageFrame::CreateFromPixmap(SolidPixmap(8, 8, PackARGB(255, 0, 0, 255)), 0);
  ASSERT_TRUE(frame);
  old_frame->name = frame->name;
  old_frame = nullptr;
  EXPECT_TRUE(glIsTexture(frame->name));
  SetBlend(BLEND_SOLID);
  frame->Draw(0, 0, 8, 8, 0, 0, 0, 0, 8, 8);
  EXPECT_EQ(Rgb(Screen(), 4, 4), 0x0000FF);
}

TEST_F(TextureFrames, APixmapLargerThanGLTakesIsShrunkToFit) {
  GLint max_size = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
  ASSERT_GT(max_size, 0);
  // One pixel too wide: the next power of two does not fit, so both sides
  // are halved and the picture is resampled to the largest width GL takes.
  auto wide = SolidPixmap(max_size + 1, 2, PackARGB(255, 50, 60, 70));
  auto frame = TGLImageFrame::CreateFromPixmap(wide, 0);
  ASSERT_TRUE(frame);
  const Level l = LevelSize(*frame, 0);
  EXPECT_EQ(l.width, max_size);
  EXPECT_EQ(l.height, 1);
  EXPECT_EQ(frame->u1, 1.0f);
  EXPECT_EQ(frame->v1, 1.0f);
  EXPECT_EQ(Texels(*frame).front(), 0x323C46);
  // Drawn at the size asked for, it still covers the screen's row.
  SetBlend(BLEND_SOLID);
  frame->Draw(0, 0, kScreenW, 2, 0, 10, 0, 0, static_cast<float>(max_size + 1), 2);
  auto screen = Screen();
  EXPECT_EQ(Rgb(screen, 0, 10), 0x323C46);
  EXPECT_EQ(Rgb(screen, kScreenW - 1, 11), 0x323C46);
}

TEST_F(TextureFrames, EmptyPixmapsAndMissingContextsGiveNoFrame) {
  EXPECT_EQ(TGLImageFrame::CreateFromPixmap(nullptr, 0), nullptr);
  EXPECT_EQ(TGLImageFrame::CreateFromPixmap(CreatePixmap(0, 0, FORMAT_RGBA32, 4), 0), nullptr);
  EXPECT_EQ(TGLImageFrame::CreateFromPixmap(CreatePixmap(5, 0, FORMAT_RGBA32, 4), IMAGE_MIPMAPPED), nullptr);
  EXPECT_EQ(TGLImageFrame::CreateFromPixmap(CreatePixmap(0, 5, FORMAT_RGBA32, 4), 0), nullptr);
  EXPECT_EQ(GLVex2DDriver()->CreateFrameFromPixmap(CreatePixmap(0, 0, FORMAT_RGBA32, 4), 0), nullptr);
  EndGraphics();
  EXPECT_EQ(TGLImageFrame::CreateFromPixmap(SolidPixmap(4, 4, -1), 0), nullptr);
}

}  // namespace
}  // namespace tazmix
