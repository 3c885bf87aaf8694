#include "pixmap/platform/web/png_header.h"

#include <cstring>

#include "pixmap/pixel_format.h"
#include "pixmap/png_loader.h"

namespace tazmix {

namespace {

uint32_t Big32(const uint8_t* p) { return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]; }

}  // namespace

bool HasPngSignature(const uint8_t* data, size_t size) {
  return size >= sizeof kPngSignature && std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0;
}

const char* ReadPngHeader(const uint8_t* data, size_t size, PngHeaderInfo* out) {
  // IHDR first, then chunks up to the image data; each must lie in the file.
  size_t at = 8;
  bool header = false, transparency = false;
  uint8_t depth = 0, colour = 0;
  uint32_t width = 0, height = 0;
  for (;;) {
    if (size - at < 12) return "the file ends inside a chunk";
    const uint32_t length = Big32(data + at);
    const uint8_t* tag = data + at + 4;
    if (length > size - at - 12) return "a chunk reaches past the end of the file";
    const uint8_t* body = data + at + 8;
    if (!header) {
      if (std::memcmp(tag, "IHDR", 4) != 0 || length != 13) return "the file does not start with IHDR";
      width = Big32(body);
      height = Big32(body + 4);
      depth = body[8];
      colour = body[9];
      header = true;
    } else if (std::memcmp(tag, "tRNS", 4) == 0) {
      transparency = true;
    } else if (std::memcmp(tag, "IDAT", 4) == 0) {
      break;
    } else if (std::memcmp(tag, "IEND", 4) == 0) {
      return "the file holds no image data";
    }
    at += 12 + size_t{length};
  }
  if (width == 0 || height == 0 || width > PNG_MAX_SIDE || height > PNG_MAX_SIDE) {
    return "the picture's size is out of range";
  }
  if (int64_t{width} * height > PNG_MAX_PIXELS) return "picture of more than 2^26 pixels";
  const bool valid_depth = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
  if (!valid_depth || colour > 6) return "unsupported PNG pixel layout";
  // Deflate cannot shrink data by more than about 1032:1: a short file
  // cannot hold a big picture.
  constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  const int64_t row_bytes = (int64_t{width} * depth * kChannels[colour] + 7) / 8;
  if (int64_t{height} * (row_bytes + 1) > int64_t(size) * 1040 + 65536) {
    return "file too short for the picture it announces";
  }
  switch (colour) {
    case 0: out->format = transparency ? FORMAT_RGBA32 : FORMAT_GREY8; break;
    case 2:
    case 3: out->format = transparency ? FORMAT_RGBA32 : FORMAT_RGB24; break;
    case 4:
    case 6: out->format = FORMAT_RGBA32; break;
    default: return "unsupported PNG pixel layout";
  }
  out->width = static_cast<int32_t>(width);
  out->height = static_cast<int32_t>(height);
  return nullptr;
}

}  // namespace tazmix
