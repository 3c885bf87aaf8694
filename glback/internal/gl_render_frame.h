// The OpenGL form of a render image (draw2d/render_image.h): a texture of its
// own that GL draws into through a framebuffer object.
//
// Rows are kept as GL draws them into a framebuffer, bottom row first: the
// texture holds the image upside down and the frame samples it with its
// vertical texture coordinates reversed (v0 at the top row's edge, a
// negative vscale). Drawing into the image then needs nothing of its own:
// projection, viewport, scissor, pixel writes and reads, raw GL all work as
// on a window of the image's size.
//
// The texture is the image's size where GL takes any size, else the next
// powers of two with the image at its bottom-left corner; it is never on a
// shared page. It starts transparent. Framebuffers belong to one context
// each, so the frame makes one in every context that draws into it; other
// contexts than its own only see its texture once GLShareContexts was called.
//
// Like every frame it belongs to the GraphicsSeq it was made under: under a
// later one its texture and framebuffers died with their context and are
// never touched again.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "glback/internal/gl_image_frame.h"
#include "pixmap/pixmap.h"
#include "runtime/object.h"

namespace tazmix {

class TGLRenderFrame : public TGLImageFrame {
 public:
  ~TGLRenderFrame() override;

  // The frame's framebuffer in the current context, made there on first
  // use; 0, with the reason noted, when GL can't draw into the texture.
  uint32_t Framebuffer();
  // Its pixels: FORMAT_RGBA32, the image's size, row 0 the top row. What is
  // queued to be drawn into it is drawn first.
  Ref<TPixmap> ReadPixels();
  // Replaces its pixels by the pixmap's (its top-left part of the image's
  // size; what it lacks becomes transparent). Queued drawing that samples
  // the frame or draws into it goes first.
  void WritePixels(const TPixmap& pixmap);

  // A frame of width x height, cleared transparent; Null, with the reason
  // noted, when GL has no framebuffer objects, the size is more than it
  // can draw into, or the texture can't be had. Needs a current context.
  static Ref<TGLRenderFrame> Create(int32_t width, int32_t height, int32_t flags);

  // The native context it was made in.
  int32_t home = 0;
  // Per native context handle, the framebuffer made there.
  std::vector<std::pair<int32_t, uint32_t>> framebuffers;
};

// Sends the current context's drawing into `frame`, or into its window for
// nullptr: what is queued goes to the old target first (FLUSH_TARGET), the
// old target's mipmaps are made, and the switch is counted. False, with the
// reason noted, when the frame can't be drawn into here; nothing changes.
bool SetGLRenderTarget(TGLRenderFrame* frame);

// Deletes the framebuffers that frames freed while the current context was
// not current left to it, returning its drawing to its window if it went
// into one of them.
void DeleteDeadGLFramebuffers();

}  // namespace tazmix
