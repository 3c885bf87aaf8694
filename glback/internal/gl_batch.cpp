#include "glback/internal/gl_batch.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "draw2d/vex2d_driver.h"
#include "glback/internal/gl_blend.h"
#include "glback/internal/gl_texture_cache.h"

namespace tazmix {

namespace {

// A batch this long is drawn before more is gathered: it bounds the buffer
// (1.3 MB) without costing any scene more than one extra draw per 16384 quads.
constexpr size_t kFlushAt = size_t{1} << 16;

bool batching = true;
uint8_t color[4] = {0, 0, 0, 0};

// The batch: vertices[0, used), drawn as `mode`. The buffer only grows, so
// a steady stream of frames allocates nothing.
std::vector<GLBatchVertex> vertices;
size_t used = 0;
GLenum mode = GL_QUADS;

// How the batch is drawn beyond the state GL holds (each measured faster
// on llvmpipe, and giving the same pixels):
// opaque texels at alpha 1 under alpha blending: blending off, since
// source * 1 + destination * 0 is the source;
constexpr uint8_t kNoBlend = 1;
// texel centres 1:1 on pixel centres: nearest sampling, since linear
// sampling there weighs one texel only.
constexpr uint8_t kNearest = 2;
uint8_t run_tricks = 0;

// The primitive between Begin and End. Polygons (and every primitive when
// not gathering) are written to `corners` first.
GLPrimitive open_kind = GLPrimitive::Quads;
size_t open_count = 0;
std::vector<GLBatchVertex> corners;

GLenum ModeOf(GLPrimitive kind) {
  switch (kind) {
    case GLPrimitive::Points: return GL_POINTS;
    case GLPrimitive::Lines: return GL_LINES;
    case GLPrimitive::Quads: return GL_QUADS;
    case GLPrimitive::Polygon: break;
  }
  return GL_POLYGON;
}

// Room for `count` vertices drawn as `as` with `tricks`; what is gathered
// goes first when it is drawn otherwise or the batch is full.
GLBatchVertex* Room(GLenum as, size_t count, uint8_t tricks) {
  if (used > 0 && (as != mode || tricks != run_tricks || used + count > kFlushAt)) FlushGLBatch();
  mode = as;
  run_tricks = tricks;
  if (used + count > vertices.size()) vertices.resize(std::max({vertices.size() * 2, used + count, size_t{4096}}));
  return vertices.data() + used;
}

// The tricks that hold for a textured quad with these facts under the
// blend mode and colour GL has now.
uint8_t TricksFor(uint8_t facts) {
  uint8_t tricks = 0;
  if ((facts & kQuadOpaque) && color[3] == 255 && AppliedGLBlend() == BLEND_ALPHA) tricks |= kNoBlend;
  if (facts & kQuadTexelExact) tricks |= kNearest;
  return tricks;
}

// Under mask, alpha and light blending a fragment of alpha 0 leaves the pixel
// as it was, so such a primitive need not be drawn at all.
bool ChangesNoPixel() {
  if (color[3] != 0) return false;
  const int32_t blend = AppliedGLBlend();
  return blend == BLEND_MASK || blend == BLEND_ALPHA || blend == BLEND_LIGHT;
}

void Colour(GLBatchVertex& v) { std::memcpy(v.rgba, color, sizeof color); }

// The old way, one glBegin/glEnd per primitive in the current GL colour.
void DrawAtOnce() {
  const bool textured = TexturingOn();
  glBegin(ModeOf(open_kind));
  for (size_t i = 0; i < open_count; ++i) {
    const GLBatchVertex& v = corners[i];
    if (textured) glTexCoord2f(v.u, v.v);
    glVertex2f(v.x, v.y);
  }
  glEnd();
}

// A polygon as Mesa fills one: triangles (i + 1, i + 2, 0) in turn (also
// for concave ones, which GL leaves undefined).
void KeepPolygon() {
  const size_t n = open_count;
  GLBatchVertex* out = Room(GL_TRIANGLES, (n - 2) * 3, 0);
  for (size_t i = 0; i + 2 < n; ++i) {
    *out++ = corners[i + 1];
    *out++ = corners[i + 2];
    *out++ = corners[0];
  }
  for (size_t i = used; i < used + (n - 2) * 3; ++i) Colour(vertices[i]);
  used += (n - 2) * 3;
}

// The batch's glDrawArrays inside the tricks it is drawn with; GL's state is
// as before afterwards.
void DrawBatch(GLsizei count) {
  if (run_tricks & kNoBlend) glDisable(GL_BLEND);
  if (run_tricks & kNearest) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  }
  glDrawArrays(mode, 0, count);
  if (run_tricks & kNearest) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  }
  if (run_tricks & kNoBlend) glEnable(GL_BLEND);
}

}  // namespace

void ReadGLBatchSwitch() {
  const char* value = std::getenv("TAZMIX_BATCH");
  batching = !(value && std::strcmp(value, "0") == 0);
}

void SetGLBatching(bool on) {
  FlushGLBatch();
  batching = on;
}

void SetGLBatchColor(const uint8_t rgba[4]) { std::memcpy(color, rgba, sizeof color); }

GLBatchVertex* BeginGLPrimitive(GLPrimitive kind, int32_t count, uint8_t quad_facts) {
  open_kind = kind;
  open_count = count > 0 ? static_cast<size_t>(count) : 0;
  if (!batching || kind == GLPrimitive::Polygon) {
    if (corners.size() < open_count) corners.resize(open_count);
    return corners.data();
  }
  return Room(ModeOf(kind), open_count, TexturingOn() ? TricksFor(quad_facts) : 0);
}

void EndGLPrimitive() {
  if (!batching) {
    DrawAtOnce();
  } else if (ChangesNoPixel()) {
    // Not kept: `used` stays where it was.
  } else if (open_kind == GLPrimitive::Polygon) {
    if (open_count >= 3) KeepPolygon();
  } else {
    for (size_t i = used; i < used + open_count; ++i) Colour(vertices[i]);
    used += open_count;
  }
  open_count = 0;
}

void FlushGLBatch() {
  if (used == 0) return;
  const GLsizei count = static_cast<GLsizei>(used);
  used = 0;
  const GLBatchVertex* v = vertices.data();
  constexpr GLsizei kStride = sizeof(GLBatchVertex);
  glVertexPointer(2, GL_FLOAT, kStride, &v->x);
  glColorPointer(4, GL_UNSIGNED_BYTE, kStride, v->rgba);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  const bool textured = TexturingOn();
  if (textured) {
    glTexCoordPointer(2, GL_FLOAT, kStride, &v->u);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  }
  DrawBatch(count);
  if (textured) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  // Drawing from a colour array leaves GL's current colour undefined; raw GL
  // after the driver relies on it being the driver's colour.
  glColor4ubv(color);
}

}  // namespace tazmix
