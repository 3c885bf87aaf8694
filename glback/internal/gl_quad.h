// The GL 2D driver's vertex path: the 2x2 matrix it applies on the processor
// (GL's model-view matrix stays the identity) and the one function through
// which every textured quad reaches the batch (gl_batch.h). Frames never
// talk to GL about geometry themselves.
#pragma once

#include <cstdint>

namespace tazmix {

// A local point (x, y) with translation (tx, ty) lands at
// (x * ix + y * iy + tx, x * jx + y * jy + ty).
struct GL2DTransform {
  float ix = 0;
  float iy = 0;
  float jx = 0;
  float jy = 0;

  float X(float x, float y, float tx) const noexcept { return x * ix + y * iy + tx; }
  float Y(float x, float y, float ty) const noexcept { return x * jx + y * jy + ty; }
};

// The matrix set by the driver's SetTransform; it survives a change of
// context (the drawing layer sends it again anyway).
const GL2DTransform& CurrentGL2DTransform();
void SetCurrentGL2DTransform(float ix, float iy, float jx, float jy);

// Whether drawing coordinates are window pixels (the projection spans the
// context's own size), set by the driver whenever it sets the projection.
void SetGL2DPixelGrid(bool pixels);

// One quad with the local corners (x0, y0) top-left and (x1, y1)
// bottom-right, transformed and translated by (tx, ty), textured from
// `texture` with (u0, v0) at the top-left corner and (u1, v1) at the
// bottom-right one, in the current colour, alpha and blend mode.
// `facts` (kQuad* of gl_batch.h) say what the frame knows of its texels:
// kQuadTexelExact there means one texel per local unit from a texel corner,
// which is one texel per pixel once the matrix is the identity, the corner
// lies on a whole pixel and drawing coordinates are pixels; this function
// checks those.
void EmitTexturedQuad(uint32_t texture, float x0, float y0, float x1, float y1, float tx, float ty,
                      float u0, float v0, float u1, float v1, uint8_t facts = 0);

}  // namespace tazmix
