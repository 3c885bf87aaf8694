/// \file
/// Conversion of pixel runs between formats, through FORMAT_RGBA32.
///
/// Each function handles a whole run with one tight loop chosen by format, so
/// converting a row costs no call per pixel. Source and destination runs must
/// not overlap unless they are the same format and the same address. Whole
/// pixmaps convert with ConvertPixmap (pixmap.h).
///
/// \code{.cpp}
/// uint8_t bgr[3 * 64], rgba[4 * 64];
/// tazmix::ConvertPixels(bgr, tazmix::FORMAT_BGR24, rgba, tazmix::FORMAT_RGBA32, 64);
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// Writes R, G, B, A for each pixel of a run; a format outside 1..12 writes
/// nothing.
/// \param src the pixels.
/// \param dst room for `count` RGBA32 pixels.
/// \param src_format the pixels' format.
/// \param count the number of pixels.
/// \since 1.0
void ExpandToRGBA32(const uint8_t* src, uint8_t* dst, int32_t src_format, int32_t count);

/// Writes each RGBA32 pixel of a run in another format; a format outside 1..12
/// writes nothing. Single-byte formats take the average of the channels they
/// stand for.
/// \param src RGBA32 pixels.
/// \param dst room for `count` pixels of `dst_format`.
/// \param dst_format the format wanted.
/// \param count the number of pixels.
/// \since 1.0
void ReduceFromRGBA32(const uint8_t* src, uint8_t* dst, int32_t dst_format, int32_t count);

/// Converts a run of pixels between two formats. With a format outside 1..12
/// nothing is converted.
/// \param src the pixels.
/// \param src_format their format.
/// \param dst room for `count` pixels of `dst_format`.
/// \param dst_format the format wanted.
/// \param count the number of pixels.
/// \since 1.0
void ConvertPixels(const uint8_t* src, int32_t src_format, uint8_t* dst, int32_t dst_format, int32_t count);

}  // namespace tazmix
