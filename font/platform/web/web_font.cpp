#include "font/platform/web/web_font.h"

#include <emscripten.h>

#include <algorithm>
#include <string>
#include <typeinfo>

#include "font/font_module.h"
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/load_save.h"
#include "stream/stream_module.h"

namespace tazmix {

namespace {

struct WebFontState {
  bool started = false;
  // The page's fonts are named by number, one per loaded file.
  int32_t last_family = 0;
};

WebFontState& State() {
  static WebFontState state;
  return state;
}

// Gives the page the font file as family "tazmix-font-<family>": 1 once the
// browser took it, 0 when it refused the file, -1 without a browser.
EM_ASYNC_JS(int, AddPageFont, (int family, const uint8_t* data, int size), {
  if (typeof FontFace === 'undefined' || typeof document === 'undefined') return -1;
  try {
    var face = new FontFace('tazmix-font-' + family, HEAPU8.slice(data, data + size));
    await face.load();
    document.fonts.add(face);
    return 1;
  } catch (e) {
    return 0;
  }
});

// Draws the character `code` white at `pixels` per em and measures its ink:
// the box (left, top, width, height) relative to the pen on the baseline,
// y up, at most `limit` pixels a side; box[4] is 1 when it has ink.
EM_JS(void, MeasureGlyph, (int family, int pixels, int code, int limit, int* box), {
  var canvas = Module.tazmixGlyphCanvas || (Module.tazmixGlyphCanvas = document.createElement('canvas'));
  var context = canvas.getContext('2d', {willReadFrequently: true});
  context.font = pixels + 'px "tazmix-font-' + family + '"';
  var m = context.measureText(String.fromCodePoint(code));
  var left = Math.floor(-m.actualBoundingBoxLeft) - 1;
  var right = Math.ceil(m.actualBoundingBoxRight) + 1;
  var top = Math.ceil(m.actualBoundingBoxAscent) + 1;
  var bottom = Math.ceil(m.actualBoundingBoxDescent) + 1;
  var width = right - left, height = top + bottom;
  var inked = isFinite(width) && isFinite(height) && width > 2 && height > 2 && width <= limit && height <= limit;
  HEAP32[box >> 2] = inked ? left : 0;
  HEAP32[(box >> 2) + 1] = inked ? top : 0;
  HEAP32[(box >> 2) + 2] = inked ? width : 0;
  HEAP32[(box >> 2) + 3] = inked ? height : 0;
  HEAP32[(box >> 2) + 4] = inked ? 1 : 0;
});

// The coverage of the character drawn in the box MeasureGlyph gave, one byte
// a pixel, top row first.
EM_JS(void, DrawGlyph, (int family, int pixels, int code, int left, int top, int width, int height,
                        uint8_t* out), {
  var canvas = Module.tazmixGlyphCanvas;
  canvas.width = width;
  canvas.height = height;
  var context = canvas.getContext('2d', {willReadFrequently: true});
  context.clearRect(0, 0, width, height);
  context.font = pixels + 'px "tazmix-font-' + family + '"';
  context.textBaseline = 'alphabetic';
  context.fillStyle = '#fff';
  context.fillText(String.fromCodePoint(code), -left, top);
  var rgba = context.getImageData(0, 0, width, height).data;
  for (var i = 0; i < width * height; ++i) HEAPU8[out + i] = rgba[4 * i + 3];
});

}  // namespace

int32_t TWebFont::CharToGlyph(int32_t code) {
  const auto known = glyph_of_.find(code);
  if (known != glyph_of_.end()) return known->second;
  const int32_t index = metrics_.GlyphOf(code) - 1;
  glyph_of_.emplace(code, index);
  if (index >= 0) character_.emplace(index, code);
  return index;
}

Ref<TGlyph> TWebFont::LoadGlyph(int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= _glyphs.size()) return nullptr;
  Ref<TFreeTypeGlyph>& slot = _glyphs[static_cast<size_t>(index)];
  if (slot) return slot;
  Ref<TFreeTypeGlyph> glyph = New<TFreeTypeGlyph>();
  slot = glyph;
  glyph->_advance = static_cast<float>(metrics_.Advance(index + 1, pixels_));
  const auto character = character_.find(index);
  if (character == character_.end()) return glyph;

  int box[5] = {};
  MeasureGlyph(family_, pixels_, character->second, FreeTypeMaxGlyphExtent(pixels_), box);
  if (!box[4]) return glyph;
  // The measured box has a ring of one pixel around the ink: smoothed
  // glyphs keep it (the FreeType platform's have it too), others lose it.
  const int32_t trim = (_style & FONT_SMOOTH) ? 0 : 1;
  Ref<TPixmap> pixmap = TPixmap::Create(box[2], box[3], FORMAT_ALPHA8, 4);
  if (!pixmap) return glyph;
  std::vector<uint8_t> coverage(static_cast<size_t>(box[2]) * static_cast<size_t>(box[3]));
  DrawGlyph(family_, pixels_, character->second, box[0], box[1], box[2], box[3], coverage.data());
  for (int32_t y = 0; y < box[3]; ++y) {
    std::copy_n(coverage.data() + static_cast<size_t>(y) * static_cast<size_t>(box[2]), box[2],
                pixmap->PixelPtr(0, y));
  }
  if (trim) pixmap = pixmap->Window(1, 1, box[2] - 2, box[3] - 2)->Copy();
  glyph->_x = box[0] + trim;
  glyph->_y = _ascend - box[1] + trim;
  glyph->_w = box[2] - 2 * trim;
  glyph->_h = box[3] - 2 * trim;
  glyph->_pixmap = pixmap;
  return glyph;
}

Ref<TWebFont> TWebFont::Load(const String& src, int32_t size, int32_t style) {
  FailureScope scope("TWebFont::Load", QuoteText(src) + ", " + String::FromInt(size));
  if (size <= 0) {
    scope.Fail("the size must be at least 1 pixel");
    return nullptr;
  }
  Ref<TWebFont> font = New<TWebFont>();
  try {
    font->file_ = LoadByteArray(src);
  } catch (const Thrown&) {
    scope.Fail("can't read it");
    return nullptr;
  }
  if (font->file_.empty()) {
    scope.Fail("it is empty or can't be read");
    return nullptr;
  }
  if (const char* fault = font->metrics_.Read(font->file_)) {
    scope.Fail(fault);
    return nullptr;
  }
  const int32_t family = ++State().last_family;
  const int added = AddPageFont(family, font->file_.data(), static_cast<int>(font->file_.size()));
  if (added < 0) {
    scope.Fail("there is no browser here to draw its text");
    return nullptr;
  }
  if (added == 0) {
    scope.Fail("the browser refused it");
    return nullptr;
  }
  int32_t descend = 0;
  font->family_ = family;
  font->_style = style;
  font->pixels_ = std::min(size, FREETYPE_MAX_PIXEL_SIZE);
  font->metrics_.LineMetrics(font->pixels_, &font->_ascend, &descend, &font->_height);
  font->_glyphs.resize(static_cast<size_t>(font->metrics_.GlyphCount()));
  return font;
}

Ref<TFont> TWebFontLoader::LoadFont(const Ref<Object>& url, int32_t size, int32_t style) {
  String text;
  if (!String::FromObject(url.get(), &text) || text.IsEmpty()) return nullptr;
  return TWebFont::Load(text, size, style);
}

// The library's name for its TrueType loader: here the browser draws the text.
void InitFreeTypeFont() {
  if (!BeginModuleInit(State().started)) return;
  InitFont();
  InitPixmap();
  InitStream();
  RegisterClassRecord(typeid(TFreeTypeGlyph));
  RegisterClassRecord(typeid(TWebFont));
  RegisterClassRecord(typeid(TWebFontLoader));
  AddFontLoader(New<TWebFontLoader>());
}

}  // namespace tazmix
