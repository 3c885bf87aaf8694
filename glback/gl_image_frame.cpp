#include "glback/gl_image_frame.h"

#include <GL/gl.h>

#include <algorithm>

#include "draw2d/image_flags.h"
#include "glback/gl_quad.h"
#include "glback/gl_texture_cache.h"
#include "glback/gl_texture_size.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_resize.h"

namespace tazmix {

namespace {

// A new texture with its parameters set and storage for every level
// reserved; it stays bound.
uint32_t CreateTexture(int32_t width, int32_t height, int32_t flags) {
  GLuint name = 0;
  glGenTextures(1, &name);
  BindTexture(name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  const bool mipmapped = (flags & IMAGE_MIPMAPPED) != 0;
  if (flags & IMAGE_FILTERED) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
  } else {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST);
  }
  int32_t level = 0;
  do {
    glTexImage2D(GL_TEXTURE_2D, level++, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  } while (mipmapped && NextMipLevel(width, height));
  return name;
}

// Writes an RGBA pixmap into level 0 of the bound texture and, for
// mipmapped textures, its successively halved copies into the levels below.
void UploadTexture(Ref<TPixmap> pixmap, int32_t flags) {
  int32_t level = 0;
  while (pixmap) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, pixmap->pitch / BytesPerPixel[pixmap->format]);
    glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, pixmap->width, pixmap->height, GL_RGBA,
                    GL_UNSIGNED_BYTE, pixmap->pixels);
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

}  // namespace

TGLImageFrame::TGLImageFrame() : seq(GraphicsSeq()) {}

TGLImageFrame::~TGLImageFrame() {
  if (seq != 0 && seq == GraphicsSeq()) {
    ForgetTexture(name);
    const GLuint n = name;
    glDeleteTextures(1, &n);
  }
  seq = 0;
}

void TGLImageFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx,
                         float sy, float sw, float sh) {
  EmitTexturedQuad(name, x0, y0, x1, y1, tx, ty, sx * uscale, sy * vscale, (sx + sw) * uscale,
                   (sy + sh) * vscale);
}

Ref<TGLImageFrame> TGLImageFrame::CreateFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  // Without a current context GL answers nothing, not even the size probe.
  if (!glGetString(GL_VERSION)) return nullptr;
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
  frame->uscale = 1.0f / static_cast<float>(tex_width);
  frame->vscale = 1.0f / static_cast<float>(tex_height);
  frame->u1 = static_cast<float>(image_width) * frame->uscale;
  frame->v1 = static_cast<float>(image_height) * frame->vscale;
  return frame;
}

}  // namespace tazmix
