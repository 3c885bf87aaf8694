#include "font/platform/web/sfnt_metrics.h"

#include <cmath>
#include <cstring>

namespace tazmix {

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
int16_t S16(const uint8_t* p) { return static_cast<int16_t>(U16(p)); }
uint32_t U32(const uint8_t* p) { return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]; }

// Whole pixels as FreeType rounds 26.6 values.
int32_t Round(double v) { return static_cast<int32_t>(std::floor(v + 0.5)); }

}  // namespace

SfntMetrics::Table SfntMetrics::Find(const char* tag) const {
  const uint8_t* base = file_->data();
  for (uint16_t i = 0; i < tables_; ++i) {
    const uint8_t* record = base + directory_ + 16 * size_t{i};
    if (std::memcmp(record, tag, 4) == 0) return {base + U32(record + 8), U32(record + 12)};
  }
  return {};
}

const char* SfntMetrics::Read(const std::vector<uint8_t>& file) {
  file_ = &file;
  const size_t size = file.size();
  if (size < 12) return "the file is too short for a font";
  uint32_t font = 0;
  if (std::memcmp(file.data(), "ttcf", 4) == 0) {
    if (size < 16) return "the file is too short for a font";
    font = U32(file.data() + 12);
    if (font > size - 12) return "the collection's first font lies past the end of the file";
  }
  const uint32_t version = U32(file.data() + font);
  if (version != 0x00010000 && std::memcmp(file.data() + font, "true", 4) != 0 &&
      std::memcmp(file.data() + font, "OTTO", 4) != 0) {
    return "it is no TrueType or OpenType font";
  }
  tables_ = U16(file.data() + font + 4);
  directory_ = font + 12;
  if (size_t{tables_} * 16 > size - directory_) return "the file is cut short: its table list reaches past its end";
  for (uint16_t i = 0; i < tables_; ++i) {
    const uint8_t* record = file.data() + directory_ + 16 * size_t{i};
    const uint32_t offset = U32(record + 8), length = U32(record + 12);
    if (offset > size || length > size - offset) return "the file is cut short: its tables reach past its end";
  }

  const Table head = Find("head"), hhea = Find("hhea"), maxp = Find("maxp"), os2 = Find("OS/2");
  hmtx_ = Find("hmtx");
  if (head.length < 54 || hhea.length < 36 || maxp.length < 6) return "a table it needs is missing or short";
  units_per_em_ = U16(head.data + 18);
  if (units_per_em_ < 16 || units_per_em_ > 16384) return "its units per em are out of range";
  glyphs_ = U16(maxp.data + 4);
  long_metrics_ = U16(hhea.data + 34);
  if (long_metrics_ == 0 || long_metrics_ > glyphs_ || hmtx_.length < 4u * long_metrics_) {
    return "its horizontal metrics are missing or short";
  }

  // The line metrics as FreeType reads them: the typographic ones when the
  // font says to use them, else hhea's, falling back to OS/2's when hhea
  // gives none.
  const bool has_os2 = os2.length >= 78;
  if (has_os2 && (U16(os2.data + 62) & 128)) {
    ascender_ = S16(os2.data + 68);
    descender_ = S16(os2.data + 70);
    line_height_ = ascender_ - descender_ + S16(os2.data + 72);
  } else {
    ascender_ = S16(hhea.data + 4);
    descender_ = S16(hhea.data + 6);
    line_height_ = ascender_ - descender_ + S16(hhea.data + 8);
    if (ascender_ == 0 && descender_ == 0 && has_os2) {
      if (S16(os2.data + 68) || S16(os2.data + 70)) {
        ascender_ = S16(os2.data + 68);
        descender_ = S16(os2.data + 70);
        line_height_ = ascender_ - descender_ + S16(os2.data + 72);
      } else {
        ascender_ = U16(os2.data + 74);
        descender_ = -int32_t{U16(os2.data + 76)};
        line_height_ = ascender_ - descender_;
      }
    }
  }

  // The character map: a full Unicode one (format 12) before a BMP one
  // (format 4).
  const Table cmap = Find("cmap");
  if (cmap.length < 4) return "it has no character map";
  const uint16_t maps = U16(cmap.data + 2);
  if (4 + size_t{maps} * 8 > cmap.length) return "its character map is cut short";
  for (int want : {12, 4}) {
    for (uint16_t i = 0; i < maps && !cmap_format_; ++i) {
      const uint8_t* record = cmap.data + 4 + 8 * size_t{i};
      const uint16_t platform = U16(record), encoding = U16(record + 2);
      const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
      const uint32_t offset = U32(record + 4);
      if (!unicode || offset > cmap.length - 4 || U16(cmap.data + offset) != want) continue;
      const uint32_t room = cmap.length - offset;
      uint32_t length = 0;
      if (want == 4) {
        length = U16(cmap.data + offset + 2);
        if (length < 16 || length > room) continue;
        const uint32_t segments = U16(cmap.data + offset + 6) / 2u;
        if (16 + 8 * segments > length) continue;
      } else {
        if (room < 16) continue;
        length = U32(cmap.data + offset + 4);
        if (length < 16 || length > room || (length - 16) / 12 < U32(cmap.data + offset + 12)) continue;
      }
      cmap_ = {cmap.data + offset, length};
      cmap_format_ = want;
    }
  }
  if (!cmap_format_) return "it has no Unicode character map";
  return nullptr;
}

int32_t SfntMetrics::GlyphOf(int32_t code) const {
  if (code < 0) return 0;
  uint32_t glyph = 0;
  const uint8_t* t = cmap_.data;
  if (cmap_format_ == 12) {
    const uint32_t groups = U32(t + 12);
    uint32_t low = 0, high = groups;
    while (low < high) {
      const uint32_t mid = (low + high) / 2;
      const uint8_t* g = t + 16 + 12 * size_t{mid};
      if (static_cast<uint32_t>(code) > U32(g + 4)) {
        low = mid + 1;
      } else if (static_cast<uint32_t>(code) < U32(g)) {
        high = mid;
      } else {
        glyph = U32(g + 8) + (static_cast<uint32_t>(code) - U32(g));
        break;
      }
    }
  } else if (cmap_format_ == 4 && code <= 0xFFFF) {
    const uint32_t segments = U16(t + 6) / 2u;
    for (uint32_t i = 0; i < segments; ++i) {
      if (U16(t + 14 + 2 * i) < code) continue;
      const uint16_t start = U16(t + 16 + 2 * segments + 2 * i);
      if (start > code) break;
      const uint16_t delta = U16(t + 16 + 4 * segments + 2 * i);
      const uint32_t range_at = 16 + 6 * segments + 2 * i;
      const uint16_t range = U16(t + range_at);
      if (range == 0) {
        glyph = (static_cast<uint32_t>(code) + delta) & 0xFFFF;
      } else {
        const uint32_t at = range_at + range + 2 * (static_cast<uint32_t>(code) - start);
        if (at + 2 > cmap_.length) break;
        glyph = U16(t + at);
        if (glyph != 0) glyph = (glyph + delta) & 0xFFFF;
      }
      break;
    }
  }
  return glyph < static_cast<uint32_t>(glyphs_) ? static_cast<int32_t>(glyph) : 0;
}

void SfntMetrics::LineMetrics(int32_t pixels, int32_t* ascend, int32_t* descend, int32_t* height) const {
  const double scale = static_cast<double>(pixels) / units_per_em_;
  *height = Round(line_height_ * scale);
  *ascend = static_cast<int32_t>(std::ceil(ascender_ * scale));
  *descend = static_cast<int32_t>(std::floor(descender_ * scale));
}

int32_t SfntMetrics::Advance(int32_t glyph, int32_t pixels) const {
  if (glyph < 0 || glyph >= glyphs_) return 0;
  const uint32_t entry = glyph < long_metrics_ ? static_cast<uint32_t>(glyph) : long_metrics_ - 1u;
  return Round(U16(hmtx_.data + 4 * entry) * static_cast<double>(pixels) / units_per_em_);
}

}  // namespace tazmix
