#include <gtest/gtest.h>

#include <bit>

#include "data/builtin_fonts.h"

using namespace tazmix;

namespace {

struct Font {
  const char* name;
  const uint8_t* data;
  int32_t length;
};

const Font kFonts[] = {{"tazmofont.bin", TazmoFontData(), TazmoFontLength()},
                       {"gldrawtextfont.bin", GLDrawTextFontData(), GLDrawTextFontLength()}};

uint8_t Row(const Font& f, int code, int row) { return f.data[row * 96 + (code - 32)]; }

}  // namespace

TEST(BuiltinFonts, LayoutLetterAAndInk) {
  const uint8_t letter_a[16] = {0x00, 0x00, 0x7C, 0xC6, 0xC6, 0xC6, 0xFE, 0xC6,
                                0xC6, 0xC6, 0xC6, 0x00, 0x00, 0x00, 0x00, 0x00};
  for (const Font& f : kFonts) {
    SCOPED_TRACE(f.name);
    ASSERT_EQ(f.length, 1536);
    for (int row = 0; row < 16; ++row) {
      EXPECT_EQ(Row(f, 'A', row), letter_a[row]) << "row " << row;
      EXPECT_EQ(Row(f, ' ', row), 0) << "row " << row;
    }
    for (int code = 33; code < 127; ++code) {
      int ink = 0;
      for (int row = 0; row < 16; ++row) ink |= Row(f, code, row);
      EXPECT_NE(ink, 0) << "code " << code;
    }
    // The lowest bit is the leftmost column: halfway down, the stroke of "["
    // stands left of the stroke of "]".
    EXPECT_LT(std::countr_zero(Row(f, '[', 8)), std::countr_zero(Row(f, ']', 8)));
  }
}
