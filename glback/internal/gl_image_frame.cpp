#include "glback/internal/gl_image_frame.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_new_texture.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_texture_atlas.h"
#include "glback/internal/gl_texture_size.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_resize.h"

namespace tazmix {

namespace {

// Writes an RGBA pixmap into level 0 of the bound texture and, for
// mipmapped textures, its successively halved copies into the levels below.
void UploadTexture(Ref<TPixmap> pixmap, int32_t flags) {
  int32_t level = 0;
  while (pixmap) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, pixmap->pitch / BytesPerPixel[pixmap->format]);
    glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, pixmap->width, pixmap->height, GL_RGBA,
                    GL_UNSIGNED_BYTE, pixmap->pixels);
    NoteGLUpload();
    int32_t width = pixmap->width, height = pixmap->height;
    if (!(flags & IMAGE_MIPMAPPED) || !NextMipLevel(width, height)) break;
    pixmap = ResizePixmap(pixmap, width, height);
    ++level;
  }
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

// The source laid out as the texture wants it: at the top-left of an RGBA
// pixmap of the texture's size, its last column and row repeated once beside
// and below it so filtered sampling at the border finds no stray texels.
Ref<TPixmap> TexturePixmap(const Ref<TPixmap>& source, int32_t tex_width, int32_t tex_height) {
  const int32_t w = source->width;
  const int32_t h = source->height;
  if (w == tex_width && h == tex_height) {
    return source->format == FORMAT_RGBA32 ? source : source->Convert(FORMAT_RGBA32);
  }
  Ref<TPixmap> texture = CreatePixmap(tex_width, tex_height, FORMAT_RGBA32, 4);
  if (!texture) return nullptr;
  // The rest is never sampled; clearing it keeps the upload deterministic.
  texture->ClearPixels(0);
  texture->Paste(*source, 0, 0);
  if (w < tex_width) texture->Paste(*source->Window(w - 1, 0, 1, h), w, 0);
  if (h < tex_height) {
    texture->Paste(*source->Window(0, h - 1, w, 1), 0, h);
    if (w < tex_width) texture->Paste(*source->Window(w - 1, h - 1, 1, 1), w, h);
  }
  return texture;
}

// Whether every pixel of the RGBA pixmap's top-left width x height has alpha 255.
bool AllOpaque(const TPixmap& rgba, int32_t width, int32_t height) {
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* p = rgba.PixelPtr(0, y);
    for (int32_t x = 0; x < width; ++x) {
      if (p[x * 4 + 3] != 255) return false;
    }
  }
  return true;
}

// A frame placed in a shared page; Null when no page can take it.
Ref<TGLImageFrame> CreateInAtlas(const Ref<TPixmap>& source, int32_t flags) {
  AtlasPlace place;
  if (!PlaceInAtlas(source, flags, place)) return nullptr;
  auto frame = New<TGLImageFrame>();
  frame->name = place.texture;
  frame->in_atlas = true;
  const float scale = 1.0f / static_cast<float>(place.page_size);
  frame->uscale = scale;
  frame->vscale = scale;
  frame->u0 = static_cast<float>(place.x) * scale;
  frame->v0 = static_cast<float>(place.y) * scale;
  frame->u1 = frame->u0 + static_cast<float>(source->width) * scale;
  frame->v1 = frame->v0 + static_cast<float>(source->height) * scale;
  frame->opaque = place.opaque;
  return frame;
}

}  // namespace

TGLImageFrame::TGLImageFrame() : seq(GraphicsSeq()) {}

TGLImageFrame::~TGLImageFrame() {
  // Under a later GraphicsSeq the texture died with its context. Queued
  // quads of this frame are drawn before its texels go or are reused.
  if (seq != 0 && seq == GraphicsSeq() && in_atlas) {
    ReleaseAtlasSpace(name);
  } else if (seq != 0 && seq == GraphicsSeq()) {
    DeleteGLTexture(name);
  }
  seq = 0;
}

void TGLImageFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx,
                         float sy, float sw, float sh) {
  const auto w = static_cast<float>(width);
  const auto h = static_cast<float>(height);
  uint8_t facts = 0;
  float su0 = u0, sv0 = v0, su1 = u1, sv1 = v1;
  if (sx == 0 && sy == 0 && sw == w && sh == h) {
    // The whole image, as DrawImage draws it.
    facts = whole_facts;
    if (x1 - x0 != w || y1 - y0 != h) facts &= ~kQuadTexelExact;
  } else {
    // Inside the image, filtering only reaches the image and its border.
    const bool inside = sx >= 0 && sy >= 0 && sx + sw <= w && sy + sh <= h;
    if (inside) facts = whole_facts;
    if (sw != x1 - x0 || sh != y1 - y0 || !GLWhole(sx) || !GLWhole(sy)) facts &= ~kQuadTexelExact;
    su0 = u0 + sx * uscale;
    sv0 = v0 + sy * vscale;
    su1 = u0 + (sx + sw) * uscale;
    sv1 = v0 + (sy + sh) * vscale;
  }
  // One call, so that the quad is queued inline here: every image and glyph
  // drawn comes this way.
  QueueTexturedQuad(name, x0, y0, x1, y1, tx, ty, su0, sv0, su1, sv1, facts);
}

void TGLImageFrame::KnowTexels() {
  whole_facts = opaque ? kQuadOpaque : 0;
  // Mipmapped textures are left alone: switching their filters per glyph
  // cost more than it saved. A shrunk image (width 0) has fewer texels than
  // pixels.
  if ((flags & (IMAGE_FILTERED | IMAGE_MIPMAPPED)) == IMAGE_FILTERED && width > 0) whole_facts |= kQuadTexelExact;
}

Ref<TGLImageFrame> TGLImageFrame::CreateFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  // Without a current context GL answers nothing, not even the size probe.
  if (!glGetString(GL_VERSION)) return nullptr;
  if (AtlasTakes(pixmap->width, pixmap->height, flags)) {
    if (Ref<TGLImageFrame> frame = CreateInAtlas(pixmap, flags)) {
      frame->flags = flags;
      frame->width = pixmap->width;
      frame->height = pixmap->height;
      frame->KnowTexels();
      return frame;
    }
  }
  int32_t tex_width = pixmap->width;
  int32_t tex_height = pixmap->height;
  AdjustTexSize(tex_width, tex_height);
  const int32_t image_width = std::min(pixmap->width, tex_width);
  const int32_t image_height = std::min(pixmap->height, tex_height);
  Ref<TPixmap> source = pixmap;
  if (image_width != pixmap->width || image_height != pixmap->height) {
    source = ResizePixmap(pixmap, image_width, image_height);
    if (!source) return nullptr;
  }
  Ref<TPixmap> texture = TexturePixmap(source, tex_width, tex_height);
  if (!texture) return nullptr;

  auto frame = New<TGLImageFrame>();
  frame->name = CreateTexture(tex_width, tex_height, flags);
  UploadTexture(texture, flags);
  // Smaller mipmap levels mix in the unused part of the texture beyond the
  // image's border, which is transparent.
  const bool fills = image_width == tex_width && image_height == tex_height;
  frame->opaque = (fills || !(flags & IMAGE_MIPMAPPED)) && AllOpaque(*texture, image_width, image_height);
  frame->uscale = 1.0f / static_cast<float>(tex_width);
  frame->vscale = 1.0f / static_cast<float>(tex_height);
  frame->u1 = static_cast<float>(image_width) * frame->uscale;
  frame->v1 = static_cast<float>(image_height) * frame->vscale;
  frame->flags = flags;
  // A shrunk image has fewer texels than pixels: nothing is known of its quads.
  if (source == pixmap) {
    frame->width = pixmap->width;
    frame->height = pixmap->height;
  }
  frame->KnowTexels();
  return frame;
}

}  // namespace tazmix
