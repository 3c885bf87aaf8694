#include "glback/gl_raw_2d.h"

#include <GL/gl.h>

#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_state.h"

namespace tazmix {

void EnterRaw2D() {
  // Raw drawing lands on top of everything drawn before it.
  SyncGL(FLUSH_RAW_GL);
  // The blend function and the clear colour too: the queue believes GL holds
  // its own, and raw drawing sets them freely.
  glPushAttrib(GL_TEXTURE_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_COLOR_BUFFER_BIT);
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  // One entry per open bracket, so a helper called inside the caller's own
  // bracket does not overwrite the caller's saved matrices.
  std::array<double, 32>& saved = CurrentGLContext().raw_saved.emplace_back();
  glGetDoublev(GL_MODELVIEW_MATRIX, saved.data());
  glGetDoublev(GL_PROJECTION_MATRIX, saved.data() + 16);

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
  GLContext& c = CurrentGLContext();
  std::vector<std::array<double, 32>>& stack = c.raw_saved;
  if (stack.empty()) return;
  // Raw drawing sets the current colour freely, and Mesa's attribute stack
  // does not bring it back reliably: the queue sends its own again.
  c.held.color_known = false;
  const std::array<double, 32> saved = stack.back();
  stack.pop_back();
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(saved.data() + 16);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(saved.data());
  // Restores the texture binding, the enables and the matrix mode.
  glPopAttrib();
}

}  // namespace tazmix
