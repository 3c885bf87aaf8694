#include "glback/internal/gl_queue.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "draw2d/vex2d_driver.h"
#include "glback/internal/gl_blend.h"

namespace tazmix {

namespace {

static_assert(kGLQuads == GL_QUADS);
constexpr size_t kFlushAt = kGLQueueFlushAt;

// Room for `count` more vertices; what is queued goes first when the queue
// would grow past its bound.
GLVertex* Room(GLContext& c, size_t count);
void Flush(GLContext& c, int32_t cause);

uint8_t AlphaOf(uint32_t rgba) { return static_cast<uint8_t>(rgba >> 24); }

// Under mask, alpha and light blending a fragment of alpha 0 leaves the
// pixel as it was, so such a primitive need not be drawn at all.
bool ChangesNoPixel(const GLContext& c) {
  if (AlphaOf(c.color) != 0) return false;
  const int32_t blend = c.want.blend;
  return blend == BLEND_MASK || blend == BLEND_ALPHA || blend == BLEND_LIGHT;
}

// Appends the `count` vertices written at the queue's end as one primitive
// in the current colour: to the last run when it is drawn the same way,
// else as a run of its own.
void Keep(GLContext& c, uint32_t texture, uint32_t mode, uint32_t count, uint8_t tricks) {
  GLRecording& q = c.queue;
  c.want.texture = texture;
  c.want.mode = mode;
  GLRun* run = q.runs.empty() ? nullptr : &q.runs.back();
  bool joins = run && !run->clear && !c.want_changed && run->state.texture == texture && run->state.mode == mode;
  if (!joins) {
    GLRunState s = c.want;
    s.line_width = mode == GL_LINES ? c.line_width : 0;
    c.want_changed = false;
    joins = run && !run->clear && run->state == s && mode != GL_POLYGON;
    if (!joins) {
      GLRun fresh;
      fresh.state = s;
      fresh.tricks = tricks;
      fresh.color = c.color;
      fresh.first = static_cast<uint32_t>(q.used);
      q.runs.push_back(fresh);
      run = &q.runs.back();
    }
  }
  run->tricks &= tricks;
  if (run->color != c.color) run->one_color = false;
  run->count += count;
  std::fill_n(q.colors.data() + q.used, count, c.color);
  q.used += count;
  if (!GLBack().shared.batching) Flush(c, FLUSH_UNBATCHED);
}

GLVertex* Room(GLContext& c, size_t count) {
  GLRecording& q = c.queue;
  if (q.used > 0 && q.used + count > kFlushAt) Flush(c, FLUSH_FULL);
  if (q.used + count > q.vertices.size()) {
    const size_t size = std::max({q.vertices.size() * 2, q.used + count, size_t{4096}});
    q.vertices.resize(size);
    q.colors.resize(size);
  }
  return q.vertices.data() + q.used;
}

// Sets GL's current colour unless GL holds it already.
void SendColor(GLContext& c, uint32_t rgba) {
  if (c.held.color_known && c.held.color == rgba) return;
  uint8_t bytes[4];
  std::memcpy(bytes, &rgba, 4);
  glColor4ubv(bytes);
  c.held.color = rgba;
  c.held.color_known = true;
}

void SendClearColor(GLContext& c, uint32_t rgba) {
  if (c.held.clear_color_known && c.held.clear_color == rgba) return;
  uint8_t b[4];
  std::memcpy(b, &rgba, 4);
  glClearColor(b[0] / 255.0f, b[1] / 255.0f, b[2] / 255.0f, 1.0f);
  c.held.clear_color = rgba;
  c.held.clear_color_known = true;
}

void ApplyScissor(GLHeld& h, const GLRunState& s, bool all) {
  if (all || h.state.scissor != s.scissor) {
    if (s.scissor) {
      glEnable(GL_SCISSOR_TEST);
    } else {
      glDisable(GL_SCISSOR_TEST);
    }
    h.state.scissor = s.scissor;
  }
  if (s.scissor && (all || !(h.state.scissor_rect == s.scissor_rect))) {
    glScissor(s.scissor_rect.x, s.scissor_rect.y, s.scissor_rect.width, s.scissor_rect.height);
    h.state.scissor_rect = s.scissor_rect;
  }
}

// Brings GL to the state `s`, changing only what differs from what it holds.
// The line width is set for lines, or always with `line_width`.
void Apply(GLContext& c, const GLRunState& s, bool line_width) {
  GLHeld& h = c.held;
  const bool all = !h.known;
  if (s.texture != 0) {
    if (all || !h.texturing) glEnable(GL_TEXTURE_2D);
    h.texturing = true;
    if (all || h.bound != s.texture) {
      glBindTexture(GL_TEXTURE_2D, s.texture);
      h.bound = s.texture;
      ++c.counting.binds;
    }
  } else if (all || h.texturing) {
    glDisable(GL_TEXTURE_2D);
    h.texturing = false;
  }
  const bool into_image = c.target.framebuffer != 0;
  if (all || h.state.blend != s.blend || h.blend_into_image != into_image) {
    SetGLBlendState(s.blend, into_image);
    h.state.blend = s.blend;
    h.blend_into_image = into_image;
  }
  const float width = line_width ? c.line_width : s.line_width;
  if ((line_width || s.mode == GL_LINES) && (all || h.state.line_width != width)) {
    glLineWidth(width);
    h.state.line_width = width;
  }
  if (all || h.state.ortho_width != s.ortho_width || h.state.ortho_height != s.ortho_height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, s.ortho_width, s.ortho_height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    if (all) glLoadIdentity();
    h.state.ortho_width = s.ortho_width;
    h.state.ortho_height = s.ortho_height;
  }
  if (all || !(h.state.viewport == s.viewport)) {
    glViewport(s.viewport.x, s.viewport.y, s.viewport.width, s.viewport.height);
    h.state.viewport = s.viewport;
  }
  ApplyScissor(h, s, all);
  h.known = true;
}

// The reference way: one glBegin/glEnd for the run, in GL's current colour.
void DrawImmediately(GLContext& c, const GLRecording& q, const GLRun& r) {
  const bool textured = r.state.texture != 0;
  SendColor(c, r.color);
  glBegin(r.state.mode);
  for (uint32_t i = r.first; i < r.first + r.count; ++i) {
    const GLVertex& v = q.vertices[i];
    if (textured) glTexCoord2f(v.u, v.v);
    glVertex2f(v.x, v.y);
  }
  glEnd();
}

// A run's glDrawArrays inside the tricks it is drawn with; GL's state is as
// before afterwards.
void DrawArrays(const GLRun& r) {
  if (r.tricks & kTrickNoBlend) glDisable(GL_BLEND);
  if (r.tricks & kTrickNearest) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  }
  glDrawArrays(r.state.mode, static_cast<GLint>(r.first), static_cast<GLsizei>(r.count));
  if (r.tricks & kTrickNearest) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  }
  if (r.tricks & kTrickNoBlend) glEnable(GL_BLEND);
}

// A textured run all in opaque white takes its texels as they are
// (GL_REPLACE): the same pixels as modulating them by 1, and a
// multiplication fewer per pixel for a software rasteriser (6 % of the word
// grid's frame).
bool TakesTexelsAsTheyAre(const GLRun& r) { return r.one_color && r.color == 0xFFFFFFFFu && r.state.texture != 0; }

// Every run of the recording, in order.
void Draw(GLContext& c, const GLRecording& q) {
  // Arrays only when there are vertices: a queue of clears has none.
  const bool arrays = GLBack().shared.batching && q.used > 0;
  bool texcoords = false;
  bool colors = false;
  bool replacing = false;  // GL_REPLACE rather than GL's GL_MODULATE
  if (arrays) {
    constexpr GLsizei kStride = sizeof(GLVertex);
    const GLVertex* v = q.vertices.data();
    glVertexPointer(2, GL_FLOAT, kStride, &v->x);
    glTexCoordPointer(2, GL_FLOAT, kStride, &v->u);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, q.colors.data());
    glEnableClientState(GL_VERTEX_ARRAY);
  }
  for (const GLRun& r : q.runs) {
    if (r.clear) {
      // A clear heeds the scissor alone.
      ApplyScissor(c.held, r.state, !c.held.known);
      SendClearColor(c, r.color);
      glClear(GL_COLOR_BUFFER_BIT);
      continue;
    }
    Apply(c, r.state, false);
    ++c.counting.draws;
    c.counting.vertices += static_cast<int32_t>(r.count);
    if (!arrays) {
      DrawImmediately(c, q, r);
      continue;
    }
    const bool textured = r.state.texture != 0;
    if (textured != texcoords) {
      if (textured) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
      }
      texcoords = textured;
    }
    if (r.one_color) {
      if (colors) glDisableClientState(GL_COLOR_ARRAY);
      colors = false;
      SendColor(c, r.color);
    } else if (!colors) {
      glEnableClientState(GL_COLOR_ARRAY);
      colors = true;
      // Drawing from a colour array leaves GL's current colour undefined.
      c.held.color_known = false;
    }
    if (TakesTexelsAsTheyAre(r) != replacing) {
      replacing = !replacing;
      glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, replacing ? GL_REPLACE : GL_MODULATE);
    }
    DrawArrays(r);
  }
  if (arrays) {
    if (replacing) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (texcoords) glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (colors) glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
  }
}

void Count(GLContext& c, int32_t cause) {
  ++c.counting.flushes;
  ++c.counting.flushes_by[cause];
}

void Flush(GLContext& c, int32_t cause) {
  // Part of the frame reaches GL before Flip: the queue at Flip no longer
  // holds the whole frame.
  if (cause != FLUSH_FLIP && cause != FLUSH_UNBATCHED) c.frame_whole = false;
  if (c.queue.Empty()) return;
  Count(c, cause);
  Draw(c, c.queue);
  c.queue.Clear();
}

}  // namespace

bool GLRecording::SameAs(const GLRecording& other) const noexcept {
  // A recording of clears alone has no vertex buffers to compare.
  return used == other.used && runs == other.runs &&
         (used == 0 || (std::memcmp(vertices.data(), other.vertices.data(), used * sizeof(GLVertex)) == 0 &&
                        std::memcmp(colors.data(), other.colors.data(), used * sizeof(uint32_t)) == 0));
}

void ReadGLBatchSwitch() {
  const char* value = std::getenv("TAZMIX_BATCH");
  GLBack().shared.batching = !(value && std::strcmp(value, "0") == 0);
}

void SetGLBatching(bool on) {
  Flush(CurrentGLContext(), FLUSH_UNBATCHED);
  GLBack().shared.batching = on;
}

void SetGLSkipRepeatedFrames(bool on) { GLBack().shared.skip_repeats = on; }

GLVertex* BeginGLPrimitive(uint32_t texture, uint32_t mode, int32_t count, uint8_t tricks) {
  GLBackState& b = GLBack();
  GLOpenPrimitive& open = b.open;
  open.texture = texture;
  open.mode = mode;
  open.count = count > 0 ? static_cast<uint32_t>(count) : 0;
  open.tricks = tricks;
  return Room(*b.context, open.count);
}

void EndGLPrimitive() {
  GLBackState& b = GLBack();
  GLOpenPrimitive& open = b.open;
  const uint32_t count = open.count;
  open.count = 0;
  GLContext& c = *b.context;
  if (count == 0 || (b.shared.batching && ChangesNoPixel(c))) return;
  Keep(c, open.texture, open.mode, count, open.tricks);
}

void QueueGLPolygon(const GLVertex* points, int32_t count) {
  if (count < 3) return;
  GLBackState& b = GLBack();
  GLContext& c = *b.context;
  if (b.shared.batching && ChangesNoPixel(c)) return;
  const auto n = static_cast<size_t>(count);
  if (!b.shared.batching) {
    std::copy_n(points, n, Room(c, n));
    Keep(c, 0, GL_POLYGON, static_cast<uint32_t>(n), 0);
    return;
  }
  // A fan as Mesa fills a polygon, also for concave ones (which GL leaves
  // undefined): triangles (i + 1, i + 2, 0) in turn.
  GLVertex* out = Room(c, (n - 2) * 3);
  for (size_t i = 0; i + 2 < n; ++i) {
    *out++ = points[i + 1];
    *out++ = points[i + 2];
    *out++ = points[0];
  }
  Keep(c, 0, GL_TRIANGLES, static_cast<uint32_t>((n - 2) * 3), 0);
}

void QueueGLClear() {
  GLContext& c = CurrentGLContext();
  GLRun run;
  // A clear heeds the scissor alone; nothing else may tell two clears apart.
  run.state.scissor = c.want.scissor;
  run.state.scissor_rect = c.want.scissor_rect;
  run.clear = true;
  run.color = c.clear_color;
  run.first = static_cast<uint32_t>(c.queue.used);
  c.queue.runs.push_back(run);
  if (!GLBack().shared.batching) Flush(c, FLUSH_UNBATCHED);
}

void QueueQuadRun(uint32_t texture, const GLVertex corners[4], uint8_t tricks) {
  GLVertex* v = BeginGLPrimitive(texture, GL_QUADS, 4, tricks);
  std::copy_n(corners, 4, v);
  EndGLPrimitive();
}

void SyncGL(int32_t cause) {
  GLContext& c = CurrentGLContext();
  Flush(c, cause);
  if (!c.drawing) return;
  Apply(c, c.want, true);
  SendColor(c, c.color);
  SendClearColor(c, c.clear_color);
}

bool FinishGLFrame(int32_t window_epoch) {
  GLBackState& b = GLBack();
  GLContext& c = *b.context;
  // A frame that draws into a render image changes what the image holds,
  // even when it repeats every primitive of the one before.
  const bool into_image = c.target.framebuffer != 0;
  const bool repeat = b.shared.skip_repeats && b.shared.batching && c.frame_whole && c.shown_valid && !into_image &&
                      !c.queue.Empty() && c.shown_window_epoch == window_epoch &&
                      c.shown_texture_epoch == b.shared.texture_epoch && c.queue.SameAs(c.shown);
  if (repeat) {
    c.queue.Clear();
    c.counting.repeated = 1;
  } else {
    const bool drew = !c.queue.Empty();
    if (drew) {
      Count(c, FLUSH_FLIP);
      Draw(c, c.queue);
      if (into_image) ++b.shared.texture_epoch;
    }
    // Kept as the frame on screen; the buffers of the one before are reused.
    std::swap(c.queue, c.shown);
    c.queue.Clear();
    c.shown_valid = drew && c.frame_whole && !into_image;
    c.shown_window_epoch = window_epoch;
    c.shown_texture_epoch = b.shared.texture_epoch;
  }
  c.last = c.counting;
  c.counting = FrameStats{};
  c.frame_whole = true;
  return !repeat;
}

void BindGLTextureForUpload(uint32_t name) {
  GLBackState& b = GLBack();
  GLContext& c = *b.context;
  ++b.shared.texture_epoch;
  if (c.held.known && c.held.bound == name) return;
  glBindTexture(GL_TEXTURE_2D, name);
  c.held.bound = name;
  ++c.counting.binds;
}

void NoteGLUpload() {
  GLBackState& b = GLBack();
  ++b.shared.texture_epoch;
  ++b.context->counting.uploads;
}

void SyncGLTextureUse(uint32_t texture) {
  GLContext& c = CurrentGLContext();
  for (const GLRun& r : c.queue.runs) {
    if (r.state.texture == texture) {
      Flush(c, FLUSH_TEXTURE);
      return;
    }
  }
}

void DeleteGLTexture(uint32_t name) {
  SyncGLTextureUse(name);
  GLBackState& b = GLBack();
  GLContext& c = *b.context;
  const GLuint n = name;
  glDeleteTextures(1, &n);
  ++b.shared.texture_epoch;
  // GL binds 0 in place of a deleted texture, and may hand the name out again.
  if (c.held.bound == name) c.held.bound = 0;
  if (c.want.texture == name) c.want.texture = 0;
}

void ForgetHeldGLState() {
  GLContext& c = CurrentGLContext();
  c.drawing = true;
  c.held = GLHeld{};
  c.want_changed = true;
  c.shown_valid = false;
}

void SetGLColor(uint32_t rgba) { CurrentGLContext().color = rgba; }

void SetGLClearColor(uint32_t rgba) { CurrentGLContext().clear_color = rgba; }

void SetGLBlendMode(int32_t blend) {
  GLContext& c = CurrentGLContext();
  if (c.want.blend == blend) return;
  c.want.blend = blend;
  c.want_changed = true;
}

void SetGLLineWidth(float width) {
  GLContext& c = CurrentGLContext();
  c.line_width = width;
  c.want_changed = true;
}

void SetGLScissor(bool on, GLRect rect) {
  GLContext& c = CurrentGLContext();
  c.want.scissor = on;
  c.want.scissor_rect = on ? rect : GLRect{};
  c.want_changed = true;
}

namespace {
void UpdatePixelGrid(GLContext& c) {
  c.pixel_grid = c.want.ortho_width == static_cast<float>(c.want.viewport.width) &&
                 c.want.ortho_height == static_cast<float>(c.want.viewport.height);
}
}  // namespace

void SetGLProjection(float width, float height) {
  GLContext& c = CurrentGLContext();
  c.want.ortho_width = width;
  c.want.ortho_height = height;
  c.want_changed = true;
  UpdatePixelGrid(c);
}

void SetGLViewport(GLRect rect) {
  GLContext& c = CurrentGLContext();
  c.want.viewport = rect;
  c.want_changed = true;
  UpdatePixelGrid(c);
}

void DrawGLPixels(const TPixmap& rgba, int32_t x, int32_t y) {
  SyncGL(FLUSH_PIXMAP);
  const GLHeld& h = CurrentGLContext().held;
  if (h.texturing) glDisable(GL_TEXTURE_2D);
  SetGLBlendState(BLEND_SOLID);
  // Rows go downward from the top-left corner, where the projection puts
  // (0, 0); glBitmap moves the raster position in window pixels without
  // drawing (and keeps it valid off the window).
  glPixelZoom(1.0f, -1.0f);
  glRasterPos2i(0, 0);
  glBitmap(0, 0, 0, 0, static_cast<float>(x), static_cast<float>(-y), nullptr);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rgba.pitch / 4);
  glDrawPixels(rgba.width, rgba.height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelZoom(1.0f, 1.0f);
  SetGLBlendState(h.state.blend, h.blend_into_image);
  if (h.texturing) glEnable(GL_TEXTURE_2D);
  // Where pixels are drawn as a textured quad (the web), GL's colour is left white.
  CurrentGLContext().held.color_known = false;
}

void ReadGLPixels(TPixmap& rgba, int32_t x, int32_t y) {
  SyncGL(FLUSH_GRAB);
  ReadBoundGLPixels(rgba, x, y);
}

void ReadBoundGLPixels(TPixmap& rgba, int32_t x, int32_t y) {
  glPixelStorei(GL_PACK_ROW_LENGTH, rgba.pitch / 4);
  glReadPixels(x, y, rgba.width, rgba.height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.pixels);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

FrameStats LastGLFrameStats() { return CurrentGLContext().last; }

}  // namespace tazmix
