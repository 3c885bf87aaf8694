// What WebGL 1 lacks of GL 1.1's texture and pixel calls, which the back end
// uses, made here from what it has:
//  - proxy textures, by which the back end asks whether a size fits: the size
//    is held against the context's largest texture, and
//    glGetTexLevelParameteriv answers for it;
//  - sized internal formats (GL_RGBA8) and component counts (4): WebGL 1
//    takes only an internal format equal to the format;
//  - row lengths and skips of pixel transfers: rows are gathered into a
//    packed copy first (or spread out of one, for reading).
// The link wraps the calls concerned (-Wl,--wrap=..., cmake/platform/web.cmake).
#include <GL/gl.h>

#include <cstring>
#include <vector>

#include "glback/platform/web/web_gl_state.h"

namespace {

GLint BytesPerPixel(GLenum format, GLenum type) {
  if (type != GL_UNSIGNED_BYTE) return 0;  // the back end moves bytes only
  switch (format) {
    case GL_RGBA: return 4;
    case GL_RGB: return 3;
    case GL_LUMINANCE_ALPHA: return 2;
    case GL_ALPHA:
    case GL_LUMINANCE: return 1;
    default: return 0;
  }
}

size_t Stride(GLint pixels, GLint bytes, GLint alignment) {
  const size_t row = size_t(pixels) * size_t(bytes);
  return (row + size_t(alignment) - 1) / size_t(alignment) * size_t(alignment);
}

// The pixels of a width x height upload as WebGL reads them (rows packed at
// the current alignment), or `pixels` itself when they are already so.
const void* PackedUpload(GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels) {
  tazmix::WebPixelTransferState& s = tazmix::GLNative().transfer;
  const GLint bytes = BytesPerPixel(format, type);
  const GLint row_length = s.unpack_row_length > 0 ? s.unpack_row_length : width;
  if (!pixels || bytes == 0 || (row_length == width && s.unpack_skip_pixels == 0 && s.unpack_skip_rows == 0)) {
    return pixels;
  }
  const size_t from_stride = Stride(row_length, bytes, s.unpack_alignment);
  const size_t to_stride = Stride(width, bytes, s.unpack_alignment);
  s.copy.resize(to_stride * size_t(height));
  const auto* from = static_cast<const unsigned char*>(pixels) + size_t(s.unpack_skip_rows) * from_stride +
                     size_t(s.unpack_skip_pixels) * size_t(bytes);
  for (GLsizei y = 0; y < height; ++y) {
    std::memcpy(s.copy.data() + size_t(y) * to_stride, from + size_t(y) * from_stride, size_t(width) * size_t(bytes));
  }
  return s.copy.data();
}

}  // namespace

extern "C" {

void __real_glPixelStorei(GLenum name, GLint value);
void __real_glTexImage2D(GLenum target, GLint level, GLint internal_format, GLsizei width, GLsizei height,
                         GLint border, GLenum format, GLenum type, const void* pixels);
void __real_glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                            GLenum format, GLenum type, const void* pixels);
void __real_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels);

void __wrap_glPixelStorei(GLenum name, GLint value) {
  tazmix::WebPixelTransferState& s = tazmix::GLNative().transfer;
  switch (name) {
    case GL_UNPACK_ROW_LENGTH: s.unpack_row_length = value; return;
    case GL_UNPACK_SKIP_PIXELS: s.unpack_skip_pixels = value; return;
    case GL_UNPACK_SKIP_ROWS: s.unpack_skip_rows = value; return;
    case GL_PACK_ROW_LENGTH: s.pack_row_length = value; return;
    case GL_UNPACK_ALIGNMENT: s.unpack_alignment = value; break;
    case GL_PACK_ALIGNMENT: s.pack_alignment = value; break;
    default: break;
  }
  __real_glPixelStorei(name, value);
}

void __wrap_glTexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels) {
  if (target == GL_PROXY_TEXTURE_2D) {
    GLint most = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    const bool fits = level >= 0 && level < 31 && width >= 0 && height >= 0 && width <= (most >> level) &&
                      height <= (most >> level);
    tazmix::WebPixelTransferState& s = tazmix::GLNative().transfer;
    s.proxy_width = fits ? width : 0;
    s.proxy_height = fits ? height : 0;
    return;
  }
  __real_glTexImage2D(target, level, static_cast<GLint>(format), width, height, border, format, type,
                      PackedUpload(width, height, format, type, pixels));
}

void __wrap_glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                            GLenum format, GLenum type, const void* pixels) {
  __real_glTexSubImage2D(target, level, x, y, width, height, format, type,
                         PackedUpload(width, height, format, type, pixels));
}

void __wrap_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                         void* pixels) {
  tazmix::WebPixelTransferState& s = tazmix::GLNative().transfer;
  const GLint bytes = BytesPerPixel(format, type);
  if (s.pack_row_length <= 0 || s.pack_row_length == width || bytes == 0 || width <= 0 || height <= 0) {
    __real_glReadPixels(x, y, width, height, format, type, pixels);
    return;
  }
  const size_t from_stride = Stride(width, bytes, s.pack_alignment);
  const size_t to_stride = Stride(s.pack_row_length, bytes, s.pack_alignment);
  s.copy.resize(from_stride * size_t(height));
  __real_glReadPixels(x, y, width, height, format, type, s.copy.data());
  for (GLsizei row = 0; row < height; ++row) {
    std::memcpy(static_cast<unsigned char*>(pixels) + size_t(row) * to_stride, s.copy.data() + size_t(row) * from_stride,
                size_t(width) * size_t(bytes));
  }
}

void glGetTexLevelParameteriv(GLenum target, GLint, GLenum name, GLint* value) {
  const tazmix::WebPixelTransferState& s = tazmix::GLNative().transfer;
  const bool proxy = target == GL_PROXY_TEXTURE_2D;
  *value = !proxy ? 0 : name == GL_TEXTURE_WIDTH ? s.proxy_width : name == GL_TEXTURE_HEIGHT ? s.proxy_height : 0;
}

}  // extern "C"
