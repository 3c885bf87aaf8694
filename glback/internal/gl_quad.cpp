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
  const auto corner = [&](GLBatchVertex& out, float x, float y, float u, float tv) {
    out.x = t.X(x, y, tx);
    out.y = t.Y(x, y, ty);
    out.u = u;
    out.v = tv;
  };
  corner(v[0], x0, y0, u0, v0);
  corner(v[1], x1, y0, u1, v0);
  corner(v[2], x1, y1, u1, v1);
  corner(v[3], x0, y1, u0, v1);
  EndGLPrimitive();
}

}  // namespace tazmix
