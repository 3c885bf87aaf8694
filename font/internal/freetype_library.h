// The one FreeType library handle of the process, shared by the FreeType
// font code. Only font/freetype_*.cpp include this header.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

namespace tazmix {

// Initialises the library on first use and keeps it for the process's life;
// nullptr when initialisation failed (it is tried again on the next call).
FT_Library FreeTypeLibrary();

}  // namespace tazmix
