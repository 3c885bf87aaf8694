#include "font/font.h"

#include "runtime/exception.h"

namespace tazmix {

Ref<Object> TGlyph::Pixels() { ThrowNullMethod(); }
float TGlyph::Advance() { ThrowNullMethod(); }
void TGlyph::GetRect(int32_t&, int32_t&, int32_t&, int32_t&) { ThrowNullMethod(); }

int32_t TFont::Style() { ThrowNullMethod(); }
int32_t TFont::Height() { ThrowNullMethod(); }
int32_t TFont::CountGlyphs() { ThrowNullMethod(); }
int32_t TFont::CharToGlyph(int32_t) { ThrowNullMethod(); }
Ref<TGlyph> TFont::LoadGlyph(int32_t) { ThrowNullMethod(); }

}  // namespace tazmix
