#include "font/freetype_font.h"

#include <algorithm>
#include <string>
#include <typeinfo>

#include "font/font_module.h"
#include "font/internal/freetype_library.h"
#include FT_TRUETYPE_TABLES_H
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/cstream.h"
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

// Why FreeType could not open a face. A file it cannot open is asked of the
// file system, whose answer names the real cause.
void NoteFaceError(FT_Error error, const String& path) {
  if (!path.IsEmpty() && FT_ERROR_BASE(error) == FT_Err_Cannot_Open_Resource &&
      !TCStream::OpenFile(path, true, false)) {
    return;
  }
  NoteFailure("FreeType: " + FreeTypeErrorText(error));
}

// FreeType's glyph 0 is "none": the library's index is FreeType's minus one.
int32_t FaceGlyph(FT_Face face, int32_t code) {
  return static_cast<int32_t>(FT_Get_Char_Index(face, static_cast<FT_ULong>(code))) - 1;
}

}  // namespace

TFreeTypeFont::~TFreeTypeFont() {
  // The face reads from _buf, which is released after this body.
  if (_ft_face) FT_Done_Face(_ft_face);
}

int32_t TFreeTypeFont::CharToGlyph(int32_t code) {
  // A negative code names no character; as an unsigned long it would.
  if (code < 0) return -1;
  if (code < kLatinCodes) return latin_glyphs_[static_cast<size_t>(code)];
  return FaceGlyph(_ft_face, code);
}

Ref<TFreeTypeFont> TFreeTypeFont::Load(const String& src, int32_t size, int32_t style) {
  FailureScope scope("TFreeTypeFont::Load", QuoteText(src) + ", " + String::FromInt(size));
  if (size <= 0) {
    scope.Fail("the size must be at least 1 pixel");
    return nullptr;
  }
  FT_Library library = FreeTypeLibrary();
  if (!library) {
    scope.Fail("the FreeType library can't start");
    return nullptr;
  }

  Ref<TFreeTypeFont> font = New<TFreeTypeFont>();
  FT_Face face = nullptr;
  if (src.Find("::") > 0) {
    // A stream URL: the face reads from memory the font keeps alive.
    try {
      font->_buf = LoadByteArray(src);
    } catch (const Thrown&) {
      scope.Fail("can't read it");
      return nullptr;
    }
    if (font->_buf.empty()) {
      scope.Fail("it is empty");
      return nullptr;
    }
    if (FT_Error error =
            FT_New_Memory_Face(library, font->_buf.data(), static_cast<FT_Long>(font->_buf.size()), 0, &face)) {
      NoteFaceError(error, String());
      scope.Fail("FreeType can't open it");
      return nullptr;
    }
  } else {
    std::string path;
    if (!ToNativePath(src, &path)) {
      scope.Fail("no file can have this name");
      return nullptr;
    }
    if (FT_Error error = FT_New_Face(library, path.c_str(), 0, &face)) {
      NoteFaceError(error, src);
      scope.Fail("FreeType can't open it");
      return nullptr;
    }
  }
  font->_ft_face = face;  // from here on the font's release closes the face

  if (face->num_glyphs < 0 || face->num_glyphs > FREETYPE_MAX_GLYPHS) {
    scope.Fail("it claims " + String::FromInt(static_cast<int32_t>(face->num_glyphs)) + " glyphs");
    return nullptr;
  }
  if (FT_IS_SFNT(face) && !SfntTablesInsideFile(face)) {
    scope.Fail("the file is cut short: its tables reach past its end");
    return nullptr;
  }

  int32_t pixels = std::min(size, FREETYPE_MAX_PIXEL_SIZE);
  while (pixels > 0 && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0) --pixels;
  if (pixels == 0) {
    scope.Fail("FreeType can't render it at any size up to " + String::FromInt(size));
    return nullptr;
  }

  const FT_Size_Metrics& metrics = face->size->metrics;
  font->_style = style;
  font->_height = static_cast<int32_t>(metrics.height >> 6);
  font->_ascend = static_cast<int32_t>(metrics.ascender >> 6);
  font->_descend = static_cast<int32_t>(metrics.descender >> 6);
  font->pixel_size_ = pixels;
  font->_glyphs.resize(static_cast<size_t>(face->num_glyphs));
  for (int32_t code = 0; code < kLatinCodes; ++code) {
    font->latin_glyphs_[static_cast<size_t>(code)] = FaceGlyph(face, code);
  }
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
