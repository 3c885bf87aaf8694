// Raw GL drawing between calls of the drawing layer: the GL 2D driver's
// caches (blend mode, bound texture, texturing) and its matrices must still
// hold afterwards, so the next drawing-layer call draws as it should.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "glback/gl_raw_2d.h"
#include "glback/gl_raw_draw.h"
#include "glback/gl_raw_text.h"
#include "glback/internal/gl_queue.h"
#include "glback/gl_texture_from_pixmap.h"
#include "tests/gl2d/gl2d_fixture.h"
#include "tests/rawtext/raw_fixture.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

// The GL state the drawing layer relies on between its calls.
struct GLSnapshot {
  GLint bound = 0;
  GLboolean texturing = 0, blend = 0, alpha_test = 0, scissor = 0;
  GLint blend_src = 0, blend_dst = 0, matrix_mode = 0, row_length = 0;
  std::array<GLint, 4> viewport{};
  std::array<GLdouble, 16> projection{}, modelview{};
  std::array<GLfloat, 4> color{};

  // After whatever the driver queued has reached GL.
  static GLSnapshot Take() {
    SeeGL();
    GLSnapshot s;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.bound);
    s.texturing = glIsEnabled(GL_TEXTURE_2D);
    s.blend = glIsEnabled(GL_BLEND);
    s.alpha_test = glIsEnabled(GL_ALPHA_TEST);
    s.scissor = glIsEnabled(GL_SCISSOR_TEST);
    glGetIntegerv(GL_BLEND_SRC, &s.blend_src);
    glGetIntegerv(GL_BLEND_DST, &s.blend_dst);
    glGetIntegerv(GL_MATRIX_MODE, &s.matrix_mode);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &s.row_length);
    glGetIntegerv(GL_VIEWPORT, s.viewport.data());
    glGetDoublev(GL_PROJECTION_MATRIX, s.projection.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, s.modelview.data());
    glGetFloatv(GL_CURRENT_COLOR, s.color.data());
    return s;
  }
  bool operator==(const GLSnapshot&) const = default;
};

struct Helper {
  const char* name;
  std::function<void()> draw;
};

std::vector<Helper> Helpers() {
  return {{"GLRawText", [] { GLRawText(String("AB"), 10, 20); }},
          {"GLRawRect", [] { GLRawRect(2, 3, 5, 4); }},
          {"GLRawPixmap", [] { GLRawPixmap(PatternPixmap(3, 2), 30, 4); }},
          {"bracket", [] {
             EnterRaw2D();
             LeaveRaw2D();
           }}};
}

class RawState : public GL2DTest {
 protected:
  static Ref<TImage> PatternImage(int32_t w, int32_t h) { return LoadImage(Ref<Object>(PatternPixmap(w, h)), 0); }
};

TEST_F(RawState, EveryHelperLeavesTheDriversStateAsItWas) {
  const auto image = PatternImage(4, 4);
  for (const Helper& helper : Helpers()) {
    for (const int32_t blend : {BLEND_MASK, BLEND_ALPHA, BLEND_SHADE}) {
      SCOPED_TRACE(std::string(helper.name) + " after blend " + std::to_string(blend));
      // The drawing layer's last call left an image bound and texturing on.
      SetBlend(blend);
      DrawImage(image, 0, 0);
      SeeGL();
      ASSERT_TRUE(HeldTexturing());
      const GLSnapshot before = GLSnapshot::Take();
      ASSERT_EQ(static_cast<uint32_t>(before.bound), HeldTexture());

      helper.draw();

      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
      EXPECT_TRUE(GLSnapshot::Take() == before);
      EXPECT_EQ(static_cast<uint32_t>(before.bound), HeldTexture());
      EXPECT_TRUE(HeldTexturing());
    }
  }
}

TEST_F(RawState, TheNextDrawingLayerCallDrawsCorrectly) {
  const auto image = PatternImage(4, 4);
  SetBlend(BLEND_ALPHA);
  DrawImage(image, 0, 0);
  // The first text call also makes the font texture.
  GLRawText(String("AB"), 10, 20);
  GLRawRect(0, 40, 4, 4);
  GLRawPixmap(SolidPixmap(2, 2, PackARGB(255, 9, 9, 9)), 50, 40);

  // Still the image's texture, still alpha blending: half of each texel
  // over black.
  SetAlpha(0.5f);
  DrawImage(image, 40, 10);
  const auto screen = Screen();
  for (int32_t v = 0; v < 4; ++v) {
    for (int32_t u = 0; u < 4; ++u) {
      const int32_t expected = PatternColor(u, v);
      const int32_t actual = Rgb(screen, 40 + u, 10 + v);
      for (const int32_t shift : {0, 8, 16}) {
        EXPECT_NEAR((actual >> shift) & 255, ((expected >> shift) & 255) * 127 / 255, 1)
            << "texel " << u << "," << v;
      }
    }
  }
  ExpectCell([&](int32_t x, int32_t y) { return Rgb(screen, x, y); }, 'A', 10, 20, 0xFFFFFF, 0);
}

TEST_F(RawState, AVirtualResolutionSurvivesAndDoesNotScaleRawDrawing) {
  SetVirtualResolution(kScreenW / 2, kScreenH / 2);
  const GLSnapshot before = GLSnapshot::Take();
  SetColor(255, 255, 255);
  GLRawText(String("A"), 10, 20);
  GLRawRect(40, 2, 3, 2);
  EXPECT_TRUE(GLSnapshot::Take() == before);
  // Raw drawing is in window pixels, the drawing layer's in virtual ones.
  SetColor(0, 255, 0);
  DrawRect(1, 1, 2, 2);
  const auto screen = Screen();
  ExpectCell([&](int32_t x, int32_t y) { return Rgb(screen, x, y); }, 'A', 10, 20, 0xFFFFFF, 0);
  EXPECT_EQ(InkIn(screen, 40, 2, 43, 4), 6);
  EXPECT_EQ(InkIn(screen, 2, 2, 6, 6, 0x00FF00), 0);
  EXPECT_EQ(InkIn(screen, 0, 0, 10, 10), 16);
}

TEST_F(RawState, NestedBracketsRestoreTheOuterCallersMatrices) {
  SetVirtualResolution(kScreenW * 2, kScreenH * 2);
  const GLSnapshot before = GLSnapshot::Take();
  EnterRaw2D();
  GLRawText(String("A"), 0, 0);
  EnterRaw2D();
  LeaveRaw2D();
  LeaveRaw2D();
  EXPECT_TRUE(GLSnapshot::Take() == before);
  // A stray Leave has nothing to undo.
  LeaveRaw2D();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_TRUE(GLSnapshot::Take() == before);
}

TEST_F(RawState, MakingATextureKeepsTheBindingAndUnpacking) {
  const auto image = PatternImage(4, 4);
  DrawImage(image, 0, 0);
  SeeGL();
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
  const GLSnapshot before = GLSnapshot::Take();
  const uint32_t name = GLTextureFromPixmap(PatternPixmap(3, 5), 1);
  EXPECT_NE(name, 0u);
  EXPECT_NE(name, HeldTexture());
  EXPECT_TRUE(GLSnapshot::Take() == before);
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 8);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace
}  // namespace tazmix
