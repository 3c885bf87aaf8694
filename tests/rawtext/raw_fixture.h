// Helpers for the raw GL drawing tests: the glyph bits of the built-in font
// as the tests read them, and a check of one text cell on the screen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "data/builtin_fonts.h"
#include "pixmap/pixmap.h"

namespace tazmix::testing {

// Whether the built-in font has ink at column k, row `row` of code c's cell.
inline bool GlyphBit(int32_t c, int32_t k, int32_t row) {
  return (GLDrawTextFontData()[row * 96 + (c - 32)] >> k) & 1;
}

inline int32_t GlyphBitCount(int32_t c) {
  int32_t n = 0;
  for (int32_t row = 0; row < 16; ++row) {
    for (int32_t k = 0; k < 8; ++k) n += GlyphBit(c, k, row);
  }
  return n;
}

// Expects the 8 x 16 cell whose top-left is (x, y) in `screen` (0xRRGGBB
// readings through `rgb`) to show code c: `ink` on its glyph bits, `paper`
// everywhere else.
template <class Rgb>
void ExpectCell(Rgb rgb, int32_t c, int32_t x, int32_t y, int32_t ink, int32_t paper) {
  for (int32_t row = 0; row < 16; ++row) {
    for (int32_t k = 0; k < 8; ++k) {
      ASSERT_EQ(rgb(x + k, y + row), GlyphBit(c, k, row) ? ink : paper)
          << "code " << c << " column " << k << " row " << row;
    }
  }
}

}  // namespace tazmix::testing
