// Initialisation of the font module.
#pragma once

namespace tazmix {

// Runs once: initialises pixmaps, then registers TGlyph, TFont and
// TFontLoader. The loader chain starts empty.
void InitFont();

}  // namespace tazmix
