// The GL graphics driver through the graphics module, with real contexts.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "glback/gl_graphics.h"
#include "glback/platform/gl_native.h"
#include "runtime/exception.h"

namespace tazmix {
namespace {

using Rgba = std::array<uint8_t, 4>;

Rgba ClearAndReadBack(uint8_t r, uint8_t g, uint8_t b, int x, int y) {
  glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  Rgba px{};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  return px;
}

int32_t ContextOf(const Ref<TGraphics>& g) { return static_cast<TGLGraphics*>(g.get())->_context; }

class GLGraphicsDriverTest : public ::testing::Test {
 protected:
  void SetUp() override { InitGLGraphics(); }
  void TearDown() override { EndGraphics(); }
};

TEST_F(GLGraphicsDriverTest, OpensDrawsFlipsAndCloses) {
  Ref<TGraphics> g = GLGraphics(96, 64, 0, 60, 0);
  ASSERT_TRUE(g);
  EXPECT_EQ(GetGraphicsDriver(), GLGraphicsDriver());
  EXPECT_EQ(g->Driver(), GLGraphicsDriver().get());
  EXPECT_EQ(GraphicsWidth(), 96);
  EXPECT_EQ(GraphicsHeight(), 64);
  EXPECT_EQ(GraphicsDepth(), 0);
  EXPECT_EQ(GraphicsHertz(), 60);
  EXPECT_EQ(GraphicsFlags(), GRAPHICS_BACK_BUFFER);  // added by the driver's default flags
  EXPECT_EQ(GLNativeCurrent(), ContextOf(g));

  EXPECT_EQ(ClearAndReadBack(10, 200, 30, 95, 63), (Rgba{10, 200, 30, 255}));
  Flip(0);
  Flip(1);
  Flip(-1);

  const int32_t seq = GraphicsSeq();
  EndGraphics();
  EXPECT_NE(GraphicsSeq(), seq);
  EXPECT_EQ(ContextOf(g), 0);
  EXPECT_EQ(GLNativeCurrent(), 0);
  EXPECT_EQ(GraphicsWidth(), 0);
  int32_t w = -1, h = -1, d = -1, hz = -1, f = -1;
  g->GetSettings(w, h, d, hz, f);  // a closed context reads as empty
  EXPECT_EQ(w + h + d + hz + f, 0);
  Flip(0);  // nothing current: nothing to show
}

TEST_F(GLGraphicsDriverTest, ASecondContextOpensAfterTheFirstIsClosed) {
  Ref<TGraphics> first = GLGraphics(32, 32, 0, 0, 0);
  ASSERT_TRUE(first);
  Ref<TGraphics> second = GLGraphics(48, 40, 0, 0, 0);  // ends the first
  ASSERT_TRUE(second);
  EXPECT_EQ(ContextOf(first), 0);
  EXPECT_EQ(GraphicsWidth(), 48);
  EXPECT_EQ(ClearAndReadBack(0, 0, 250, 47, 39), (Rgba{0, 0, 250, 255}));
}

TEST_F(GLGraphicsDriverTest, ModeQueriesAgreeWithTheDriversModes) {
  SetGraphicsDriver(GLGraphicsDriver(), GRAPHICS_BACK_BUFFER);
  const std::vector<Ref<TGraphicsMode>> modes = GLGraphicsDriver()->GraphicsModes();
  EXPECT_EQ(GraphicsModeExists(0, 0, 0, 0), modes.empty() ? 0 : 1);
  EXPECT_EQ(CountGraphicsModes(), static_cast<int32_t>(modes.size()));
  EXPECT_LE(modes.size(), 1024u);
  for (const Ref<TGraphicsMode>& m : modes) {
    EXPECT_GE(m->depth, 16);
    EXPECT_EQ(GraphicsModeExists(m->width, m->height, m->depth, m->hertz), 1);
  }
}

TEST_F(GLGraphicsDriverTest, NothingOpensWithoutAWindow) {
  EXPECT_FALSE(GLGraphics(0, 64, 0, 60, 0));
  EXPECT_FALSE(GLGraphics(64, -1, 0, 60, 0));
  EXPECT_EQ(GraphicsWidth(), 0);
  // A full-screen size no display has: the driver's error becomes Null too.
  EXPECT_FALSE(GLGraphics(12345, 67, 32, 60, 0));
  try {
    GLGraphicsDriver()->CreateGraphics(12345, 67, 32, 60, 0);
    FAIL() << "no exception";
  } catch (const Thrown& t) {
    EXPECT_EQ(t.Text(), String("GLGraphicsDriver failed to set display mode"));
  }
}

TEST_F(GLGraphicsDriverTest, AttachedContextDrawsIntoTheMainWindow) {
  Ref<TGraphics> main = GLGraphics(80, 60, 0, 0, 0);
  ASSERT_TRUE(main);
  Ref<TGraphics> attached = AttachGraphics(GLNativeWidget(ContextOf(main)), 0);
  ASSERT_TRUE(attached);
  SetGraphics(attached);
  EXPECT_EQ(GraphicsWidth(), 80);
  EXPECT_EQ(GraphicsHeight(), 60);
  EXPECT_EQ(GraphicsFlags(), GRAPHICS_BACK_BUFFER);
  EXPECT_EQ(ClearAndReadBack(5, 6, 7, 0, 0), (Rgba{5, 6, 7, 255}));
  CloseGraphics(attached);
  EXPECT_EQ(GLNativeCurrent(), 0);
  EXPECT_NE(GLNativeWidget(ContextOf(main)), 0);  // the window stays
  EXPECT_FALSE(AttachGraphics(0, 0));
}

TEST_F(GLGraphicsDriverTest, SettingAClosedOrForeignContextMakesNoneCurrent) {
  Ref<TGraphics> g = GLGraphics(16, 16, 0, 0, 0);
  ASSERT_TRUE(g);
  GLGraphicsDriver()->SetGraphics(nullptr);
  EXPECT_EQ(GLNativeCurrent(), 0);
  GLGraphicsDriver()->SetGraphics(g);
  EXPECT_EQ(GLNativeCurrent(), ContextOf(g));
  Ref<TGLGraphics> dead = New<TGLGraphics>();
  GLGraphicsDriver()->SetGraphics(dead);
  EXPECT_EQ(GLNativeCurrent(), 0);
  dead->Close();  // closing a context that never was does nothing
}

TEST_F(GLGraphicsDriverTest, ContextsOpenedAfterSharingSeeEachOthersTextures) {
  GLShareContexts();
  Ref<TGraphics> main = GLGraphics(16, 16, 0, 0, 0);
  ASSERT_TRUE(main);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  const uint8_t texel[4] = {9, 9, 9, 9};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
  glFinish();
  Ref<TGraphics> next = GLGraphics(16, 16, 0, 0, 0);  // the first is closed
  ASSERT_TRUE(next);
  EXPECT_EQ(glIsTexture(texture), GL_TRUE);
  glDeleteTextures(1, &texture);
}

}  // namespace
}  // namespace tazmix
