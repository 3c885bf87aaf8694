// PNG helpers for the tests: an independent reference decoding and a maker
// of hand-built PNG files.
#pragma once

#include <png.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/pixmap/memory_stream.h"

namespace pixmap_test {

// The picture as 8-bit RGBA, decoded by libpng's simplified interface rather
// than the loader's road. The gAMA chunks are removed first and 16-bit
// samples declared sRGB, so no gamma correction runs: the samples come out
// as stored (16-bit ones rounded to 8 bits). Empty on failure.
inline Bytes ReferenceRGBA(Bytes file, uint32_t* width, uint32_t* height) {
  Bytes kept(file.begin(), file.begin() + 8);
  for (size_t i = 8; i + 12 <= file.size();) {
    const uint32_t length = uint32_t{file[i]} << 24 | uint32_t{file[i + 1]} << 16 | uint32_t{file[i + 2]} << 8 | file[i + 3];
    if (i + 12 + length > file.size()) break;
    if (std::memcmp(&file[i + 4], "gAMA", 4) != 0) kept.insert(kept.end(), file.begin() + i, file.begin() + i + 12 + length);
    i += 12 + length;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, kept.data(), kept.size())) return {};
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  image.format = PNG_FORMAT_RGBA;
  Bytes rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) return {};
  *width = image.width;
  *height = image.height;
  return rgba;
}

inline void PutBE32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

inline void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBE32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBE32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// A well-formed PNG whose header announces width x height with colour type
// `type` at `depth` bits, holding `raw` (filter bytes included) as image data.
inline Bytes MakePng(uint32_t width, uint32_t height, uint8_t type, const Bytes& raw, uint8_t depth = 8) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  PutBE32(ihdr, width);
  PutBE32(ihdr, height);
  ihdr.insert(ihdr.end(), {depth, type, 0, 0, 0});
  PutChunk(out, "IHDR", ihdr);
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(size);
  compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(size);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace pixmap_test
