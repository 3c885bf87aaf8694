// The 8 x 16 bitmap font of raw GL text: its embedded bytes and the glyph
// strip they become.
#pragma once

#include <cstdint>

#include "pixmap/pixmap.h"
#include "runtime/string.h"

namespace tazmix {

inline constexpr int32_t kRawTextCellWidth = 8;
inline constexpr int32_t kRawTextCellHeight = 16;
inline constexpr int32_t kRawTextFirstCode = 32;
inline constexpr int32_t kRawTextLastCode = 127;
inline constexpr int32_t kRawTextCodeCount = kRawTextLastCode - kRawTextFirstCode + 1;
// 16 rows of one byte per code; bit k of a byte is column k, bit 0 leftmost.
inline constexpr int32_t kRawTextFontLength = kRawTextCellHeight * kRawTextCodeCount;
// Glyphs side by side; the strip is a power of two wide, so the last 256
// columns hold no glyph.
inline constexpr int32_t kRawTextStripWidth = 1024;

// The name the font is registered under as an embedded file.
String GLRawTextFontName();

// Registers the built-in font under GLRawTextFontName(); part of the GL
// graphics module's start-up. A block registered under that name before
// stays (the first registration wins).
void RegisterGLRawTextFont();

// A kRawTextStripWidth x 16 FORMAT_RGBA32 pixmap with code c's glyph in
// columns (c - 32) * 8 to (c - 32) * 8 + 7: ink opaque white, everything else
// transparent black. Null when no font of at least kRawTextFontLength bytes
// is registered under the name.
Ref<TPixmap> GLRawTextFontStrip();

}  // namespace tazmix
