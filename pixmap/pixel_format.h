/// \file
/// Pixel formats: codes, per-format property tables and the packed colour.
///
/// A format is a small integer code 1..12; code 0 stands for no format and has
/// zeros in every table. Each table has one entry per code. Pixels are
/// byte-oriented; FORMAT_RGBA32 is the hub through which every conversion
/// between two other formats passes.
///
/// Wherever a single pixel crosses an interface it is a 32-bit packed ARGB
/// value: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
///
/// \code{.cpp}
/// int32_t orange = tazmix::PackARGB(255, 255, 128, 0);
/// uint8_t green = tazmix::GreenOf(orange);                         // 128
/// int32_t row_bytes = width * tazmix::BytesPerPixel[tazmix::FORMAT_RGB24];  // 3 per pixel
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// One byte of grey; reads as opaque grey. \since 1.0
inline constexpr int32_t FORMAT_GREY8 = 1;
/// One byte of alpha; reads as white with that alpha. \since 1.0
inline constexpr int32_t FORMAT_ALPHA8 = 2;
/// Three bytes: blue, green, red. \since 1.0
inline constexpr int32_t FORMAT_BGR24 = 3;
/// Three bytes: red, green, blue. \since 1.0
inline constexpr int32_t FORMAT_RGB24 = 4;
/// Four bytes: blue, green, red, alpha. \since 1.0
inline constexpr int32_t FORMAT_BGRA32 = 5;
/// Four bytes: red, green, blue, alpha; the hub of every conversion. \since 1.0
inline constexpr int32_t FORMAT_RGBA32 = 6;
/// One byte of red; reads as opaque red of that level. \since 1.0
inline constexpr int32_t FORMAT_RED8 = 7;
/// One byte of green; reads as opaque green of that level. \since 1.0
inline constexpr int32_t FORMAT_GREEN8 = 8;
/// One byte of blue; reads as opaque blue of that level. \since 1.0
inline constexpr int32_t FORMAT_BLUE8 = 9;
/// One byte of alpha; reads as black with that alpha. \since 1.0
inline constexpr int32_t FORMAT_BLACK_ALPHA8 = 10;
/// One byte used for red, green, blue and alpha alike. \since 1.0
inline constexpr int32_t FORMAT_INTENSITY8 = 11;
/// One byte used for red, green and blue; opaque. \since 1.0
inline constexpr int32_t FORMAT_LUMINANCE8 = 12;

/// Number of table entries: the twelve formats plus the empty code 0. \since 1.0
inline constexpr int32_t FORMAT_COUNT = 13;

// Constant tables, so they are valid before any initialisation runs.
//                                                      0  1  2  3  4  5  6  7  8  9 10 11 12
/// Bytes per pixel, by format code. \since 1.0
inline constexpr int32_t BytesPerPixel[FORMAT_COUNT] = {0, 1, 1, 3, 3, 4, 4, 1, 1, 1, 1, 1, 1};
/// Bits of red, by format code. \since 1.0
inline constexpr int32_t RedBits[FORMAT_COUNT] =       {0, 0, 0, 8, 8, 8, 8, 8, 0, 0, 0, 0, 0};
/// Bits of green, by format code. \since 1.0
inline constexpr int32_t GreenBits[FORMAT_COUNT] =     {0, 0, 0, 8, 8, 8, 8, 0, 8, 0, 0, 0, 0};
/// Bits of blue, by format code. \since 1.0
inline constexpr int32_t BlueBits[FORMAT_COUNT] =      {0, 0, 0, 8, 8, 8, 8, 0, 0, 8, 0, 0, 0};
/// Bits of alpha, by format code. \since 1.0
inline constexpr int32_t AlphaBits[FORMAT_COUNT] =     {0, 0, 8, 0, 0, 8, 8, 0, 0, 0, 8, 0, 0};
/// Bits of intensity, by format code. \since 1.0
inline constexpr int32_t IntensityBits[FORMAT_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
/// Bits of luminance, by format code. \since 1.0
inline constexpr int32_t LuminanceBits[FORMAT_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};

// Packs and unpacks the ARGB form used by ReadPixel, WritePixel and ClearPixels.

/// Packs a colour.
/// \param a, r, g, b alpha, red, green and blue, 0..255 (higher bits are dropped).
/// \return the packed ARGB value.
/// \since 1.0
constexpr int32_t PackARGB(uint32_t a, uint32_t r, uint32_t g, uint32_t b) noexcept {
  return static_cast<int32_t>((a & 0xFF) << 24 | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
/// \param argb a packed colour. \return its alpha, 0..255. \since 1.0
constexpr uint8_t AlphaOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 24); }
/// \param argb a packed colour. \return its red, 0..255. \since 1.0
constexpr uint8_t RedOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 16); }
/// \param argb a packed colour. \return its green, 0..255. \since 1.0
constexpr uint8_t GreenOf(int32_t argb) noexcept { return static_cast<uint8_t>(static_cast<uint32_t>(argb) >> 8); }
/// \param argb a packed colour. \return its blue, 0..255. \since 1.0
constexpr uint8_t BlueOf(int32_t argb) noexcept { return static_cast<uint8_t>(argb); }

}  // namespace tazmix
