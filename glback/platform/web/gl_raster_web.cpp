// WebGL has no raster position and no glDrawPixels, which the back end's
// pixel drawing (DrawPixmap) uses: they are made here from what WebGL has,
// the raster position kept on this side and the pixels drawn as one
// textured quad there. Only what the back end asks for is made: RGBA bytes,
// glBitmap without a bitmap (it moves the raster position only).
#include <GL/gl.h>

#include "glback/platform/web/web_gl_state.h"

extern "C" {

void glPixelZoom(GLfloat x, GLfloat y) {
  tazmix::WebRasterState& r = tazmix::GLNative().raster;
  r.zoom_x = x;
  r.zoom_y = y;
}

// The point through the current projection and model-view matrices and the
// viewport, as GL places a raster position.
void glRasterPos2i(GLint x, GLint y) {
  GLfloat m[16], p[16];
  GLint viewport[4];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  glGetFloatv(GL_PROJECTION_MATRIX, p);
  glGetIntegerv(GL_VIEWPORT, viewport);
  const float in[4] = {static_cast<float>(x), static_cast<float>(y), 0, 1};
  float eye[4], clip[4];
  for (int r = 0; r < 4; ++r) eye[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r] * in[3];
  for (int r = 0; r < 4; ++r) clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
  const float w = clip[3] != 0 ? clip[3] : 1;
  tazmix::WebRasterState& raster = tazmix::GLNative().raster;
  raster.x = viewport[0] + (clip[0] / w + 1) * 0.5f * viewport[2];
  raster.y = viewport[1] + (clip[1] / w + 1) * 0.5f * viewport[3];
}

void glBitmap(GLsizei, GLsizei, GLfloat, GLfloat, GLfloat xmove, GLfloat ymove, const GLubyte*) {
  tazmix::WebRasterState& r = tazmix::GLNative().raster;
  r.x += xmove;
  r.y += ymove;
}

void glDrawPixels(GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels) {
  if (format != GL_RGBA || type != GL_UNSIGNED_BYTE || width <= 0 || height <= 0) return;
  tazmix::WebRasterState& r = tazmix::GLNative().raster;
  GLint viewport[4], bound = 0;
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
  const GLboolean colours = glIsEnabled(GL_COLOR_ARRAY);
  const GLboolean coords = glIsEnabled(GL_TEXTURE_COORD_ARRAY);

  if (!r.texture) glGenTextures(1, &r.texture);
  glBindTexture(GL_TEXTURE_2D, r.texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3], -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  // The first row of the pixels is the bottom one, drawn upwards from the
  // raster position (downwards with a negative zoom).
  const float x0 = r.x, y0 = r.y, x1 = r.x + width * r.zoom_x, y1 = r.y + height * r.zoom_y;
  const GLfloat quad[] = {x0, y0, 0, 0, x1, y0, 1, 0, x1, y1, 1, 1, x0, y1, 0, 1};
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glDisableClientState(GL_COLOR_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_FLOAT, 4 * sizeof(GLfloat), quad);
  glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(GLfloat), quad + 2);
  glDrawArrays(GL_TRIANGLE_FAN, 0, 4);

  if (colours) glEnableClientState(GL_COLOR_ARRAY);
  if (!coords) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  if (!textured) glDisable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

}  // extern "C"
