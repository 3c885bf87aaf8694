#include "draw2d/draw_text.h"

#include "draw2d/internal/current_drawing.h"
#include "draw2d/vex2d_graphics.h"
#include "runtime/error_report.h"
#include "stream/internal/url_subject.h"

namespace tazmix {

void DrawText(const String& text, float x, float y) {
  const TVex2DGraphics& g = DrawingGraphics("DrawText");
  if (!g.image_font) return;
  const float px = x + g.origin_x + g.handle_x * g.tform_ix + g.handle_y * g.tform_iy;
  const float py = y + g.origin_y + g.handle_x * g.tform_jx + g.handle_y * g.tform_jy;
  g.image_font->Draw(text, px, py, g.tform_ix, g.tform_iy, g.tform_jx, g.tform_jy);
}

int32_t TextWidth(const String& text) {
  TImageFont* font = DrawingGraphics("TextWidth").image_font.get();
  int32_t width = 0;
  if (!font) return width;
  for (int32_t n = 0; n < text.Length(); ++n) {
    const int32_t index = font->CharToGlyph(text[n]);
    if (index < 0) continue;
    if (Ref<TImageGlyph> glyph = font->LoadGlyph(index)) {
      // The running width is an Int: each sum is truncated before the next glyph.
      width = FloatToInt(static_cast<float>(width) + glyph->Advance());
    }
  }
  return width;
}

int32_t TextHeight(const String&) {
  TImageFont* font = DrawingGraphics("TextHeight").image_font.get();
  return font ? font->Height() : 0;
}

Ref<TImageFont> LoadImageFont(const Ref<Object>& url, int32_t size, int32_t style) {
  FailureScope scope("LoadImageFont", UrlSubject(url) + ", " + String::FromInt(size));
  return scope.Check(TImageFont::Load(url, size, style), "can't load the font");
}

Ref<TImageFont> LoadImageFont(const String& url, int32_t size, int32_t style) {
  return LoadImageFont(Ref<Object>(url.AsObject()), size, style);
}

}  // namespace tazmix
