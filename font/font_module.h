/// \file
/// Initialisation of the font module.
///
/// \code{.cpp}
/// tazmix::InitFont();  // InitTazmix and InitFreeTypeFont do this
/// \endcode
/// \ingroup font
/// \since 1.0
#pragma once

namespace tazmix {

/// Runs once: initialises pixmaps, then registers TGlyph, TFont and
/// TFontLoader. The loader chain starts empty.
/// \since 1.0
void InitFont();

}  // namespace tazmix
