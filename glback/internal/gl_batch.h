// The GL 2D driver's vertices on their way to GL. Every primitive the driver
// draws (textured quads, rectangles, lines, points, ovals, polygons) is
// gathered into one client-side vertex array (GL 1.1: position, texture
// coordinate and colour per vertex) and drawn with one glDrawArrays when
// something that changes its meaning comes: another texture, blend mode,
// line width, scissor or projection, texturing on or off, a clear, a flip,
// pixels read or written, raw GL, a change of context. Colour and alpha
// travel with each vertex, so they never break a batch.
//
// The rule for the rest of the back end: flush before any GL call that
// changes state the gathered vertices depend on, reads pixels, or hands GL
// to other code. GL state is never changed lazily, so the driver's caches and
// whatever raw GL reads stay exactly as without gathering.
//
// With gathering off (TAZMIX_BATCH=0 in the environment when the driver
// starts) every primitive goes to GL at once, one glBegin/glEnd each, in the
// current GL colour, as the driver always did.
#pragma once

#include <cstdint>

namespace tazmix {

// One vertex as GL reads it from the array.
struct GLBatchVertex {
  float x = 0;
  float y = 0;
  float u = 0;  // texture coordinate; ignored while texturing is off
  float v = 0;
  uint8_t rgba[4] = {0, 0, 0, 0};
};

enum class GLPrimitive : uint8_t { Points, Lines, Quads, Polygon };

// What the caller of a textured quad knows of its texels, so that the batch
// can spare llvmpipe pixel work where that changes no pixel: opaque texels
// at alpha 1 under alpha blending are drawn without blending, texels that
// fall 1:1 on pixel centres with nearest sampling. Such state is set around
// the draw of a run and undone after it, so GL state as anyone can observe
// it stays what the driver set.
inline constexpr uint8_t kQuadOpaque = 1;      // every texel it can sample has alpha 255
inline constexpr uint8_t kQuadTexelExact = 2;  // texel centres fall 1:1 on pixel centres of a texture
                                               // sampled linearly without mipmaps

// Gathering on or off; TAZMIX_BATCH=0 in the environment turns it off. Read
// once, at the driver's start.
void ReadGLBatchSwitch();
// Flushes first; for tests that draw the same frame both ways.
void SetGLBatching(bool on);

// The colour and alpha of the vertices to come (the driver's current colour).
void SetGLBatchColor(const uint8_t rgba[4]);

// Room for one primitive of `count` vertices (a multiple of the kind's
// size: 1 per point, 2 per line, 4 per quad; 3 or more for one polygon).
// The caller writes x, y (and u, v when textured), then calls
// EndGLPrimitive; nothing else may touch the batch in between.
GLBatchVertex* BeginGLPrimitive(GLPrimitive kind, int32_t count, uint8_t quad_facts = 0);
// Colours the vertices and keeps them (a polygon as a fan of triangles), or
// without gathering draws them now. With gathering, a primitive of alpha 0
// under a blend mode where alpha 0 changes no pixel (mask, alpha, light) is
// dropped.
void EndGLPrimitive();

// Draws what is gathered, with the texture and state GL holds now (which
// are the ones the vertices were gathered under). Nothing when empty.
void FlushGLBatch();

}  // namespace tazmix
