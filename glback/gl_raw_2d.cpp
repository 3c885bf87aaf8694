#include "glback/gl_raw_2d.h"

#include <GL/gl.h>

#include <array>
#include <vector>

#include "glback/internal/gl_batch.h"

namespace tazmix {

namespace {

struct SavedMatrices {
  std::array<GLdouble, 16> modelview{};
  std::array<GLdouble, 16> projection{};
};

// One entry per open bracket, so a helper called inside the caller's own
// bracket does not overwrite the caller's saved matrices.
std::vector<SavedMatrices> saved;

}  // namespace

void EnterRaw2D() {
  // Raw drawing lands on top of everything drawn before it.
  FlushGLBatch();
  glPushAttrib(GL_TEXTURE_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT);
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  SavedMatrices& m = saved.emplace_back();
  glGetDoublev(GL_MODELVIEW_MATRIX, m.modelview.data());
  glGetDoublev(GL_PROJECTION_MATRIX, m.projection.data());

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, viewport[2], viewport[3], 0, -1, 1);

  glDisable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_DEPTH_TEST);
}

void LeaveRaw2D() {
  if (saved.empty()) return;
  const SavedMatrices m = saved.back();
  saved.pop_back();
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(m.projection.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(m.modelview.data());
  // Restores the texture binding, the enables and the matrix mode.
  glPopAttrib();
}

}  // namespace tazmix
