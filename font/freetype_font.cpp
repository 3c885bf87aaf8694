#include "font/freetype_font.h"

#include <algorithm>
#include <string>
#include <typeinfo>

#include "font/font_module.h"
#include "font/internal/freetype_library.h"
#include FT_TRUETYPE_TABLES_H
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"
#include "runtime/exception.h"
#include "stream/load_save.h"
#include "stream/internal/native_path.h"
#include "stream/stream_module.h"

namespace tazmix {

namespace {

uint32_t BigEndian32(const uint8_t* p) { return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]; }

// The library opens a TrueType or OpenType file whose end is cut off and
// quietly drops the tables that lie past it, so a truncated file would load
// as a font with glyphs or metrics missing. This reads the file's table
// directory (of the first font of a collection) and asks that every table
// it lists lies inside the file.
bool SfntTablesInsideFile(FT_Face face) {
  FT_ULong size = 0;
  if (FT_Load_Sfnt_Table(face, 0, 0, nullptr, &size) != 0) return false;
  auto read = [&](FT_ULong offset, uint8_t* out, FT_ULong count) {
    if (offset > size || count > size - offset) return false;
    FT_ULong length = count;
    return FT_Load_Sfnt_Table(face, 0, static_cast<FT_Long>(offset), out, &length) == 0 && length == count;
  };
  uint8_t header[16];
  if (!read(0, header, 12)) return false;
  FT_ULong directory = 0;
  if (BigEndian32(header) == 0x74746366) {  // "ttcf": a collection
    if (!read(0, header, 16)) return false;
    directory = BigEndian32(header + 12);
    if (!read(directory, header, 12)) return false;
  }
  const uint32_t tables = uint32_t{header[4]} << 8 | header[5];
  std::vector<uint8_t> entries(static_cast<size_t>(tables) * 16);
  if (!read(directory + 12, entries.data(), entries.size())) return false;
  for (uint32_t i = 0; i < tables; ++i) {
    const uint32_t offset = BigEndian32(&entries[i * 16 + 8]);
    const uint32_t length = BigEndian32(&entries[i * 16 + 12]);
    if (offset > size || length > size - offset) return false;
  }
  return true;
}

}  // namespace

int32_t FreeTypeMaxGlyphExtent(int32_t pixelSize) {
  return std::clamp(pixelSize, 8, 512) * 8;
}

TFreeTypeFont::~TFreeTypeFont() {
  // The face reads from _buf, which is released after this body.
  if (_ft_face) FT_Done_Face(_ft_face);
}

int32_t TFreeTypeFont::CharToGlyph(int32_t code) {
  // A negative code names no character; as an unsigned long it would.
  if (code < 0) return -1;
  return static_cast<int32_t>(FT_Get_Char_Index(_ft_face, static_cast<FT_ULong>(code))) - 1;
}

Ref<TFreeTypeFont> TFreeTypeFont::Load(const String& src, int32_t size, int32_t style) {
  FT_Library library = FreeTypeLibrary();
  if (!library || size <= 0) return nullptr;

  Ref<TFreeTypeFont> font = New<TFreeTypeFont>();
  FT_Face face = nullptr;
  if (src.Find("::") > 0) {
    // A stream URL: the face reads from memory the font keeps alive.
    try {
      font->_buf = LoadByteArray(src);
    } catch (const Thrown&) {
      return nullptr;
    }
    if (font->_buf.empty()) return nullptr;
    if (FT_New_Memory_Face(library, font->_buf.data(), static_cast<FT_Long>(font->_buf.size()), 0, &face) != 0)
      return nullptr;
  } else {
    std::string path;
    if (!ToNativePath(src, &path)) return nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) return nullptr;
  }
  font->_ft_face = face;  // from here on the font's release closes the face

  if (face->num_glyphs < 0 || face->num_glyphs > FREETYPE_MAX_GLYPHS) return nullptr;
  if (FT_IS_SFNT(face) && !SfntTablesInsideFile(face)) return nullptr;

  int32_t pixels = std::min(size, FREETYPE_MAX_PIXEL_SIZE);
  while (pixels > 0 && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0) --pixels;
  if (pixels == 0) return nullptr;

  const FT_Size_Metrics& metrics = face->size->metrics;
  font->_style = style;
  font->_height = static_cast<int32_t>(metrics.height >> 6);
  font->_ascend = static_cast<int32_t>(metrics.ascender >> 6);
  font->_descend = static_cast<int32_t>(metrics.descender >> 6);
  font->_pixel_size = pixels;
  font->_glyphs.resize(static_cast<size_t>(face->num_glyphs));
  return font;
}

Ref<TFont> TFreeTypeFontLoader::LoadFont(const Ref<Object>& url, int32_t size, int32_t style) {
  String text;
  if (!String::FromObject(url.get(), &text) || text.IsEmpty()) return nullptr;
  return TFreeTypeFont::Load(text, size, style);
}

void InitFreeTypeFont() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitFont();
  InitPixmap();
  InitStream();
  RegisterClassRecord(typeid(TFreeTypeGlyph));
  RegisterClassRecord(typeid(TFreeTypeFont));
  RegisterClassRecord(typeid(TFreeTypeFontLoader));
  AddFontLoader(New<TFreeTypeFontLoader>());
}

}  // namespace tazmix
