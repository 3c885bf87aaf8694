#include "glback/internal/gl_quad.h"

#include <cmath>

#include "glback/internal/gl_batch.h"
#include "glback/internal/gl_texture_cache.h"

namespace tazmix {

namespace {
GL2DTransform transform;
bool pixel_grid = true;

bool Whole(float v) { return std::floor(v) == v; }

// One texel per pixel at texel centres, given one texel per local unit.
bool LandsOnPixels(float x, float y) {
  const GL2DTransform& t = transform;
  return pixel_grid && t.ix == 1 && t.iy == 0 && t.jx == 0 && t.jy == 1 && Whole(x) && Whole(y);
}
}  // namespace

const GL2DTransform& CurrentGL2DTransform() { return transform; }

void SetCurrentGL2DTransform(float ix, float iy, float jx, float jy) {
  transform.ix = ix;
  transform.iy = iy;
  transform.jx = jx;
  transform.jy = jy;
}

void SetGL2DPixelGrid(bool pixels) { pixel_grid = pixels; }

void EmitTexturedQuad(uint32_t texture, float x0, float y0, float x1, float y1, float tx, float ty,
                      float u0, float v0, float u1, float v1, uint8_t facts) {
  const GL2DTransform& t = transform;
  EnableTexture(texture);
  if ((facts & kQuadTexelExact) && !LandsOnPixels(t.X(x0, y0, tx), t.Y(x0, y0, ty))) facts &= ~kQuadTexelExact;
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Quads, 4, facts);
  v[0].x = t.X(x0, y0, tx);
  v[0].y = t.Y(x0, y0, ty);
  v[0].u = u0;
  v[0].v = v0;
  v[1].x = t.X(x1, y0, tx);
  v[1].y = t.Y(x1, y0, ty);
  v[1].u = u1;
  v[1].v = v0;
  v[2].x = t.X(x1, y1, tx);
  v[2].y = t.Y(x1, y1, ty);
  v[2].u = u1;
  v[2].v = v1;
  v[3].x = t.X(x0, y1, tx);
  v[3].y = t.Y(x0, y1, ty);
  v[3].u = u0;
  v[3].v = v1;
  EndGLPrimitive();
}

}  // namespace tazmix
