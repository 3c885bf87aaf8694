// The two built-in 8x16 bitmap fonts, compiled into the library.
//
// Both have the same layout, 1536 bytes: 16 rows, top row first; each row
// holds one byte for each of the 96 character codes 32 to 127; in a byte,
// bit k is the pixel in column k (bit 0 leftmost); a set bit is ink.
// The modules that draw with them register them as embedded files:
// "tazmofont.bin" (image fonts) and "gldrawtextfont.bin" (raw GL text).
#pragma once

#include <cstdint>

namespace tazmix {

const uint8_t* TazmoFontData();
int32_t TazmoFontLength();

const uint8_t* GLDrawTextFontData();
int32_t GLDrawTextFontLength();

}  // namespace tazmix
