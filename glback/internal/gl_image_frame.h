// The OpenGL form of one image frame: a power-of-two RGBA texture holding the
// frame's pixels, and the factors that turn pixel coordinates of the frame
// into texture coordinates.
//
// Small fixed frames share a texture page with others (gl_texture_atlas.h)
// and sit at (u0, v0) in it, inside a border of their own edge pixels; the
// rest have a texture of their own with the image at (0, 0).
//
// A frame belongs to the GraphicsSeq it was made under. Releasing it deletes
// its own texture (never a shared page) only while that GraphicsSeq is still
// current; under a later one the texture died with its context, and images
// make new frames.
#pragma once

#include <cstdint>

#include "draw2d/image_frame.h"
#include "pixmap/pixmap.h"
#include "runtime/object.h"

namespace tazmix {

class TGLImageFrame : public TImageFrame {
 public:
  float u0 = 0;      // texture coordinates of the image inside the texture
  float v0 = 0;
  float u1 = 0;      // image width * uscale
  float v1 = 0;      // image height * vscale
  float uscale = 0;  // 1 / texture width
  float vscale = 0;  // 1 / texture height
  uint32_t name = 0;  // GL texture name
  int32_t seq = 0;    // GraphicsSeq at construction; 0 once the texture is released
  bool in_atlas = false;  // `name` is a shared page, not the frame's own texture
  bool opaque = false;    // every texel a quad of the image can sample has alpha 255
  int32_t flags = 0;      // the image flags it was made with
  int32_t width = 0;      // the image's size, in texels as in pixels; 0 when it was shrunk
  int32_t height = 0;
  uint8_t whole_facts = 0;  // what a quad of the whole image knows of its texels (kQuad* of gl_queue.h)

  TGLImageFrame();
  ~TGLImageFrame() override;

  // One textured quad; the source rectangle is in pixels of the image.
  void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy,
            float sw, float sh) override;

  // Works out whole_facts once the fields above are set.
  void KnowTexels();

  // A frame whose texture (or page) holds the pixmap (which is not changed), sampled
  // linearly with IMAGE_FILTERED and carrying mipmaps with IMAGE_MIPMAPPED.
  // A pixmap larger than GL can hold is shrunk to the largest size it takes.
  // Null for a Null or empty pixmap and when no GL context is current.
  static Ref<TGLImageFrame> CreateFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags);
};

}  // namespace tazmix
