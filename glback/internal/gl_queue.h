// The queue between the GL 2D driver and GL: the one place that sends
// drawing to GL.
//
// Drawing code appends primitives (quads, lines, points, polygons, clears);
// each is tagged with the GL state it needs (texture, blend mode, line
// width, projection, viewport, scissor), and primitives with equal tags in a
// row share one draw call. The queue goes to GL when the frame is shown, or
// when someone must see GL as drawn so far: they call SyncGL with their
// cause, and nothing else sends queued drawing. Colour and alpha travel
// with each vertex, so they never split a run.
//
// A frame that queued exactly what the frame on screen was drawn from (and
// whose textures and window are unchanged) is neither drawn nor shown again:
// an idle menu costs almost nothing.
//
// With TAZMIX_BATCH=0 in the environment when the driver starts, every
// primitive goes to GL at once with glBegin/glEnd, the way drawing was first
// done here: the reference the batched pictures are tested against.
#pragma once

#include <algorithm>
#include <cstdint>

#include "draw2d/vex2d_driver.h"
#include "glback/internal/gl_state.h"
#include "pixmap/pixmap.h"

namespace tazmix {

// What the caller of a textured quad knows of its texels (see kTrick* in
// gl_state.h for what the queue makes of it).
inline constexpr uint8_t kQuadOpaque = 1;      // every texel it can sample has alpha 255
inline constexpr uint8_t kQuadTexelExact = 2;  // one texel per local unit from a texel corner,
                                               // sampled linearly without mipmaps

// A queue this long goes to GL before more is gathered: it bounds the
// buffers (1.3 MB) at one extra draw per 16384 quads.
inline constexpr size_t kGLQueueFlushAt = size_t{1} << 16;
inline constexpr uint32_t kGLQuads = 0x0007;  // GL_QUADS, without GL's header here

// Whether v is a whole number (floor is a library call on plain x86-64).
inline bool GLWhole(float v) {
  if (!(v < 16777216.0f && v > -16777216.0f)) return v == v && v - v == 0;  // large floats are whole; not NaN or inf
  return static_cast<float>(static_cast<int32_t>(v)) == v;
}

// Reads TAZMIX_BATCH once, at the driver's start.
void ReadGLBatchSwitch();
// For tests that draw the same frame both ways; sends what is queued first.
void SetGLBatching(bool on);
// For tests and programs that draw with raw GL outside the raw bracket:
// with false every frame is drawn and shown, repeated or not.
void SetGLSkipRepeatedFrames(bool on);

// Room for one primitive of `count` vertices drawn as `mode` (GL_POINTS,
// GL_LINES, GL_QUADS) from `texture` (0: untextured). The caller writes
// x, y (and u, v when textured), then calls EndGLPrimitive; nothing else
// may touch the queue in between.
GLVertex* BeginGLPrimitive(uint32_t texture, uint32_t mode, int32_t count, uint8_t quad_facts = 0);
// Colours the primitive in the current colour and keeps it. Under mask,
// alpha and light blending a primitive of alpha 0 changes no pixel and is
// dropped.
void EndGLPrimitive();
// A filled polygon of `count` points (untextured); fewer than 3 draw nothing.
// It is filled as a fan of triangles (i + 1, i + 2, 0), as GL fills one.
void QueueGLPolygon(const GLVertex* points, int32_t count);
// Clears the scissored surface to the clear colour.
void QueueGLClear();

// A quad that cannot continue the last run: through Begin and End.
void QueueQuadRun(uint32_t texture, const GLVertex corners[4], uint8_t tricks);

// One quad with the local corners (x0, y0) top-left and (x1, y1)
// bottom-right, transformed by the current matrix and translated by
// (tx, ty), textured from `texture` with (u0, v0) at the top-left corner and
// (u1, v1) at the bottom-right one. `facts` as above; kQuadTexelExact is
// checked against the matrix, the position and the pixel grid here.
// Inline: every image and glyph drawn comes this way, and most continue the
// run before them.
[[gnu::always_inline]] inline void QueueTexturedQuad(uint32_t texture, float x0, float y0, float x1, float y1, float tx,
                                                     float ty, float u0, float v0, float u1, float v1, uint8_t facts) {
  GLContext& c = CurrentGLContext();
  const GLTransform& t = c.transform;
  const uint8_t alpha = static_cast<uint8_t>(c.color >> 24);
  uint8_t tricks = 0;
  if ((facts & kQuadOpaque) && alpha == 255 && c.want.blend == BLEND_ALPHA) tricks |= kTrickNoBlend;
  if ((facts & kQuadTexelExact) && c.pixel_grid && t.ix == 1 && t.iy == 0 && t.jx == 0 && t.jy == 1) {
    // One texel per pixel at texel centres: one texel per local unit, the
    // identity matrix, a corner on a whole pixel, and pixels as units.
    const float x = x0 + tx;
    const float y = y0 + ty;
    if (GLWhole(x) && GLWhole(y)) tricks |= kTrickNearest;
  }
  GLRecording& q = c.queue;
  GLRun* run = q.runs.empty() ? nullptr : &q.runs.back();
  // Continues the last run with room to spare: straight in. (Without
  // batching the queue is empty here; an invisible quad goes the long way,
  // which drops it.)
  const bool straight_in = run && !c.want_changed && run->state.texture == texture && run->state.mode == kGLQuads &&
                           !run->clear && q.used + 4 <= q.vertices.size() && q.used + 4 <= kGLQueueFlushAt &&
                           alpha != 0;
  // Written where they go when they continue the run (element by element:
  // a copy of the four would be a call to memmove).
  const auto put = [&](GLVertex * v) __attribute__((always_inline)) {
    v[0] = {t.X(x0, y0, tx), t.Y(x0, y0, ty), u0, v0};
    v[1] = {t.X(x1, y0, tx), t.Y(x1, y0, ty), u1, v0};
    v[2] = {t.X(x1, y1, tx), t.Y(x1, y1, ty), u1, v1};
    v[3] = {t.X(x0, y1, tx), t.Y(x0, y1, ty), u0, v1};
  };
  if (!straight_in) {
    GLVertex corners[4];
    put(corners);
    QueueQuadRun(texture, corners, tricks);
    return;
  }
  put(q.vertices.data() + q.used);
  uint32_t* colors = q.colors.data() + q.used;
  colors[0] = colors[1] = colors[2] = colors[3] = c.color;
  run->tricks &= tricks;
  if (run->color != c.color) run->one_color = false;
  run->count += 4;
  q.used += 4;
}

// Sends everything queued to GL and brings GL to the drawing state (blend
// mode, scissor, viewport, projection, current colour, and the texture and
// texturing of the last primitive), so whoever reads or changes GL next
// sees the frame as drawn so far. `cause` is a FLUSH_* code.
void SyncGL(int32_t cause);

// At Flip: sends the frame to GL and answers true, or answers false when
// the frame repeats the one on screen (nothing is drawn; it must not be
// shown either). `window_epoch` changes whenever the window lost what it
// showed (exposed, resized). The frame's statistics are complete afterwards.
bool FinishGLFrame(int32_t window_epoch);

// Pixels written and read where the frame so far is drawn: the queue goes
// first. DrawGLPixels puts the RGBA pixmap's top-left corner at (x, y)
// (top-left based) unscaled, unblended and untextured; ReadGLPixels reads
// the pixmap's size from GL's (x, y) (bottom-left based) into it.
void DrawGLPixels(const TPixmap& rgba, int32_t x, int32_t y);
void ReadGLPixels(TPixmap& rgba, int32_t x, int32_t y);
// The same from the framebuffer bound now, without sending the queue (which
// may be meant for another target).
void ReadBoundGLPixels(TPixmap& rgba, int32_t x, int32_t y);

// Binds a texture to upload texels into it, through the binding GL is
// believed to hold; counts the upload and marks every texture changed.
void BindGLTextureForUpload(uint32_t name);
// Counts one more level or rectangle uploaded into the bound texture.
void NoteGLUpload();
// Deletes a texture, sending first whatever queued drawing still uses it.
void DeleteGLTexture(uint32_t name);
// Sends queued drawing that samples `texture` before its texels are reused.
void SyncGLTextureUse(uint32_t texture);

// The 2D driver made a context current whose GL state is unknown:
// everything is set afresh on the next draw. What is queued was sent before
// the switch.
void ForgetHeldGLState();

// Setters of the drawing state (the 2D driver's).
void SetGLColor(uint32_t rgba);
void SetGLClearColor(uint32_t rgba);
void SetGLBlendMode(int32_t blend);
void SetGLLineWidth(float width);
void SetGLScissor(bool on, GLRect rect);
void SetGLProjection(float width, float height);
void SetGLViewport(GLRect rect);

// The frame statistics of the current context's last finished frame.
FrameStats LastGLFrameStats();

}  // namespace tazmix
