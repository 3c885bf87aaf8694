#include "pixmap/pixel_convert.h"

#include <algorithm>
#include <cstring>

#include "pixmap/pixel_format.h"

namespace tazmix {

namespace {

// Expands a one-byte format where the byte goes to the channels in `mask`
// (R, G, B, A order) and the other channels take the fixed `fill` values.
void ExpandSingle(const uint8_t* src, uint8_t* dst, int32_t count, const bool (&mask)[4], const uint8_t (&fill)[4]) {
  for (int32_t i = 0; i < count; ++i, dst += 4) {
    const uint8_t v = src[i];
    dst[0] = mask[0] ? v : fill[0];
    dst[1] = mask[1] ? v : fill[1];
    dst[2] = mask[2] ? v : fill[2];
    dst[3] = mask[3] ? v : fill[3];
  }
}

template <int Channel>
void ReduceChannel(const uint8_t* src, uint8_t* dst, int32_t count) {
  for (int32_t i = 0; i < count; ++i, src += 4) dst[i] = src[Channel];
}

}  // namespace

void ExpandToRGBA32(const uint8_t* src, uint8_t* dst, int32_t src_format, int32_t count) {
  switch (src_format) {
    case FORMAT_GREY8:
      for (int32_t i = 0; i < count; ++i, dst += 4) {
        const uint8_t v = src[i];
        dst[0] = v, dst[1] = v, dst[2] = v, dst[3] = 255;
      }
      break;
    case FORMAT_ALPHA8:
      for (int32_t i = 0; i < count; ++i, dst += 4) dst[0] = 255, dst[1] = 255, dst[2] = 255, dst[3] = src[i];
      break;
    case FORMAT_BGR24:
      for (int32_t i = 0; i < count; ++i, src += 3, dst += 4) dst[0] = src[2], dst[1] = src[1], dst[2] = src[0], dst[3] = 255;
      break;
    case FORMAT_RGB24:
      for (int32_t i = 0; i < count; ++i, src += 3, dst += 4) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2], dst[3] = 255;
      break;
    case FORMAT_BGRA32:
      for (int32_t i = 0; i < count; ++i, src += 4, dst += 4) dst[0] = src[2], dst[1] = src[1], dst[2] = src[0], dst[3] = src[3];
      break;
    case FORMAT_RGBA32:
      if (count > 0) std::memmove(dst, src, static_cast<size_t>(count) * 4);
      break;
    // The single-channel colour formats and luminance expand with alpha 1, not 255.
    case FORMAT_RED8: ExpandSingle(src, dst, count, {true, false, false, false}, {0, 0, 0, 1}); break;
    case FORMAT_GREEN8: ExpandSingle(src, dst, count, {false, true, false, false}, {0, 0, 0, 1}); break;
    case FORMAT_BLUE8: ExpandSingle(src, dst, count, {false, false, true, false}, {0, 0, 0, 1}); break;
    case FORMAT_BLACK_ALPHA8: ExpandSingle(src, dst, count, {false, false, false, true}, {0, 0, 0, 0}); break;
    case FORMAT_INTENSITY8: ExpandSingle(src, dst, count, {true, true, true, true}, {0, 0, 0, 0}); break;
    case FORMAT_LUMINANCE8: ExpandSingle(src, dst, count, {true, true, true, false}, {0, 0, 0, 1}); break;
    default: break;
  }
}

void ReduceFromRGBA32(const uint8_t* src, uint8_t* dst, int32_t dst_format, int32_t count) {
  switch (dst_format) {
    case FORMAT_GREY8:
    case FORMAT_LUMINANCE8:
      for (int32_t i = 0; i < count; ++i, src += 4) dst[i] = static_cast<uint8_t>((src[0] + src[1] + src[2]) / 3);
      break;
    case FORMAT_ALPHA8:
    case FORMAT_BLACK_ALPHA8: ReduceChannel<3>(src, dst, count); break;
    case FORMAT_BGR24:
      for (int32_t i = 0; i < count; ++i, src += 4, dst += 3) dst[0] = src[2], dst[1] = src[1], dst[2] = src[0];
      break;
    case FORMAT_RGB24:
      for (int32_t i = 0; i < count; ++i, src += 4, dst += 3) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
      break;
    case FORMAT_BGRA32:
      for (int32_t i = 0; i < count; ++i, src += 4, dst += 4) dst[0] = src[2], dst[1] = src[1], dst[2] = src[0], dst[3] = src[3];
      break;
    case FORMAT_RGBA32:
      if (count > 0) std::memmove(dst, src, static_cast<size_t>(count) * 4);
      break;
    case FORMAT_RED8: ReduceChannel<0>(src, dst, count); break;
    case FORMAT_GREEN8: ReduceChannel<1>(src, dst, count); break;
    case FORMAT_BLUE8: ReduceChannel<2>(src, dst, count); break;
    case FORMAT_INTENSITY8:
      for (int32_t i = 0; i < count; ++i, src += 4) dst[i] = static_cast<uint8_t>((src[0] + src[1] + src[2] + src[3]) / 4);
      break;
    default: break;
  }
}

void ConvertPixels(const uint8_t* src, int32_t src_format, uint8_t* dst, int32_t dst_format, int32_t count) {
  // An unknown format has no pixel size: nothing can be converted.
  const auto known = [](int32_t format) { return format >= 1 && format < FORMAT_COUNT; };
  if (count <= 0 || !known(src_format) || !known(dst_format)) return;
  if (src_format == dst_format) {
    std::memmove(dst, src, static_cast<size_t>(count) * static_cast<size_t>(BytesPerPixel[src_format]));
  } else if (src_format == FORMAT_RGBA32) {
    ReduceFromRGBA32(src, dst, dst_format, count);
  } else if (dst_format == FORMAT_RGBA32) {
    ExpandToRGBA32(src, dst, src_format, count);
  } else {
    // Between two other formats: through RGBA32 in stack-sized pieces, so no
    // row ever needs a heap buffer.
    constexpr int32_t kChunk = 256;
    uint8_t rgba[kChunk * 4];
    const int32_t src_step = BytesPerPixel[src_format], dst_step = BytesPerPixel[dst_format];
    while (count > 0) {
      const int32_t n = std::min(count, kChunk);
      ExpandToRGBA32(src, rgba, src_format, n);
      ReduceFromRGBA32(rgba, dst, dst_format, n);
      src += n * src_step;
      dst += n * dst_step;
      count -= n;
    }
  }
}

}  // namespace tazmix
