// Conversion of pixel runs between formats, through FORMAT_RGBA32.
//
// Each function handles a whole run with one tight loop chosen by format, so
// converting a row costs no call per pixel. Source and destination runs must
// not overlap unless they are the same format and the same address.
#pragma once

#include <cstdint>

namespace tazmix {

// Writes R, G, B, A for each of `count` pixels of `srcFormat` into `dst`.
void ExpandToRGBA32(const uint8_t* src, uint8_t* dst, int32_t srcFormat, int32_t count);

// Writes each of `count` RGBA32 pixels from `src` into `dst` as `dstFormat`.
void ReduceFromRGBA32(const uint8_t* src, uint8_t* dst, int32_t dstFormat, int32_t count);

// Converts `count` pixels from `srcFormat` at `src` to `dstFormat` at `dst`;
// with a format outside 1..12 nothing is converted.
void ConvertPixels(const uint8_t* src, int32_t srcFormat, uint8_t* dst, int32_t dstFormat, int32_t count);

}  // namespace tazmix
