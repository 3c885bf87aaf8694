// What the browser does not tell of a TrueType or OpenType font file: its
// glyph count, which glyph each character has, the glyphs' advances and the
// line metrics, read from the file's tables as the FreeType platform's
// fonts report them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tazmix {

class SfntMetrics {
 public:
  // Reads the tables of `file` (of the first font of a collection); nullptr,
  // or why the file is refused. The file must outlive the object.
  const char* Read(const std::vector<uint8_t>& file);

  int32_t GlyphCount() const { return glyphs_; }
  // The glyph of a Unicode character (0, the missing glyph, when none).
  int32_t GlyphOf(int32_t code) const;
  // Line metrics at `pixels` per em in whole pixels, rounded as FreeType
  // rounds a size's (ascender up, descender down, height to the nearest);
  // the descender is negative.
  void LineMetrics(int32_t pixels, int32_t* ascend, int32_t* descend, int32_t* height) const;
  // The advance of a glyph in whole pixels at `pixels` per em.
  int32_t Advance(int32_t glyph, int32_t pixels) const;

 private:
  struct Table {
    const uint8_t* data = nullptr;
    uint32_t length = 0;
  };
  Table Find(const char* tag) const;

  const std::vector<uint8_t>* file_ = nullptr;
  uint32_t directory_ = 0;  // where the table records start
  uint16_t tables_ = 0;
  int32_t glyphs_ = 0;
  int32_t units_per_em_ = 0;
  int32_t ascender_ = 0, descender_ = 0, line_height_ = 0;
  Table hmtx_;
  uint16_t long_metrics_ = 0;
  Table cmap_;        // the subtable in use
  int cmap_format_ = 0;
};

}  // namespace tazmix
