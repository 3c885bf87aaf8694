// GLTextureFromPixmap on a real context: what each level of the texture
// holds, read back from GL.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "glback/gl_texture_from_pixmap.h"
#include "tests/gl2d/gl2d_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

using TextureFromPixmap = GL2DTest;

std::pair<GLint, GLint> LevelSize(uint32_t name, GLint level) {
  glBindTexture(GL_TEXTURE_2D, name);
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
  return {w, h};
}

// Level 0 as packed ARGB, row 0 first (the pixmap's first row).
std::vector<int32_t> Texels(uint32_t name, int32_t w, int32_t h) {
  std::vector<uint8_t> rgba(static_cast<size_t>(w * h * 4));
  glBindTexture(GL_TEXTURE_2D, name);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  std::vector<int32_t> argb;
  for (size_t i = 0; i < rgba.size(); i += 4) argb.push_back(PackARGB(rgba[i + 3], rgba[i], rgba[i + 1], rgba[i + 2]));
  return argb;
}

TEST_F(TextureFromPixmap, APowerOfTwoPixmapIsCopiedTexelForTexel) {
  const Ref<TPixmap> pixmap = PatternPixmap(4, 2);
  const uint32_t name = GLTextureFromPixmap(pixmap, 0);
  ASSERT_NE(name, 0u);
  EXPECT_EQ(LevelSize(name, 0), std::pair(4, 2));
  EXPECT_EQ(LevelSize(name, 1).first, 0);  // no mipmaps asked for
  const auto texels = Texels(name, 4, 2);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(texels[y * 4 + x], pixmap->ReadPixel(x, y)) << x << "," << y;
  }
  // Another format arrives as RGBA, opaque.
  const uint32_t rgb = GLTextureFromPixmap(pixmap->Convert(FORMAT_RGB24), 0);
  EXPECT_EQ(Texels(rgb, 4, 2), texels);
}

TEST_F(TextureFromPixmap, OtherSizesAreStretchedToThePowerOfTwo) {
  // Stretched, not padded: every texel of a one-colour pixmap has its colour.
  const int32_t colour = PackARGB(200, 10, 20, 30);
  const uint32_t name = GLTextureFromPixmap(SolidPixmap(3, 5, colour), 0);
  EXPECT_EQ(LevelSize(name, 0), std::pair(4, 8));
  for (const int32_t texel : Texels(name, 4, 8)) EXPECT_EQ(texel, colour);
}

TEST_F(TextureFromPixmap, MipmapsGoDownToOneByOne) {
  const uint32_t name = GLTextureFromPixmap(SolidPixmap(16, 4, -1), 1);
  const std::pair<GLint, GLint> sizes[] = {{16, 4}, {8, 2}, {4, 1}, {2, 1}, {1, 1}};
  for (GLint level = 0; level < 5; ++level) EXPECT_EQ(LevelSize(name, level), sizes[level]) << level;
  EXPECT_EQ(LevelSize(name, 5).first, 0);
}

TEST_F(TextureFromPixmap, NoPixmapNoTexture) {
  EXPECT_EQ(GLTextureFromPixmap(nullptr, 1), 0u);
  EXPECT_EQ(GLTextureFromPixmap(CreatePixmap(0, 4, FORMAT_RGBA32), 1), 0u);
  EXPECT_EQ(GLTextureFromPixmap(CreatePixmap(4, 0, FORMAT_RGBA32), 0), 0u);
}

}  // namespace
}  // namespace tazmix
