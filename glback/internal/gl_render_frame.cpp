#include "glback/internal/gl_render_frame.h"

#include <GL/gl.h>

#include <algorithm>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_framebuffer.h"
#include "glback/internal/gl_new_texture.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_state.h"
#include "glback/internal/gl_texture_size.h"
#include "graphics/graphics.h"
#include "pixmap/internal/flip_rows.h"
#include "pixmap/pixel_format.h"
#include "runtime/error_report.h"
#include "runtime/string.h"

namespace tazmix {

namespace {

String SizeText(int32_t width, int32_t height) { return String::FromInt(width) + " x " + String::FromInt(height); }

// Clears the bound framebuffer to transparent black, whatever the scissor;
// the context's state knows what changed.
void ClearTransparent(GLContext& c) {
  glDisable(GL_SCISSOR_TEST);
  c.held.state.scissor = false;
  glClearColor(0, 0, 0, 0);
  c.held.clear_color_known = false;
  glClear(GL_COLOR_BUFFER_BIT);
}

// Makes the mipmaps of the texture from its level 0.
void MakeMipmaps(uint32_t texture) {
  BindGLTextureForUpload(texture);
  GLBack().shared.framebuffer.mipmaps(GL_TEXTURE_2D);
}

// The frame's texels are about to be replaced or read: what is queued to
// be drawn into it (it is the target) or from it goes first.
void SyncFrameUse(uint32_t texture, int32_t cause) {
  if (CurrentGLContext().target.texture == texture) {
    SyncGL(cause);
  } else {
    SyncGLTextureUse(texture);
  }
}

}  // namespace

TGLRenderFrame::~TGLRenderFrame() {
  // Under a later GraphicsSeq the framebuffers died with their contexts.
  if (seq == 0 || seq != GraphicsSeq()) return;
  GLBackState& b = GLBack();
  for (const auto& [handle, framebuffer] : framebuffers) {
    const auto it = b.contexts.find(handle);
    if (it == b.contexts.end()) continue;  // closed, and its framebuffers with it
    GLContext& c = *it->second;
    if (&c != b.context) {
      c.dead_framebuffers.push_back(framebuffer);
      continue;
    }
    if (c.target.framebuffer == framebuffer) SetGLRenderTarget(nullptr);
    b.shared.framebuffer.remove(1, &framebuffer);
  }
  // The texture goes in ~TGLImageFrame.
}

uint32_t TGLRenderFrame::Framebuffer() {
  GLBackState& b = GLBack();
  for (const auto& [handle, framebuffer] : framebuffers) {
    if (handle == b.current_handle) return framebuffer;
  }
  if (b.current_handle == 0) {
    NoteFailure("no graphics are current");
    return 0;
  }
  // Without sharing, its texture's name may well be another texture here.
  if (home != 0 && home != b.current_handle && !b.shared.textures_shared) {
    NoteFailure("these graphics don't share textures with the ones it was made under (see GLShareContexts)");
    return 0;
  }
  const GLFramebufferCalls* gl = GLFramebuffers();
  if (!gl) return 0;
  uint32_t framebuffer = 0;
  gl->gen(1, &framebuffer);
  gl->bind(GL_FRAMEBUFFER, framebuffer);
  gl->attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, name, 0);
  const uint32_t status = gl->status(GL_FRAMEBUFFER);
  gl->bind(GL_FRAMEBUFFER, b.context->target.framebuffer);
  if (status != GL_FRAMEBUFFER_COMPLETE) {
    gl->remove(1, &framebuffer);
    NoteFailure("GL can't draw into its texture (framebuffer status " + String::FromInt(static_cast<int32_t>(status)) + ")");
    return 0;
  }
  framebuffers.emplace_back(b.current_handle, framebuffer);
  return framebuffer;
}

Ref<TPixmap> TGLRenderFrame::ReadPixels() {
  const uint32_t framebuffer = Framebuffer();
  Ref<TPixmap> rows = framebuffer ? CreatePixmap(width, height, FORMAT_RGBA32, 4) : nullptr;
  if (!rows) return nullptr;
  GLContext& c = CurrentGLContext();
  if (c.target.framebuffer == framebuffer) {
    ReadGLPixels(*rows, 0, 0);
  } else {
    // Read where it lies, without sending the queue meant for another target.
    const GLFramebufferCalls& gl = GLBack().shared.framebuffer;
    gl.bind(GL_FRAMEBUFFER, framebuffer);
    ReadBoundGLPixels(*rows, 0, 0);
    gl.bind(GL_FRAMEBUFFER, c.target.framebuffer);
  }
  FlipRowsInPlace(*rows);  // GL reads bottom row first
  return rows;
}

void TGLRenderFrame::WritePixels(const TPixmap& pixmap) {
  Ref<TPixmap> rows = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  if (!rows) return;
  rows->ClearPixels(0);
  rows->Paste(pixmap, 0, 0);
  FlipRowsInPlace(*rows);  // GL takes bottom row first
  SyncFrameUse(name, FLUSH_TEXTURE);
  BindGLTextureForUpload(name);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rows->pitch / 4);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows->pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  NoteGLUpload();
  if (flags & IMAGE_MIPMAPPED) MakeMipmaps(name);
}

Ref<TGLRenderFrame> TGLRenderFrame::Create(int32_t width, int32_t height, int32_t flags) {
  const GLFramebufferCalls* gl = GLFramebuffers();
  if (!gl) return nullptr;
  GLint max_texture = 0;
  GLint max_viewport[2] = {0, 0};
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_texture);
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, max_viewport);
  const int32_t max_width = std::min(max_texture, max_viewport[0]);
  const int32_t max_height = std::min(max_texture, max_viewport[1]);
  if (width <= 0 || height <= 0 || width > max_width || height > max_height) {
    NoteFailure("GL draws into images of at most " + SizeText(max_width, max_height));
    return nullptr;
  }
  const int32_t tex_width = gl->any_size ? width : Pow2Size(width);
  const int32_t tex_height = gl->any_size ? height : Pow2Size(height);
  if (tex_width > max_width || tex_height > max_height || !ProxyTextureFits(tex_width, tex_height)) {
    NoteFailure("GL can't hold a texture of " + SizeText(tex_width, tex_height));
    return nullptr;
  }
  // Errors left by others would look like ours.
  for (int32_t i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {
  }
  auto frame = New<TGLRenderFrame>();
  frame->name = CreateTexture(tex_width, tex_height, flags);
  if (glGetError() == GL_OUT_OF_MEMORY) {
    NoteFailure("GL has no memory for a texture of " + SizeText(tex_width, tex_height));
    return nullptr;
  }
  frame->width = width;
  frame->height = height;
  frame->flags = flags;
  frame->uscale = 1.0f / static_cast<float>(tex_width);
  frame->vscale = -1.0f / static_cast<float>(tex_height);
  frame->u1 = static_cast<float>(width) * frame->uscale;
  frame->v0 = static_cast<float>(height) / static_cast<float>(tex_height);
  frame->v1 = 0;
  frame->KnowTexels();
  frame->home = GLBack().current_handle;

  const uint32_t framebuffer = frame->Framebuffer();
  if (!framebuffer) return nullptr;
  GLContext& c = CurrentGLContext();
  gl->bind(GL_FRAMEBUFFER, framebuffer);
  ClearTransparent(c);
  gl->bind(GL_FRAMEBUFFER, c.target.framebuffer);
  if (flags & IMAGE_MIPMAPPED) MakeMipmaps(frame->name);
  return frame;
}

bool SetGLRenderTarget(TGLRenderFrame* frame) {
  GLTarget next;
  if (frame) {
    next.framebuffer = frame->Framebuffer();
    if (next.framebuffer == 0) return false;
    next.texture = frame->name;
    next.mipmapped = (frame->flags & IMAGE_MIPMAPPED) != 0;
  }
  GLBackState& b = GLBack();
  GLContext& c = *b.context;
  if (c.target == next) return true;
  SyncGL(FLUSH_TARGET);
  if (c.target.framebuffer != 0) {
    // What was drawn into it changed its texels.
    ++b.shared.texture_epoch;
    if (c.target.mipmapped) MakeMipmaps(c.target.texture);
  }
  b.shared.framebuffer.bind(GL_FRAMEBUFFER, next.framebuffer);
  c.target = next;
  ++c.counting.target_switches;
  return true;
}

void DeleteDeadGLFramebuffers() {
  GLContext& c = CurrentGLContext();
  if (c.dead_framebuffers.empty()) return;
  const GLFramebufferCalls& gl = GLBack().shared.framebuffer;
  for (const uint32_t framebuffer : c.dead_framebuffers) {
    if (c.target.framebuffer == framebuffer) {
      // Nothing queued yet: the context was only just made current.
      gl.bind(GL_FRAMEBUFFER, 0);
      c.target = GLTarget{};
    }
    gl.remove(1, &framebuffer);
  }
  c.dead_framebuffers.clear();
}

}  // namespace tazmix
