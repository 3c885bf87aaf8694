// Fonts the FreeType tests load: the real TrueType face from the test data
// and a tiny one-bit bitmap face (BDF text) written on demand.
#pragma once

#include <string>

#include "tests/support/temp_dir.h"

namespace tazmix::testing {

inline std::string LiberationSansPath() { return TAZMIX_TEST_DATA_DIR "/fonts/LiberationSans-Regular.ttf"; }

// An 8-pixel bitmap face (ascent 7, descent 1) with one glyph, "A": 5 x 7
// pixels at left 1 on the baseline, advance 6. Its rows, most significant
// bit first, are kTinyA.
inline constexpr unsigned char kTinyA[7] = {0x20, 0x50, 0x88, 0xF8, 0x88, 0x88, 0x88};

inline std::string WriteTinyBitmapFace(const TempDir& dir) {
  return dir.Write("tiny.bdf",
                   "STARTFONT 2.1\n"
                   "FONT -test-tiny-medium-r-normal--8-80-72-72-c-60-iso10646-1\n"
                   "SIZE 8 72 72\n"
                   "FONTBOUNDINGBOX 5 8 0 -1\n"
                   "STARTPROPERTIES 5\n"
                   "PIXEL_SIZE 8\n"
                   "FONT_ASCENT 7\n"
                   "FONT_DESCENT 1\n"
                   "CHARSET_REGISTRY \"ISO10646\"\n"
                   "CHARSET_ENCODING \"1\"\n"
                   "ENDPROPERTIES\n"
                   "CHARS 1\n"
                   "STARTCHAR A\n"
                   "ENCODING 65\n"
                   "SWIDTH 750 0\n"
                   "DWIDTH 6 0\n"
                   "BBX 5 7 1 0\n"
                   "BITMAP\n"
                   "20\n50\n88\nF8\n88\n88\n88\n"
                   "ENDCHAR\n"
                   "ENDFONT\n");
}

}  // namespace tazmix::testing
