// PNG pictures in a browser page: the chunks before the image data are read
// here, the image itself is decoded by the browser's own decoder, and the
// pixels are taken back exactly as the file holds them (no premultiplied
// alpha, no colour management), in the format the library's PNG reading
// gives on every platform.
#include <emscripten.h>

#include <vector>

#include "pixmap/internal/png_decode.h"
#include "pixmap/pixel_convert.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap.h"
#include "pixmap/platform/web/png_header.h"
#include "runtime/error_report.h"
#include "stream/internal/stream_closer.h"
#include "stream/load_save.h"
#include "stream/stream.h"

namespace tazmix {

namespace {

// 1 when the browser decoded the file into `rgba` (width x height x 4 bytes,
// top row first), 0 when it refused the file, -1 when there is no decoder
// here (a program run under node).
//
// The pixels come back through a small WebGL context of the decoder's own: a
// texture made from the decoded picture without premultiplying holds the
// file's values, where a 2D canvas would round every pixel that is not
// opaque. Too big for its textures, a 2D canvas reads the picture instead.
// (Functions written in JS share one global namespace: the name says what
// it decodes, so a page with sound links too.)
EM_ASYNC_JS(int, DecodePictureInBrowser, (const uint8_t* data, int size, uint8_t* rgba, int width, int height), {
  if (typeof createImageBitmap === 'undefined' || typeof document === 'undefined') return -1;
  var bitmap;
  try {
    var blob = new Blob([HEAPU8.slice(data, data + size)], {type: 'image/png'});
    bitmap = await createImageBitmap(blob, {premultiplyAlpha: 'none', colorSpaceConversion: 'none'});
  } catch (e) {
    return 0;
  }
  if (bitmap.width !== width || bitmap.height !== height) return 0;
  var pixels = null;
  var reader = Module.tazmixPictureReader;
  if (reader === undefined) {
    var gl = document.createElement('canvas').getContext('webgl', {antialias: false});
    reader = Module.tazmixPictureReader = gl ? {gl: gl, max: gl.getParameter(gl.MAX_TEXTURE_SIZE)} : null;
  }
  if (reader && width <= reader.max && height <= reader.max) {
    var gl = reader.gl;
    var texture = gl.createTexture();
    gl.bindTexture(gl.TEXTURE_2D, texture);
    gl.pixelStorei(gl.UNPACK_PREMULTIPLY_ALPHA_WEBGL, false);
    gl.pixelStorei(gl.UNPACK_COLORSPACE_CONVERSION_WEBGL, gl.NONE);
    gl.pixelStorei(gl.UNPACK_FLIP_Y_WEBGL, false);
    gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, gl.RGBA, gl.UNSIGNED_BYTE, bitmap);
    var framebuffer = gl.createFramebuffer();
    gl.bindFramebuffer(gl.FRAMEBUFFER, framebuffer);
    gl.framebufferTexture2D(gl.FRAMEBUFFER, gl.COLOR_ATTACHMENT0, gl.TEXTURE_2D, texture, 0);
    if (gl.checkFramebufferStatus(gl.FRAMEBUFFER) === gl.FRAMEBUFFER_COMPLETE) {
      pixels = new Uint8Array(width * height * 4);
      gl.readPixels(0, 0, width, height, gl.RGBA, gl.UNSIGNED_BYTE, pixels);
    }
    gl.bindFramebuffer(gl.FRAMEBUFFER, null);
    gl.deleteFramebuffer(framebuffer);
    gl.deleteTexture(texture);
  }
  if (!pixels) {
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    var context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    pixels = context.getImageData(0, 0, width, height).data;
  }
  bitmap.close();
  // The heap may have grown while the browser decoded: HEAPU8 is read now.
  HEAPU8.set(pixels, rgba);
  return 1;
});

// The decoded RGBA pixels in the pixmap's format. A grey picture comes back
// with R = G = B, so the grey the conversion averages is the file's own.
void StorePixels(const std::vector<uint8_t>& rgba, TPixmap& pixmap) {
  for (int32_t y = 0; y < pixmap.height; ++y) {
    ConvertPixels(rgba.data() + size_t(y) * size_t(pixmap.width) * 4, FORMAT_RGBA32, pixmap.PixelPtr(0, y),
                  pixmap.format, pixmap.width);
  }
}

}  // namespace

Ref<TPixmap> DecodePNG(const Ref<TStream>& stream) {
  if (!stream) return nullptr;
  StreamCloser closer(stream);
  std::vector<uint8_t> file(8);
  stream->ReadBytes(file.data(), 8);
  if (!HasPngSignature(file.data(), file.size())) return nullptr;
  const std::vector<uint8_t> rest = ReadAllBytes(*stream);
  file.insert(file.end(), rest.begin(), rest.end());

  PngHeaderInfo header;
  if (const char* fault = ReadPngHeader(file.data(), file.size(), &header)) {
    NoteFailure(fault);
    return nullptr;
  }
  std::vector<uint8_t> rgba(size_t(header.width) * size_t(header.height) * 4);
  const int decoded = DecodePictureInBrowser(file.data(), static_cast<int>(file.size()), rgba.data(), header.width,
                                             header.height);
  if (decoded < 0) {
    NoteFailure("there is no picture decoder here (it is the browser's)");
    return nullptr;
  }
  if (decoded == 0) {
    NoteFailure("the browser can't decode it");
    return nullptr;
  }
  Ref<TPixmap> pixmap = TPixmap::Create(header.width, header.height, header.format, 4);
  if (!pixmap) {
    NoteFailure("no memory for the picture");
    return nullptr;
  }
  StorePixels(rgba, *pixmap);
  return pixmap;
}

}  // namespace tazmix
