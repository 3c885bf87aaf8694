// Pixel formats: codes, per-format property tables and the packed colour.
//
// A format is a small integer code 1..12; code 0 stands for no format and has
// zeros in every table. Each table has one entry per code. Pixels are
// byte-oriented; FORMAT_RGBA32 is the hub through which every conversion
// between two other formats passes.
//
// Wherever a single pixel crosses an interface it is a 32-bit packed ARGB
// value: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
#pragma once

#include <cstdint>

namespace tazmix {

inline constexpr int32_t FORMAT_GREY8 = 1;
inline constexpr int32_t FORMAT_ALPHA8 = 2;
inline constexpr int32_t FORMAT_BGR24 = 3;
inline constexpr int32_t FORMAT_RGB24 = 4;
inline constexpr int32_t FORMAT_BGRA32 = 5;
inline constexpr int32_t FORMAT_RGBA32 = 6;
inline constexpr int32_t FORMAT_RED8 = 7;
inline constexpr int32_t FORMAT_GREEN8 = 8;
inline constexpr int32_t FORMAT_BLUE8 = 9;
inline constexpr int32_t FORMAT_BLACK_ALPHA8 = 10;
inline constexpr int32_t FORMAT_INTENSITY8 = 11;
inline constexpr int32_t FORMAT_LUMINANCE8 = 12;

// Number of table entries: the twelve formats plus the empty code 0.
inline constexpr int32_t FORMAT_COUNT = 13;

// Constant tables, so they are valid before any initialisation runs.
//                                                      0  1  2  3  4  5  6  7  8  9 10 11 12
inline constexpr int32_t BytesPerPixel[FORMAT_COUNT] = {0, 1, 1, 3, 3, 4, 4, 1, 1, 1, 1, 1, 1};
inline constexpr int32_t RedBits[FORMAT_COUNT] =       {0, 0, 0, 8, 8, 8, 8, 8, 0, 0, 0, 0, 0};
inline constexpr int32_t GreenBits[FORMAT_COUNT] =     {0, 0, 0, 8, 8, 8, 8, 0, 8, 0, 0, 0, 0};
inline constexpr int32_t BlueBits[FORMAT_COUNT] =      {0, 0, 0, 8, 8, 8, 8, 0, 0, 8, 0, 0, 0};
inline constexpr int32_t AlphaBits[FORMAT_COUNT] =     {0, 0, 8, 0, 0, 8, 8, 0, 0, 0, 8, 0, 0};
inline constexpr int32_t IntensityBits[FORMAT_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
inline constexpr int32_t LuminanceBits[FORMAT_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};

// Packs and unpacks the ARGB form used by ReadPixel, WritePixel and ClearPixels.
constexpr int32_t PackARGB(uint32_t a, uint32_t r, uint32_t g, uint32_t b) noexcept {
  return static_cast<int32_t>((a & 0xFF) << 24 | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
constexpr uint8_t AlphaOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 24); }
constexpr uint8_t RedOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 16); }
constexpr uint8_t GreenOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 8); }
constexpr uint8_t BlueOf(int32_t argb) noexcept { return static_cast<uint8_t>(argb); }

}  // namespace tazmix
