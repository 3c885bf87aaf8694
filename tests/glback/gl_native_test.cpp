// The native GL layer with real contexts (headless: SDL's offscreen driver,
// EGL on Mesa's software renderer).
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "glback/platform/gl_native.h"
#include "graphics/graphics_flags.h"
#include "runtime/exception.h"

namespace tazmix {
namespace {

using Rgba = std::array<uint8_t, 4>;

void ClearTo(uint8_t r, uint8_t g, uint8_t b) {
  glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glFinish();
}

Rgba PixelAt(int x, int y) {
  Rgba px{};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  return px;
}

class GLNative : public ::testing::Test {
 protected:
  void TearDown() override {
    GLNativeMakeCurrent(0);
  }
};

TEST_F(GLNative, WindowedContextDrawsFlipsAndCloses) {
  const int32_t h = GLNativeCreate(64, 48, 0, 60, GRAPHICS_BACK_BUFFER, "test window");
  ASSERT_NE(h, 0);
  const GLNativeSettings s = GLNativeQuerySettings(h);
  EXPECT_EQ(s.width, 64);
  EXPECT_EQ(s.height, 48);
  EXPECT_EQ(s.depth, 0);
  EXPECT_EQ(s.hertz, 60);
  EXPECT_EQ(s.flags, GRAPHICS_BACK_BUFFER);

  GLNativeMakeCurrent(h);
  EXPECT_EQ(GLNativeCurrent(), h);
  ClearTo(200, 40, 10);
  EXPECT_EQ(PixelAt(0, 0), (Rgba{200, 40, 10, 255}));
  EXPECT_EQ(PixelAt(63, 47), (Rgba{200, 40, 10, 255}));
  GLNativeFlip(0);
  GLNativeFlip(1);

  GLNativeClose(h);
  EXPECT_EQ(GLNativeCurrent(), 0);
  GLNativeFlip(0);  // nothing current: nothing happens
  EXPECT_EQ(GLNativeQuerySettings(h).width, 0);
  EXPECT_EQ(GLNativeWidget(h), 0);
  GLNativeClose(h);  // a second close finds nothing
}

TEST_F(GLNative, ASecondContextOpensAfterTheFirstIsClosed) {
  const int32_t first = GLNativeCreate(32, 32, 0, 0, GRAPHICS_BACK_BUFFER, "one");
  ASSERT_NE(first, 0);
  GLNativeMakeCurrent(first);
  GLNativeClose(first);

  const int32_t second = GLNativeCreate(40, 30, 0, 0, GRAPHICS_BACK_BUFFER, "two");
  ASSERT_NE(second, 0);
  EXPECT_NE(second, first);  // handles are not reused
  GLNativeMakeCurrent(second);
  ClearTo(0, 0, 255);
  EXPECT_EQ(PixelAt(39, 29), (Rgba{0, 0, 255, 255}));
  GLNativeClose(second);
}

TEST_F(GLNative, EachContextKeepsItsOwnFrameBuffer) {
  const int32_t a = GLNativeCreate(16, 16, 0, 0, GRAPHICS_BACK_BUFFER, "a");
  const int32_t b = GLNativeCreate(16, 16, 0, 0, GRAPHICS_BACK_BUFFER, "b");
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  // Making a context does not change which one is current.
  EXPECT_EQ(GLNativeCurrent(), 0);
  GLNativeMakeCurrent(a);
  ClearTo(255, 0, 0);
  GLNativeMakeCurrent(b);
  EXPECT_EQ(GLNativeCurrent(), b);
  ClearTo(0, 255, 0);
  GLNativeMakeCurrent(a);
  EXPECT_EQ(PixelAt(8, 8), (Rgba{255, 0, 0, 255}));
  GLNativeClose(b);  // not the current one: a stays current
  EXPECT_EQ(GLNativeCurrent(), a);
  GLNativeClose(a);
}

TEST_F(GLNative, SharedContextMakesTexturesVisibleEverywhere) {
  GLNativeShareContexts();
  GLNativeShareContexts();  // once only
  const int32_t a = GLNativeCreate(8, 8, 0, 0, GRAPHICS_BACK_BUFFER, "a");
  const int32_t b = GLNativeCreate(8, 8, 0, 0, GRAPHICS_BACK_BUFFER, "b");
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  GLNativeMakeCurrent(a);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  const uint8_t texel[4] = {1, 2, 3, 4};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
  glFinish();
  GLNativeMakeCurrent(b);
  EXPECT_EQ(glIsTexture(texture), GL_TRUE);
  glDeleteTextures(1, &texture);
  GLNativeClose(a);
  GLNativeClose(b);
}

TEST_F(GLNative, FlagsReachThePixelFormat) {
  const int32_t h = GLNativeCreate(
      8, 8, 0, 0, GRAPHICS_BACK_BUFFER | GRAPHICS_DEPTH_BUFFER | GRAPHICS_STENCIL_BUFFER, "f");
  ASSERT_NE(h, 0);
  GLNativeMakeCurrent(h);
  GLint depth = 0, stencil = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  EXPECT_GE(depth, 1);
  EXPECT_GE(stencil, 1);
  GLNativeClose(h);
}

TEST_F(GLNative, NoContextForAnEmptyWindow) {
  EXPECT_EQ(GLNativeCreate(0, 48, 0, 0, GRAPHICS_BACK_BUFFER, "x"), 0);
  EXPECT_EQ(GLNativeCreate(64, 0, 0, 0, GRAPHICS_BACK_BUFFER, "x"), 0);
  EXPECT_EQ(GLNativeCreate(-5, 48, 0, 0, GRAPHICS_BACK_BUFFER, "x"), 0);
  EXPECT_EQ(GLNativeAttach(0, GRAPHICS_BACK_BUFFER), 0);
  const GLNativeSettings none = GLNativeQuerySettings(0);
  EXPECT_EQ(none.width + none.height + none.depth + none.hertz + none.flags, 0);
}

TEST_F(GLNative, FullScreenWithoutSuchADisplayModeRaises) {
  try {
    GLNativeCreate(12345, 67, 32, 60, GRAPHICS_BACK_BUFFER, "x");
    FAIL() << "no exception";
  } catch (const Thrown& t) {
    EXPECT_EQ(t.Text(), String("GLGraphicsDriver failed to set display mode"));
  }
}

TEST_F(GLNative, AttachedContextLeavesTheWindowToItsOwner) {
  const int32_t own = GLNativeCreate(50, 40, 0, 0, GRAPHICS_BACK_BUFFER, "owner");
  ASSERT_NE(own, 0);
  const int32_t widget = GLNativeWidget(own);
  ASSERT_NE(widget, 0);

  const int32_t attached = GLNativeAttach(widget, GRAPHICS_BACK_BUFFER);
  ASSERT_NE(attached, 0);
  const GLNativeSettings s = GLNativeQuerySettings(attached);
  EXPECT_EQ(s.width, 50);
  EXPECT_EQ(s.height, 40);
  EXPECT_EQ(s.depth, 0);
  EXPECT_EQ(s.hertz, 0);
  GLNativeMakeCurrent(attached);
  ClearTo(9, 8, 7);
  EXPECT_EQ(PixelAt(1, 1), (Rgba{9, 8, 7, 255}));

  GLNativeClose(attached);
  EXPECT_EQ(GLNativeCurrent(), 0);
  EXPECT_EQ(GLNativeWidget(own), widget);  // the window is still there
  GLNativeMakeCurrent(own);
  ClearTo(1, 2, 3);
  EXPECT_EQ(PixelAt(1, 1), (Rgba{1, 2, 3, 255}));

  // Closing the window's owner also ends contexts still attached to it.
  const int32_t again = GLNativeAttach(widget, GRAPHICS_BACK_BUFFER);
  ASSERT_NE(again, 0);
  GLNativeClose(own);
  EXPECT_EQ(GLNativeWidget(own), 0);
  EXPECT_EQ(GLNativeQuerySettings(again).width, 0);
  EXPECT_EQ(GLNativeAttach(widget, GRAPHICS_BACK_BUFFER), 0);
}

}  // namespace
}  // namespace tazmix
