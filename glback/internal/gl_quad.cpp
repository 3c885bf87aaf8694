#include "glback/internal/gl_quad.h"

#include <GL/gl.h>

#include "glback/internal/gl_texture_cache.h"

namespace tazmix {

namespace {
GL2DTransform transform;
}  // namespace

const GL2DTransform& CurrentGL2DTransform() { return transform; }

void SetCurrentGL2DTransform(float ix, float iy, float jx, float jy) {
  transform.ix = ix;
  transform.iy = iy;
  transform.jx = jx;
  transform.jy = jy;
}

void EmitTexturedQuad(uint32_t texture, float x0, float y0, float x1, float y1, float tx, float ty,
                      float u0, float v0, float u1, float v1) {
  const GL2DTransform& t = transform;
  EnableTexture(texture);
  glBegin(GL_QUADS);
  glTexCoord2f(u0, v0);
  glVertex2f(t.X(x0, y0, tx), t.Y(x0, y0, ty));
  glTexCoord2f(u1, v0);
  glVertex2f(t.X(x1, y0, tx), t.Y(x1, y0, ty));
  glTexCoord2f(u1, v1);
  glVertex2f(t.X(x1, y1, tx), t.Y(x1, y1, ty));
  glTexCoord2f(u0, v1);
  glVertex2f(t.X(x0, y1, tx), t.Y(x0, y1, ty));
  glEnd();
}

}  // namespace tazmix
